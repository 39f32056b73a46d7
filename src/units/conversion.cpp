#include "units/conversion.h"

#include "ui/colours.h"
#include "ui/form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QListWidget* unitBox(const QString& name, const QStringList& items) {
    auto* list = new QListWidget;
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->addItems(items);
    list->setMinimumHeight(190);
    return list;
}

QGroupBox* framed(const QString& caption, QWidget* content) {
    auto* frame = new QGroupBox(caption);
    (new QVBoxLayout(frame))->addWidget(content);
    return frame;
}

} // namespace

Conversion::Conversion(Host& host)
    : Screen(host, ScreenId::Conversion, "Unit Conversions"), kind_(&conversion::inertia()),
      input_(unitBox("InputList", kind_->units)), output_(unitBox("OutputList", kind_->units)),
      intxt_(form::entry("Intxt")), inUnits_(form::display("InUnits", colours::lightGrey)),
      outtxt_(form::display("Outtxt", colours::lightGrey, "0")),
      outUnits_(form::display("OutUnits", colours::lightGrey)) {
    QVBoxLayout* layout = body();
    layout->addWidget(form::heading("Unit Conversions"));

    auto* type = new QGroupBox("Type");
    type->setObjectName("Type");
    auto* options = new QGridLayout(type);
    int k = 0;
    for (const conversion::Kind& kind : conversion::kinds()) {
        auto* option = new QRadioButton(kind.caption);
        option->setObjectName(kind.option);
        connect(option, &QRadioButton::toggled, this, [this, &kind](bool on) {
            if (on)
                chooseKind(kind);
        });
        options->addWidget(option, k / 3, k % 3);
        ++k;
    }
    layout->addWidget(type);

    auto* lists = new QHBoxLayout;
    lists->addWidget(framed("Input", input_));
    lists->addWidget(framed("Output", output_));
    layout->addLayout(lists);

    auto* grid = new QGridLayout;
    form::Rows rows(grid);
    rows.add("Input:", intxt_, inUnits_);
    rows.add("Output:", outtxt_, outUnits_);
    layout->addLayout(grid);
    QPushButton* close = button("Close", "CLOSE", [this] { hide(); });
    setEscapeButton(close);
    footer()->addLayout(buttonRow(nullptr, close, nullptr));

    connect(input_, &QListWidget::itemSelectionChanged, this,
            [this] { unitChosen(input_, inUnits_); });
    connect(output_, &QListWidget::itemSelectionChanged, this,
            [this] { unitChosen(output_, outUnits_); });
    connect(intxt_, &QLineEdit::textEdited, this, [this] { convert(); });
}

int Conversion::chosenRow(const QListWidget* list) {
    const QList<QListWidgetItem*> chosen = list->selectedItems();
    return chosen.isEmpty() ? -1 : list->row(chosen.first());
}

void Conversion::chooseKind(const conversion::Kind& kind) {
    input_->clear();
    output_->clear();
    inUnits_->clear();
    outUnits_->clear();
    intxt_->setText("0");
    outtxt_->setText("0");
    input_->addItems(kind.units);
    output_->addItems(kind.units);
    kind_ = &kind;
}

void Conversion::unitChosen(QListWidget* list, QLineEdit* shown) {
    const int row = chosenRow(list);
    if (row < 0)
        return;
    shown->setText(list->item(row)->text());
    convert();
}

void Conversion::convert() {
    const conversion::Result result =
        conversion::convert(*kind_, chosenRow(input_), chosenRow(output_), intxt_->text());
    if (result.message) {
        inform(*result.message);
        intxt_->setText("0");
        // The next digit typed replaces the reset figure.
        intxt_->selectAll();
        return convert();
    }
    if (result.output)
        outtxt_->setText(*result.output);
}

#include "motors/motorfit.h"

#include "motors/fitsmodel.h"
#include "motors/library.h"
#include "sizing/sizing.h"
#include "ui/form.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The chosen row's figures keep their green or red, the row marked by a
// line of the highlight above and below.
class KeepColours : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (!(option.state & QStyle::State_Selected) || !index.data(Qt::BackgroundRole).isValid())
            return QStyledItemDelegate::paint(painter, option, index);
        QStyleOptionViewItem plain = option;
        plain.state &= ~QStyle::State_Selected;
        QStyledItemDelegate::paint(painter, plain, index);
        const QColor highlight = option.palette.color(QPalette::Highlight);
        const QRect r = option.rect;
        painter->fillRect(QRect(r.left(), r.top(), r.width(), 3), highlight);
        painter->fillRect(QRect(r.left(), r.bottom() - 2, r.width(), 3), highlight);
    }
};

} // namespace

MotorFit::MotorFit(Host& host, motors::Library& library)
    : Screen(host, ScreenId::MotorFit, "Choose a Motor"), library_(library),
      fits_(new FitsModel(this)), stack_(new QStackedWidget), table_(new QTableView),
      note_(form::label({})), use_(button("UseMotor", "Use Motor", [this] { useMotor(); })) {
    QVBoxLayout* layout = body();
    letBodyFill();
    layout->addWidget(form::heading("Choose a Motor"));
    layout->addWidget(form::label("The motors of the library as each would do in this sizing,\n"
                                  "those whose figures are all green first, the smallest first."));

    table_->setObjectName("Fits");
    table_->setModel(fits_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->hide();
    table_->setItemDelegate(new KeepColours(table_));
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionResizeMode(FitsModel::Name, QHeaderView::Stretch);
    const QFontMetrics metrics(header->font());
    for (int column = FitsModel::FirstVerdict; column < fits_->columnCount(); ++column)
        header->resizeSection(
            column, metrics.horizontalAdvance(
                        fits_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()) +
                        24);
    table_->setMinimumSize(metrics.horizontalAdvance("M") * 48, metrics.height() * 16);
    connect(table_, &QTableView::doubleClicked, this, [this] { useMotor(); });
    // A note in the table's place when there is nothing to list.
    note_->setObjectName("EmptyNote");
    note_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    stack_->addWidget(table_);
    stack_->addWidget(note_);
    layout->addWidget(stack_, 1);

    auto* tools = new QHBoxLayout;
    tools->addWidget(toolButton("Library", "Motor Library...", ScreenId::MotorLibrary));
    tools->addStretch(1);
    layout->addLayout(tools);

    QPushButton* close = button("Close", "CLOSE", [this] { hide(); });
    setEscapeButton(close);
    footer()->addLayout(buttonRow(nullptr, close, use_));
    connect(&library_, &motors::Library::changed, this, [this] {
        if (isVisible())
            showResults();
    });
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { use_->setEnabled(table_->selectionModel()->hasSelection()); });
}

void MotorFit::showResults() {
    // The chosen motor stays chosen while the figures change.
    QString chosen;
    if (const QModelIndexList rows = table_->selectionModel()->selectedRows(); !rows.isEmpty())
        chosen = fits_->fits()[rows.front().row()].motor.name;
    const std::optional<QString> problem = library_.open();
    const std::optional<PreliminaryFigures>& preliminary = sizing().results.preliminary;
    QList<motors::Fit> fits;
    if (!problem && preliminary)
        fits = motors::fitMotors(library_.motors(), sizing().record(), *preliminary);
    fits_->setFits(fits);
    fitNames();

    QString note;
    if (problem)
        note = "The motor library " + library_.path() + " cannot be opened:\n" + *problem + ".";
    else if (!preliminary)
        note = "Work out the preliminary findings first:\nthe motors are compared with the "
               "torque and speed they need.";
    else if (library_.motors().isEmpty())
        note = "The motor library is empty.\nPress \"Motor Library...\" to add motors, or to "
               "import them\nfrom a CSV file of their data sheets.";
    else if (!fits.front().findings)
        note = fits.front().problem.text;
    note_->setText(note);
    stack_->setCurrentWidget(note.isEmpty() ? static_cast<QWidget*>(table_) : note_);
    if (!fits.isEmpty()) {
        const auto at = std::find_if(fits.begin(), fits.end(),
                                     [&](const motors::Fit& f) { return f.motor.name == chosen; });
        table_->selectRow(at == fits.end() ? 0 : int(at - fits.begin()));
    }
    use_->setEnabled(table_->selectionModel()->hasSelection());
}

void MotorFit::fitNames() {
    // The window opens wide enough for the longest name beside the figures.
    int name = 0;
    const QFontMetrics metrics(table_->font());
    for (const motors::Fit& f : fits_->fits())
        name = std::max(name, metrics.horizontalAdvance(f.motor.name));
    const QHeaderView* header = table_->horizontalHeader();
    int width = name + 2 * metrics.horizontalAdvance('M') + 2 * table_->frameWidth() +
                table_->verticalScrollBar()->sizeHint().width();
    for (int column = FitsModel::FirstVerdict; column < fits_->columnCount(); ++column)
        width += header->sectionSize(column);
    table_->setMinimumWidth(std::max(table_->minimumWidth(), width));
}

void MotorFit::useMotor() {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return;
    motors::useMotor(sizing(), fits_->fits()[rows.front().row()].motor);
    apply(Outcome::go());
}

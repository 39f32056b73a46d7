#include "motors/motorlibrary.h"

#include "motors/csv.h"
#include "motors/library.h"
#include "motors/motortables.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/keeper.h"
#include "ui/messages.h"
#include "units/units.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSaveFile>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QString motorsCount(qsizetype n) {
    return n == 1 ? QString("1 motor") : QString("%1 motors").arg(n);
}

QTableView* table(const QString& name, QAbstractItemModel* model) {
    auto* view = new QTableView;
    view->setObjectName(name);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    view->setTabKeyNavigation(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Each figure column as wide as its caption, the first takes the rest.
    QHeaderView* header = view->horizontalHeader();
    const QFontMetrics metrics(header->font());
    for (int column = 0; column < model->columnCount(); ++column)
        header->resizeSection(
            column,
            std::max(metrics.horizontalAdvance("0.000000000"),
                     metrics.horizontalAdvance(
                         model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString())) +
                24);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    return view;
}

} // namespace

MotorLibrary::MotorLibrary(Host& host, motors::Library& library)
    : Screen(host, ScreenId::MotorLibrary, "Motor Library"), library_(library),
      motors_(new motors::MotorsModel(library, this)),
      curve_(new motors::CurveModel(library, this)), table_(table("Motors", motors_)),
      curveTable_(table("Curve", curve_)),
      inertiaUnits_(form::unitList("InertiaUnits", units::inertiaUnits().texts())),
      torqueUnits_(form::unitList("TorqueUnits", units::torqueUnits().texts())),
      speedUnits_(form::unitList("SpeedUnits", units::rotarySpeedUnits().texts())),
      status_(form::label({})) {
    QVBoxLayout* layout = body();
    letBodyFill();
    layout->addWidget(form::heading("Motor Library"));

    layout->addLayout(unitsRow());
    const QFontMetrics metrics(font());
    table_->setMinimumSize(metrics.horizontalAdvance("M") * 52, metrics.height() * 14);
    auto* tables = new QHBoxLayout;
    tables->addWidget(table_, 3);
    tables->addLayout(curveColumn(), 1);
    layout->addLayout(tables, 1);

    status_->setObjectName("Status");
    status_->setWordWrap(true);
    layout->addWidget(status_);

    QPushButton* add = button("AddMotor", "Add Motor", [this] { addMotor(); });
    QPushButton* remove = button("RemoveMotor", "Remove Motor", [this] { removeMotor(); });
    QPushButton* import = button("ImportMotors", "Import...", [this] { importMotors(); });
    QPushButton* exportButton = button("ExportMotors", "Export...", [this] { exportMotors(); });
    QPushButton* close = button("Close", "CLOSE", [this] { hide(); });
    setEscapeButton(close);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {add, remove, import, exportButton})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(close);
    footer()->addLayout(buttons);
    changers_ << QList<QWidget*>{table_, curveTable_, add, remove, import, exportButton};

    const auto refused = [this](const Message& m) { inform(m); };
    connect(motors_, &motors::MotorsModel::refused, this, refused);
    connect(curve_, &motors::CurveModel::refused, this, refused);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        kept_ = chosenMotor();
        showCurveOf(kept_);
    });
    // The motors models were told first: the table is rebuilt; choose the
    // motor again.
    connect(&library_, &motors::Library::changed, this, [this] {
        choose(kept_);
        tell(motorsCount(library_.motors().size()) + " in " + library_.path() + ".");
    });
}

QLayout* MotorLibrary::unitsRow() {
    const motors::ShownUnits shown;
    inertiaUnits_->setCurrentText(shown.inertia);
    torqueUnits_->setCurrentText(shown.torque);
    speedUnits_->setCurrentText(shown.speed);
    auto* row = new QHBoxLayout;
    for (const auto& [caption, list] : {std::pair{"Inertia in:", inertiaUnits_},
                                        {"Torque in:", torqueUnits_},
                                        {"Speed in:", speedUnits_}}) {
        QLabel* label = form::label(caption);
        label->setBuddy(list);
        row->addWidget(label);
        row->addWidget(list);
        connect(list, &QComboBox::currentTextChanged, this, [this] { unitsChosen(); });
    }
    row->addStretch(1);
    return row;
}

QLayout* MotorLibrary::curveColumn() {
    curveTable_->setMinimumWidth(QFontMetrics(font()).horizontalAdvance("0.000000000") * 2 + 40);
    auto* column = new QVBoxLayout;
    column->addWidget(form::caption("Peak Torque Curve"));
    column->addWidget(curveTable_, 1);
    auto* pointButtons = new QHBoxLayout;
    QPushButton* addPoint = button("AddPoint", "Add Point", [this] {
        const int row = curve_->addPoint();
        if (row >= 0)
            curveTable_->selectRow(row);
    });
    QPushButton* removePoint = button("RemovePoint", "Remove Point", [this] {
        const QModelIndexList rows = curveTable_->selectionModel()->selectedRows();
        if (!rows.isEmpty())
            curve_->removePoint(rows.front().row());
    });
    pointButtons->addWidget(addPoint);
    pointButtons->addWidget(removePoint);
    column->addLayout(pointButtons);
    changers_ << addPoint << removePoint;
    return column;
}

void MotorLibrary::showResults() {
    const std::optional<QString> problem = library_.open();
    for (QWidget* w : std::as_const(changers_))
        w->setEnabled(!problem);
    if (problem) {
        const QString text =
            "The motor library " + library_.path() + " cannot be opened: " + *problem + ".";
        tell(text);
        inform({"Motor Library", text});
        return;
    }
    if (library_.motors().isEmpty())
        tell("The library is empty: add a motor, or import motors from a CSV file (" +
             library_.path() + ").");
    else
        tell(motorsCount(library_.motors().size()) + " in " + library_.path() + ".");
    if (!chosenMotor() && !library_.motors().isEmpty())
        choose(library_.motors().front().id);
}

void MotorLibrary::tell(const QString& status) {
    status_->setText(status);
}

void MotorLibrary::unitsChosen() {
    const motors::ShownUnits shown{inertiaUnits_->currentText(), torqueUnits_->currentText(),
                                   speedUnits_->currentText()};
    motors_->setUnits(shown);
    curve_->setUnits(shown);
}

qint64 MotorLibrary::chosenMotor() const {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    const motors::Motor* m = rows.isEmpty() ? nullptr : motors_->motorAt(rows.front().row());
    return m ? m->id : 0;
}

void MotorLibrary::choose(qint64 id) {
    const int row = motors_->rowOf(id);
    if (row < 0) {
        table_->clearSelection();
        showCurveOf(0);
        return;
    }
    table_->selectRow(row);
    table_->scrollTo(motors_->index(row, 0));
}

void MotorLibrary::showCurveOf(qint64 id) {
    curve_->showMotor(id);
}

void MotorLibrary::addMotor() {
    const int row = motors_->addMotor();
    if (row < 0)
        return;
    choose(motors_->motorAt(row)->id);
    // The engineer names it at once.
    table_->setCurrentIndex(motors_->index(row, motors::MotorsModel::Name));
    table_->edit(motors_->index(row, motors::MotorsModel::Name));
}

void MotorLibrary::removeMotor() {
    const motors::Motor* m = library_.find(chosenMotor());
    if (!m)
        return;
    if (!host().messages().ask(this, {"Remove Motor", "Remove the motor \"" + m->name +
                                                          "\" and its curve from the library?"}))
        return;
    if (const auto problem = library_.remove(m->id))
        inform(
            {"Motor Library", "The change could not be saved in the library: " + *problem + "."});
}

void MotorLibrary::importMotors() {
    const auto chosen = host().dialogs().openFileName(this, "Import Motors", "*.csv",
                                                      host().keeper().lastFolder("csv"));
    if (!chosen || chosen->isEmpty())
        return;
    const QString name = QFileInfo(*chosen).fileName();
    const auto refuse = [&](const QString& why) {
        inform({"Import Motors", name + " cannot be imported: " + why + "."});
    };
    QFile file(*chosen);
    if (QFileInfo(*chosen).size() > (64 << 20))
        return refuse("it is larger than 64 MiB");
    if (!file.open(QIODevice::ReadOnly))
        return refuse(file.errorString());
    const auto read = motors::readCsv(file.readAll());
    if (const auto* problem = std::get_if<QString>(&read))
        return refuse(*problem);
    const QList<motors::Motor>& motors = std::get<QList<motors::Motor>>(read);
    const QStringList taken = library_.taken(motors);
    bool replace = false;
    if (!taken.isEmpty()) {
        QString names = taken.mid(0, 5).join(", ");
        if (taken.size() > 5)
            names += QString(" and %1 more").arg(taken.size() - 5);
        replace = host().messages().ask(
            this, {"Replace Motors",
                   QString("%1 of the file %2 already in the library (%3). "
                           "Replace them with the file's?")
                       .arg(motorsCount(taken.size()), taken.size() == 1 ? "is" : "are", names)});
    }
    const auto imported = library_.import(motors, replace);
    if (const auto* problem = std::get_if<QString>(&imported))
        return refuse(*problem);
    host().keeper().rememberFolder("csv", *chosen);
    const auto& counts = std::get<motors::Library::Imported>(imported);
    QStringList parts{QString("%1 added").arg(counts.added)};
    if (counts.replaced)
        parts << QString("%1 replaced").arg(counts.replaced);
    if (counts.kept)
        parts << QString("%1 kept as the library had them").arg(counts.kept);
    tell("Read " + motorsCount(motors.size()) + " from " + name + ": " + parts.join(", ") + ".");
}

void MotorLibrary::exportMotors() {
    auto chosen = host().dialogs().saveFileName(this, "Export Motors", "*.csv",
                                                host().keeper().lastFolder("csv"));
    if (!chosen || chosen->isEmpty())
        return;
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty())
        path += ".csv";
    QSaveFile file(path);
    const QByteArray bytes = motors::writeCsv(library_.motors());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return inform({"Export Error",
                       "The motors could not be exported to " + path + ":  " + file.errorString()});
    host().keeper().rememberFolder("csv", path);
    tell("Wrote " + motorsCount(library_.motors().size()) + " to " + QFileInfo(path).fileName() +
         ".");
}

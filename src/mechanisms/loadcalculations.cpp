#include "mechanisms/loadcalculations.h"

#include "mechanisms/mechanismfields.h"
#include "mechanisms/mechanismsteps.h"
#include "ui/illustration.h"
#include "units/units.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The three shapes with the dimensions the calculator asks for.
void drawShapes(QPainter& p, const QRectF& r) {
    const double w = r.width() / 3;
    const double cy = r.center().y() - 6;
    p.setBrush(QColor(230, 200, 150));
    // Solid cylinder, seen end on, its diameter marked.
    const QPointF c1(r.left() + w / 2, cy);
    p.drawEllipse(c1, 40, 40);
    p.setBrush(Qt::NoBrush);
    drawing::arrow(p, c1 - QPointF(40, 0), c1 + QPointF(40, 0), true);
    p.drawText(QRectF(c1.x() - 40, cy - 18, 80, 16), Qt::AlignCenter, "OD");
    // Hollow cylinder: both diameters.
    const QPointF c2(r.left() + 1.5 * w, cy);
    QPainterPath ring;
    ring.addEllipse(c2, 40, 40);
    ring.addEllipse(c2, 18, 18);
    p.setBrush(QColor(230, 200, 150));
    p.drawPath(ring);
    p.setBrush(Qt::NoBrush);
    drawing::arrow(p, c2 - QPointF(40, -26), c2 + QPointF(40, 26), true);
    drawing::arrow(p, c2 - QPointF(18, 0), c2 + QPointF(18, 0), true);
    p.drawText(QRectF(c2.x() - 20, cy - 18, 40, 16), Qt::AlignCenter, "ID");
    p.drawText(QRectF(c2.x() + 30, cy + 26, 40, 16), Qt::AlignCenter, "OD");
    // Rectangular block: length and width.
    const QRectF block(r.left() + 2 * w + 16, cy - 30, w - 56, 60);
    p.setBrush(QColor(230, 200, 150));
    p.drawRect(block);
    p.setBrush(Qt::NoBrush);
    drawing::arrow(p, block.bottomLeft() + QPointF(0, 10), block.bottomRight() + QPointF(0, 10),
                   true);
    drawing::arrow(p, block.topRight() + QPointF(10, 0), block.bottomRight() + QPointF(10, 0),
                   true);
    p.drawText(QRectF(block.left(), block.bottom() + 12, block.width(), 16), Qt::AlignCenter, "L");
    p.drawText(QRectF(block.right() + 12, cy - 8, 16, 16), Qt::AlignCenter, "W");
    const QStringList names{"Solid Cylinder", "Hollow Cylinder", "Rectangular"};
    for (int k = 0; k < 3; ++k)
        p.drawText(QRectF(r.left() + k * w, r.bottom() - 16, w, 16), Qt::AlignCenter, names[k]);
}

} // namespace

LoadCalculations::LoadCalculations(Host& host)
    : Screen(host, ScreenId::LoadCalculations, "Load Calculations"),
      loadType_(new QGroupBox("Load Type")) {
    bindForm([this]() -> Form& { return loadCalcForm(sizing()); });
    QVBoxLayout* layout = body();
    layout->addWidget(form::heading("Load Calculations"));
    layout->addWidget(new Illustration(drawShapes, QSize(480, 130)), 0, Qt::AlignHCenter);

    loadType_->setObjectName(fields::LoadType);
    auto* shapes = new QHBoxLayout(loadType_);
    for (const auto& [name, caption] : {std::pair{fields::SolidCyl, "Solid Cylinder"},
                                        {fields::HollowCyl, "Hollow Cylinder"},
                                        {fields::Rect, "Rectangular"}}) {
        QRadioButton* shape = option(fields::LoadType, name, caption);
        shapes->addWidget(shape);
        connect(shape, &QRadioButton::toggled, this, [this] { followShape(); });
    }
    layout->addWidget(loadType_);

    auto* grid = new QGridLayout;
    grid->setColumnStretch(4, 1);
    form::Rows rows(grid);
    rows.add("Select Units:", unitList(fields::LUnits));
    dimensions_ = {{fields::SolidCyl, {entry(fields::SolidOD)}},
                   {fields::HollowCyl, {entry(fields::HollowOD), entry(fields::HollowID)}},
                   {fields::Rect, {entry(fields::RectL), entry(fields::RectW)}}};
    rows.add("Enter Cylinder Diameter:", dimensions_[fields::SolidCyl][0]);
    rows.add("Enter Hollow Outer Diameter:", dimensions_[fields::HollowCyl][0]);
    rows.add("Enter Hollow Inner Diameter:", dimensions_[fields::HollowCyl][1]);
    rows.add("Enter Rectangular Length:", dimensions_[fields::Rect][0]);
    rows.add("Enter Rectangular Width:", dimensions_[fields::Rect][1]);
    rows.skip(6);
    rows.add("Enter the Weight of the Load:", entry(fields::Weight), unitList(fields::WTUnits),
             helpButton("WeightWhat",
                        {"Weight Calculation",
                         "To calculate the weight of your system, measure the volume and multiply "
                         "by the overall density." +
                             QString(42, u' ') +
                             "Some common densities: Steel=4.48 oz/in^3; Aluminum = 1.54 oz/in^3, "
                             "Plastic = 0.64 oz/in^3"}));
    rows.add("Enter Eccentricity Distance (if any):", entry(fields::Eccentricity), QString(),
             helpButton("EccentricityWhat",
                        {"Eccentricity", "Eccentricity Distance is the distance from the center "
                                         "of gravity of your load to the center of rotation "
                                         "(using the same units as above)."}));
    layout->addLayout(grid);
    QPushButton* close = button("Close", "CLOSE", [this] { hide(); });
    setEscapeButton(close);
    footer()->addLayout(buttonRow(button("Clear", "CLEAR", [this] { clear(); }), close,
                                  button("Calculate", "E N T E R", [this] { enter(); })));
}

void LoadCalculations::showResults() {
    const Application* opener = sizing().record().AppType;
    form::setFrameTitle(loadType_, opener ? opener->tag : QString("Load Type"));
    followShape();
}

void LoadCalculations::followShape() {
    const QString chosen = loadCalcForm(sizing()).option(fields::LoadType);
    for (auto it = dimensions_.cbegin(); it != dimensions_.cend(); ++it)
        form::setEnabled(it.value(), chosen.isEmpty() || chosen == it.key());
}

void LoadCalculations::enter() {
    if (apply(submitLoadCalc(sizing())))
        hide();
}

void LoadCalculations::clear() {
    clearLoadCalc(sizing());
    load();
}

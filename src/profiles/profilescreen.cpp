#include "profiles/profilescreen.h"

#include "findings/preliminary.h"
#include "ui/form.h"
#include "ui/illustration.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Velocity over time: a triangle on the left, a trapezoid on the right.
void drawProfiles(QPainter& p, const QRectF& r) {
    const double w = r.width() / 2;
    for (int k = 0; k < 2; ++k) {
        const QRectF g(r.left() + 40 + k * w, r.top() + 14, w - 80, r.height() - 54);
        drawing::arrow(p, g.bottomLeft(), g.topLeft() - QPointF(0, 8));
        drawing::arrow(p, g.bottomLeft(), g.bottomRight() + QPointF(16, 0));
        p.drawText(QPointF(g.left() + 6, g.top() - 2), "V");
        p.drawText(QPointF(g.right() + 10, g.bottom() - 6), "t");
        const double ta = k == 0 ? g.width() * 0.45 : g.width() * 0.25;
        const double tEnd = g.width() * 0.9;
        const double top = g.top() + 18;
        QPolygonF shape;
        shape << g.bottomLeft() << QPointF(g.left() + ta, top);
        if (k == 1)
            shape << QPointF(g.left() + tEnd - ta, top);
        shape << QPointF(g.left() + tEnd, g.bottom());
        p.setPen(QPen(QColor(30, 70, 160), 2));
        p.drawPolyline(shape);
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.drawLine(QPointF(g.left(), top), QPointF(g.left() + ta, top));
        p.drawLine(QPointF(g.left() + ta, top), QPointF(g.left() + ta, g.bottom()));
        p.setPen(QPen(Qt::black, 1.5));
        p.drawText(QRectF(g.left() - 36, top - 8, 32, 16), Qt::AlignRight | Qt::AlignVCenter, "VM");
        p.drawText(QRectF(g.left() + ta - 20, g.bottom() + 2, 40, 16), Qt::AlignCenter, "t_a");
        p.drawText(QRectF(g.left() + tEnd - 24, g.bottom() + 2, 48, 16), Qt::AlignCenter, "t_tot");
        QFont bold = p.font();
        bold.setBold(true);
        p.save();
        p.setFont(bold);
        p.drawText(QRectF(g.left(), r.bottom() - 16, g.width(), 16), Qt::AlignCenter,
                   k == 0 ? "Triangular" : "Trapezoidal");
        p.restore();
    }
}

} // namespace

ProfileScreen::ProfileScreen(App& app, const QString& name, const QString& title, ProfileKind kind)
    : Screen(app, name, title), kind_(kind), profile_(new QGroupBox("Profile Options")),
      triangular_(new QRadioButton("Triangular")), trapezoidal_(new QRadioButton("Trapezoidal")),
      triDist_(form::entry("TriDist")), triMoveTime_(form::entry("TriMoveTime")),
      trapDist_(form::entry("TrapDist")), trapMoveTime_(form::entry("TrapMoveTime")),
      maxSpeed_(form::entry("MaxSpeed")), accelTime_(form::entry("AccelTime")),
      accelDist_(form::entry("AccelDist")) {
    const ProfileSetup setup = profileSetup(record().MotionType);
    triMoveUnits_ = form::unitList("TriMoveUnits", setup.distanceUnits);
    trapMoveUnits_ = form::unitList("TrapMoveUnits", setup.distanceUnits);
    accelDistUnits_ = form::unitList("AccelDistUnits", setup.distanceUnits);
    maxSpeedUnits_ = form::unitList("MaxSpeedUnits", setup.speedUnits);

    auto* layout = new QVBoxLayout(this);
    QLabel* heading = form::heading(setup.heading);
    heading->setObjectName("MotionProfile");
    layout->addWidget(heading);
    layout->addWidget(new Illustration(drawProfiles, QSize(560, 170)), 0, Qt::AlignHCenter);

    profile_->setObjectName("Profile");
    triangular_->setObjectName("Triangular");
    trapezoidal_->setObjectName("Trapezoidal");
    auto* columns = new QHBoxLayout(profile_);

    auto* left = new QGridLayout;
    form::Rows tri(left);
    tri.whole(triangular_);
    tri.add("Enter Move Distance:", triDist_, triMoveUnits_);
    tri.add("Enter Move Time:", triMoveTime_, "sec");
    left->setRowStretch(tri.row(), 1);

    auto* right = new QGridLayout;
    form::Rows trap(right);
    trap.whole(trapezoidal_);
    trap.add("Enter Move Distance:", trapDist_, trapMoveUnits_);
    trap.add("Enter Total Move Time:", trapMoveTime_, "sec");
    trap.add("Enter Max Speed:", maxSpeed_, maxSpeedUnits_);
    trap.span(form::label("OR"));
    trap.add("Enter Acceleration Time:", accelTime_, "sec");
    trap.span(form::label("OR"));
    trap.add("Enter Acceleration Distance:", accelDist_, accelDistUnits_);
    const Message cv{"Constant Velocity",
                     "To enter a constant velocity application, you must select TRAPEZOIDAL, "
                     "then enter the Max Speed, AND either Acceleration Time or Acceleration "
                     "Distance."};
    trap.span(button("CV", "Constant Velocity?", [this, cv] { inform(cv); }));

    columns->addLayout(left);
    columns->addSpacing(24);
    columns->addLayout(right);
    layout->addWidget(profile_);
    layout->addLayout(buttonRow(button("Back", "BACK", [this] { back(); }), closeButton(),
                                button("Next", "N E X T", [this] { next(); })));
}

void ProfileScreen::setMechanismTag(const QString& tag) {
    profile_->setTitle(tag);
}

ProfileEntries ProfileScreen::entries() const {
    return {triangular_->isChecked(),
            trapezoidal_->isChecked(),
            triDist_->text(),
            triMoveTime_->text(),
            trapDist_->text(),
            trapMoveTime_->text(),
            maxSpeed_->text(),
            accelTime_->text(),
            accelDist_->text(),
            triMoveUnits_->currentText(),
            trapMoveUnits_->currentText(),
            maxSpeedUnits_->currentText(),
            accelDistUnits_->currentText()};
}

void ProfileScreen::next() {
    const ProfileOutcome result = profileNext(record(), entries(), kind_);
    if (!apply(result.outcome))
        return;
    if (auto* preliminary = app().screens().get<Preliminary>("Preliminary"))
        preliminary->showFigures(result.preliminary);
    moveTo("Preliminary");
}

void ProfileScreen::back() {
    const QString target = profileBack(record(), record().*profileLines(kind_), profile_->title());
    if (app().screens().knows(target))
        moveTo(target);
}

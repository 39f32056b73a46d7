#include "profiles/profilescreen.h"

#include "mechanisms/applications.h"
#include "profiles/profilefields.h"
#include "profiles/profilesteps.h"
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

ProfileScreen::ProfileScreen(Host& host, ProfileKind kind)
    : Screen(host, profileScreen(kind),
             kind == ProfileKind::Rotary ? "Rotary Motion" : "Motion Profiles"),
      kind_(kind), profile_(new QGroupBox("Profile Options")) {
    bindForm([this]() -> Form& { return profileForm(sizing(), kind_); });
    // The heading and unit lists follow the motion the sizing had when the
    // screen was first shown.
    const Motion motion = sizing().record().MotionType;

    QVBoxLayout* layout = body();
    QLabel* heading = form::heading(profileHeading(motion));
    heading->setObjectName("MotionProfile");
    layout->addWidget(heading);
    layout->addWidget(new Illustration(drawProfiles, QSize(560, 170)), 0, Qt::AlignHCenter);

    profile_->setObjectName(fields::Profile);
    auto* frame = new QVBoxLayout(profile_);
    auto* columns = new QHBoxLayout;

    auto* left = new QGridLayout;
    form::Rows tri(left);
    QRadioButton* triangular = option(fields::Profile, fields::Triangular, "Triangular");
    triangle_ = {entry(fields::TriDist), unitList(fields::TriMoveUnits, motion),
                 entry(fields::TriMoveTime)};
    tri.whole(triangular);
    tri.add("Enter Move Distance:", triangle_[0], triangle_[1]);
    tri.add("Enter Move Time:", triangle_[2], "sec");
    left->setRowStretch(tri.row(), 1);

    auto* right = new QGridLayout;
    form::Rows trap(right);
    QRadioButton* trapezoidal = option(fields::Profile, fields::Trapezoidal, "Trapezoidal");
    trapezoid_ = {entry(fields::TrapDist),
                  unitList(fields::TrapMoveUnits, motion),
                  entry(fields::TrapMoveTime),
                  entry(fields::MaxSpeed),
                  unitList(fields::MaxSpeedUnits, motion),
                  entry(fields::AccelTime),
                  entry(fields::AccelDist),
                  unitList(fields::AccelDistUnits, motion)};
    trap.whole(trapezoidal);
    trap.add("Enter Move Distance:", trapezoid_[0], trapezoid_[1]);
    trap.add("Enter Total Move Time:", trapezoid_[2], "sec");
    trap.add("Enter Max Speed:", trapezoid_[3], trapezoid_[4]);
    trap.span(form::label("OR"));
    trap.add("Enter Acceleration Time:", trapezoid_[5], "sec");
    trap.span(form::label("OR"));
    trap.add("Enter Acceleration Distance:", trapezoid_[6], trapezoid_[7]);
    const Message cv{"Constant Velocity",
                     "To enter a constant velocity application, you must select TRAPEZOIDAL, "
                     "then enter the Max Speed, AND either Acceleration Time or Acceleration "
                     "Distance."};
    trap.span(button("CV", "Constant Velocity?", [this, cv] { inform(cv); }));

    columns->addLayout(left);
    columns->addSpacing(24);
    columns->addLayout(right);
    frame->addLayout(columns);
    // The rest after the move, for both profiles, before the move repeats.
    auto* cycle = new QGridLayout;
    form::Rows dwell(cycle);
    dwell.add("Enter Dwell Time:", entry(fields::DwellTime), "sec");
    cycle->setColumnStretch(4, 1);
    frame->addLayout(cycle);
    layout->addWidget(profile_);
    for (QRadioButton* choice : {triangular, trapezoidal})
        connect(choice, &QRadioButton::toggled, this, [this] { followChoice(); });
    footer()->addLayout(buttonRow(button("Back", "BACK", [this] { back(); }), closeButton(),
                                  button("Next", "N E X T", [this] { next(); })));
}

void ProfileScreen::showResults() {
    const Application* opener = sizing().record().AppType;
    form::setFrameTitle(profile_, opener ? opener->tag : QString("Profile Options"));
    followChoice();
}

void ProfileScreen::followChoice() {
    const QString chosen = profileForm(sizing(), kind_).option(fields::Profile);
    form::setEnabled(triangle_, chosen != fields::Trapezoidal);
    form::setEnabled(trapezoid_, chosen != fields::Triangular);
}

void ProfileScreen::next() {
    const Outcome outcome = submitProfile(sizing(), kind_);
    if (apply(outcome) && outcome.next)
        moveTo(*outcome.next);
}

void ProfileScreen::back() {
    if (const auto target = leaveProfile(sizing(), kind_))
        moveTo(*target);
}

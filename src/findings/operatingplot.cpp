#include "findings/operatingplot.h"

#include "findings/findingslogic.h"
#include "flow/axis.h"
#include "flow/quantity.h"
#include "ui/colours.h"
#include "ui/plot.h"

#include <QPainter>

namespace {

QList<double> speedTicks(const FindingsFigures& f) {
    return axisTicks(0, std::max(f.need.speed, f.speedAvailable) * 1.1);
}

QList<double> torqueTicks(const FindingsFigures& f) {
    return axisTicks(
        0, std::max({f.need.totalTorque, f.torqueAvailable, f.requiredTorque, f.continuousTorque}) *
               1.15);
}

void dot(QPainter& p, QPointF at, const QColor& fill) {
    p.save();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(fill);
    p.drawEllipse(at, 5, 5);
    p.restore();
}

// A margin: a thick line in its verdict's colour, outlined so that it shows
// on white.
void margin(QPainter& p, QPointF from, QPointF to, Verdict verdict) {
    p.save();
    p.setPen(QPen(QColor(60, 60, 60), 8, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, to);
    p.setPen(QPen(colours::of(verdict), 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, to);
    p.restore();
}

} // namespace

OperatingPlot::OperatingPlot(QWidget* parent) : QWidget(parent) {
    setObjectName("OperatingPlot");
}

QSize OperatingPlot::minimumSizeHint() const {
    const QFontMetricsF m(font());
    const int legend = int(operatingLegend(figures_).size());
    return QSize(int(m.averageCharWidth() * 56), int(m.lineSpacing() * (13 + legend)));
}

QSize OperatingPlot::sizeHint() const {
    return minimumSizeHint();
}

void OperatingPlot::setFigures(const FindingsFigures& figures, UnitSystem system) {
    figures_ = figures;
    system_ = system;
    updateGeometry();
    update();
}

QString OperatingPlot::note() const {
    return operatingNote(figures_);
}

void OperatingPlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    paintOperating(p, rect(), figures_, system_);
}

QString operatingNote(const FindingsFigures& f) {
    if (!drawable(f))
        return "Nothing to draw: the application needs no speed or no torque.";
    if (speedTicks(f).size() < 2 || torqueTicks(f).size() < 2)
        return "Nothing to draw.";
    return {};
}

void paintOperating(QPainter& p, const QRectF& rect, const FindingsFigures& shown,
                    UnitSystem system) {
    const QFontMetricsF metrics(p.font(), p.device());
    const QRectF all = rect.adjusted(8, 4, -8, -4);
    const FindingsFigures f = inUnits(shown, system);
    if (const QString text = operatingNote(f); !text.isEmpty())
        return plotting::note(p, all, text);

    // The legend under the picture names every mark and both margins.
    const QStringList texts = operatingLegend(shown, system);
    const double legend = plotting::legendHeight(metrics, int(texts.size()));
    const plotting::Axes axes(all.adjusted(0, 0, 0, -legend - 6), metrics, speedTicks(f),
                              torqueTicks(f), true);
    axes.draw(p, "Motor speed (" + unitOf(Quantity::Speed, system) + ")",
              "Torque (" + unitOf(Quantity::Torque, system) + ")");

    const QPointF need = axes.at(f.need.speed, f.need.totalTorque);
    const QPointF torqueAt = axes.at(f.need.speed, f.torqueAvailable);
    const QPointF speedFrom = axes.at(f.need.speed, f.requiredTorque);
    const QPointF speedAt = axes.at(f.speedAvailable, f.requiredTorque);
    margin(p, need, torqueAt, f.torqueVerdict);
    margin(p, speedFrom, speedAt, f.speedVerdict);
    dot(p, torqueAt, Qt::white);
    dot(p, speedAt, Qt::white);
    dot(p, need, Qt::black);
    // The thermal check: the continuous torque, and the RMS torque at the
    // mean speed against it.
    const auto square = [](QPainter& q, QPointF at, Verdict verdict) {
        q.setPen(QPen(Qt::black, 1));
        q.setBrush(colours::of(verdict));
        q.drawRect(QRectF(at - QPointF(5, 5), QSizeF(10, 10)));
    };
    const auto continuous = [](QPainter& q, QPointF from, QPointF to) {
        q.setPen(QPen(QColor(60, 60, 60), 2, Qt::DashLine));
        q.drawLine(from, to);
    };
    if (f.rmsChecked()) {
        p.save();
        continuous(p, axes.at(0, f.continuousTorque), axes.at(axes.right(), f.continuousTorque));
        square(p, axes.at(f.meanSpeed, f.rmsTorque), f.rmsVerdict);
        p.restore();
    }

    // The torque margin stands upright, the speed margin lies flat: their
    // symbols say which is which whatever the colours.
    const auto bar = [](Verdict verdict, bool upright) {
        return [verdict, upright](QPainter& q, const QRectF& r) {
            const QPointF c = r.center();
            const QPointF d = upright ? QPointF(0, r.height() / 2) : QPointF(r.width() / 2, 0);
            margin(q, c - d, c + d, verdict);
        };
    };
    QList<plotting::LegendLine> lines{
        {[](QPainter& q, const QRectF& r) { dot(q, r.center(), Qt::black); }, texts[0]},
        {[](QPainter& q, const QRectF& r) { dot(q, r.center(), Qt::white); }, texts[1]},
        {bar(f.torqueVerdict, true), texts[2]},
        {bar(f.speedVerdict, false), texts[3]}};
    if (f.rmsChecked())
        lines << plotting::LegendLine{[=](QPainter& q, const QRectF& r) {
                                          continuous(q, QPointF(r.left(), r.center().y()),
                                                     QPointF(r.right(), r.center().y()));
                                      },
                                      texts[4]}
              << plotting::LegendLine{
                     [=](QPainter& q, const QRectF& r) { square(q, r.center(), f.rmsVerdict); },
                     texts[5]};
    plotting::legend(p, QRectF(all.left(), all.bottom() - legend, all.width(), legend), lines);
}

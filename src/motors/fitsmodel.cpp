#include "motors/fitsmodel.h"

#include "ui/colours.h"

#include <QBrush>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace {

// A tick for a figure in green, a cross for one in red.
QIcon mark(Verdict verdict) {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (verdict == Verdict::Good) {
        p.drawPolyline(QPolygonF{QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)});
    } else {
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
    }
    return QIcon(picture);
}

const char* const headers[] = {"Name", "Inertia Mismatch", "Torque Margin", "Speed Margin",
                               "RMS Margin"};

} // namespace

void FitsModel::setFits(QList<motors::Fit> fits) {
    beginResetModel();
    fits_ = std::move(fits);
    endResetModel();
}

int FitsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(fits_.size());
}

int FitsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant FitsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= fits_.size())
        return {};
    const motors::Fit& fit = fits_[index.row()];
    const auto column = Column(index.column());
    if (column == Name) {
        if (role == Qt::DisplayRole)
            return fit.motor.name;
        if (role == Qt::ToolTipRole && !fit.findings)
            return fit.problem.text;
        return {};
    }
    if (!fit.findings)
        return {};
    const FindingsFigures& f = *fit.findings;
    static const std::pair<FindingsDisplay, Verdict FindingsFigures::*> shown[] = {
        {FindingsDisplay::Mismatch, &FindingsFigures::mismatchVerdict},
        {FindingsDisplay::TorqueMargin, &FindingsFigures::torqueVerdict},
        {FindingsDisplay::SpeedMargin, &FindingsFigures::speedVerdict},
        {FindingsDisplay::RMSMargin, &FindingsFigures::rmsVerdict}};
    const auto [display, verdictOf] = shown[column - 1];
    // Without an RMS torque there is no RMS margin to judge.
    if (display == FindingsDisplay::RMSMargin && !f.rmsChecked())
        return {};
    const Verdict verdict = f.*verdictOf;
    switch (role) {
    case Qt::DisplayRole:
        return findingsText(f, display);
    case Qt::BackgroundRole:
        return QBrush(colours::of(verdict));
    case Qt::ForegroundRole:
        return QBrush(Qt::black);
    case Qt::DecorationRole: {
        static const QIcon good = mark(Verdict::Good), bad = mark(Verdict::Bad);
        return verdict == Verdict::Good ? good : bad;
    }
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        return findingsText(f, display) + " " + verdictMark(display, verdict);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant FitsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < Columns)
        return QString(headers[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

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
    return parent.isValid() ? 0 : FirstVerdict + int(verdictsShown().size());
}

QVariant FitsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= fits_.size())
        return {};
    const motors::Fit& fit = fits_[index.row()];
    const int column = index.column();
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
    const FindingsDisplay display = verdictsShown()[column - FirstVerdict];
    // Without an RMS torque there is no RMS margin to judge.
    const auto judged = verdictOf(f, display);
    if (!judged)
        return {};
    const Verdict verdict = *judged;
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
        section < columnCount())
        return section == Name
                   ? QString("Name")
                   : findingsRows()[int(verdictsShown()[section - FirstVerdict])].heading;
    return QAbstractTableModel::headerData(section, orientation, role);
}

#pragma once

#include "motors/fit.h"

#include <QAbstractTableModel>

// The motors that fit, as a table: each motor's mismatch and margins as the
// findings would show them, coloured as the findings colour them, with a
// tick or a cross as the cell's icon for those who cannot tell the colours apart.
class FitsModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // The motor's name, then a column for each figure the findings judge.
    enum Column { Name, FirstVerdict };

    using QAbstractTableModel::QAbstractTableModel;

    void setFits(QList<motors::Fit> fits);
    const QList<motors::Fit>& fits() const { return fits_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    QList<motors::Fit> fits_;
};

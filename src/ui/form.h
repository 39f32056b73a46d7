#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include "flow/quantity.h"

#include <QList>

#include <utility>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Builders for the controls every screen is made of.
namespace form {

QLabel* heading(const QString& text);
QLabel* label(const QString& text);
// A bold caption over a group of rows.
QLabel* caption(const QString& text);
QLineEdit* entry(const QString& name, const QString& initial = "0");
QLineEdit* display(const QString& name, const QColor& background, const QString& text = {});
QComboBox* unitList(const QString& name, const QStringList& items = {});
QPushButton* button(const QString& name, const QString& caption);

void setBackground(QWidget* widget, const QColor& colour);

// A frame's caption shown as written: an ampersand is no shortcut mark
// ("Rack & Pinion").
void setFrameTitle(QGroupBox* frame, const QString& title);

// Widens an entry to show its whole text, within reason.
void fitText(QLineEdit* entry);

// Greys out (or restores) the fields and the labels that name them, which
// stay visible.
void setEnabled(const QList<QWidget*>& fields, bool enabled);
QColor background(const QWidget* widget);

// Rows of label, field and unit, the labels right-aligned and buddied to their fields.
class Rows {
  public:
    explicit Rows(QGridLayout* grid) : grid_(grid) {}
    QGridLayout* grid() const { return grid_; }
    int row() const { return row_; }

    // A row "label [field] unit [extra]"; unit may be a text or a widget.
    void add(const QString& text, QWidget* field, const QString& unit = {},
             QWidget* extra = nullptr);
    void add(const QString& text, QWidget* field, QWidget* unit, QWidget* extra = nullptr);
    // A widget spanning the field columns, with an optional label.
    void span(QWidget* widget, const QString& text = {});
    // A widget across the whole row.
    void whole(QWidget* widget);
    // An empty row of the given height.
    void skip(int height) { setRowMinimumHeight(row_++, height); }

  private:
    void setRowMinimumHeight(int row, int height);
    QGridLayout* grid_;
    int row_ = 0;
};

// The unit texts beside a screen's figures, which follow the units the
// sizing's results show in.
class UnitLabels {
  public:
    QLabel* add(Quantity quantity);
    void show(UnitSystem system);

  private:
    QList<std::pair<QLabel*, Quantity>> labels_;
};

} // namespace form

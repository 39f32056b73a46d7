#include "ui/form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace form {

QLabel* heading(const QString& text) {
    auto* l = new QLabel(text);
    QFont font = l->font();
    font.setPointSizeF(font.pointSizeF() * 1.5);
    font.setBold(true);
    l->setFont(font);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QLabel* label(const QString& text) {
    return new QLabel(text);
}

QLabel* caption(const QString& text) {
    auto* l = new QLabel(text);
    QFont font = l->font();
    font.setBold(true);
    l->setFont(font);
    return l;
}

namespace {

// Widths in digits of the widget's font, so that fields follow the font size.
int digits(const QWidget* widget, double count) {
    return int(widget->fontMetrics().horizontalAdvance(u'0') * count) + 12;
}

// A number field is wide enough for a long figure and no wider than reads well.
void numberWidths(QWidget* field) {
    field->setMinimumWidth(digits(field, 11));
    field->setMaximumWidth(digits(field, 22));
}

} // namespace

QLineEdit* entry(const QString& name, const QString& initial) {
    auto* e = new QLineEdit(initial);
    e->setObjectName(name);
    numberWidths(e);
    return e;
}

QLineEdit* display(const QString& name, const QColor& background, const QString& text) {
    auto* d = new QLineEdit(text);
    d->setObjectName(name);
    d->setReadOnly(true);
    d->setFocusPolicy(Qt::NoFocus);
    numberWidths(d);
    setBackground(d, background);
    return d;
}

QComboBox* unitList(const QString& name, const QStringList& items) {
    auto* list = new QComboBox;
    list->setObjectName(name);
    list->addItems(items);
    list->setCurrentIndex(-1);
    list->setMinimumWidth(digits(list, 11));
    return list;
}

QPushButton* button(const QString& name, const QString& caption) {
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    // A focused button takes Enter itself.
    b->setAutoDefault(true);
    return b;
}

void setFrameTitle(QGroupBox* frame, const QString& title) {
    frame->setTitle(QString(title).replace('&', "&&"));
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void fitText(QLineEdit* entry) {
    const int needed = entry->fontMetrics().horizontalAdvance(entry->text()) + 16;
    entry->setMinimumWidth(std::clamp(needed, digits(entry, 11), digits(entry, 32)));
    entry->setMaximumWidth(std::max(entry->minimumWidth(), digits(entry, 22)));
}

void setEnabled(const QList<QWidget*>& fields, bool enabled) {
    for (QWidget* field : fields) {
        field->setEnabled(enabled);
        if (QWidget* window = field->window())
            for (QLabel* label : window->findChildren<QLabel*>())
                if (label->buddy() == field)
                    label->setEnabled(enabled);
    }
}

QColor background(const QWidget* widget) {
    return widget->palette().color(QPalette::Base);
}

void Rows::add(const QString& text, QWidget* field, const QString& unit, QWidget* extra) {
    add(text, field, unit.isEmpty() ? nullptr : label(unit), extra);
}

void Rows::add(const QString& text, QWidget* field, QWidget* unit, QWidget* extra) {
    if (!text.isEmpty()) {
        QLabel* l = label(text);
        l->setBuddy(field);
        grid_->addWidget(l, row_, 0, Qt::AlignRight | Qt::AlignVCenter);
    }
    grid_->addWidget(field, row_, 1);
    if (unit)
        grid_->addWidget(unit, row_, 2);
    if (extra)
        grid_->addWidget(extra, row_, 3, Qt::AlignLeft);
    ++row_;
}

void Rows::setRowMinimumHeight(int row, int height) {
    grid_->setRowMinimumHeight(row, height);
}

void Rows::whole(QWidget* widget) {
    grid_->addWidget(widget, row_++, 0, 1, 4, Qt::AlignLeft);
}

void Rows::span(QWidget* widget, const QString& text) {
    if (!text.isEmpty()) {
        QLabel* l = label(text);
        l->setBuddy(widget);
        grid_->addWidget(l, row_, 0, Qt::AlignRight | Qt::AlignVCenter);
    }
    grid_->addWidget(widget, row_, 1, 1, 3, Qt::AlignLeft);
    ++row_;
}

QLabel* UnitLabels::add(Quantity quantity) {
    QLabel* shown = label(unitOf(quantity));
    labels_ << std::pair{shown, quantity};
    return shown;
}

void UnitLabels::show(UnitSystem system) {
    for (const auto& [shown, quantity] : std::as_const(labels_))
        shown->setText(unitOf(quantity, system));
}

} // namespace form

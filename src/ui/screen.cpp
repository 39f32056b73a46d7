#include "ui/screen.h"

#include "flow/changes.h"
#include "ui/keeper.h"
#include "ui/messages.h"
#include "ui/placement.h"
#include "ui/registry.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableView>
#include <QTimer>

#include <algorithm>

namespace {

// A scroll area that asks for the room its content needs, and scrolls when
// the window gives it less.
class FittingScrollArea : public QScrollArea {
  public:
    QSize sizeHint() const override {
        const QSize content = widget() ? widget()->sizeHint() : QSize();
        return content + QSize(2 * frameWidth(), 2 * frameWidth());
    }
    QSize minimumSizeHint() const override {
        const int minimumWidth = widget() ? widget()->minimumSizeHint().width() : 0;
        return {minimumWidth + verticalScrollBar()->sizeHint().width(),
                fontMetrics().lineSpacing() * 6};
    }
};

// Every focusable widget of the layout, in the order a person reads them:
// a grid row by row, a box in its order, frames and scrolled contents within.
void collect(QLayout* layout, QList<QWidget*>& out);

void visit(QLayoutItem* item, QList<QWidget*>& out) {
    if (!item)
        return;
    if (QWidget* w = item->widget()) {
        if (w->focusPolicy() & Qt::TabFocus)
            out << w;
        if (auto* scroll = qobject_cast<QScrollArea*>(w); scroll && scroll->widget())
            collect(scroll->widget()->layout(), out);
        else if (w->layout())
            collect(w->layout(), out);
    } else if (QLayout* inner = item->layout()) {
        collect(inner, out);
    }
}

void collect(QLayout* layout, QList<QWidget*>& out) {
    if (!layout)
        return;
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        QList<QLayoutItem*> seen;
        for (int row = 0; row < grid->rowCount(); ++row)
            for (int column = 0; column < grid->columnCount(); ++column)
                if (QLayoutItem* item = grid->itemAtPosition(row, column);
                    item && !seen.contains(item)) {
                    seen << item;
                    visit(item, out);
                }
        return;
    }
    for (int i = 0; i < layout->count(); ++i)
        visit(layout->itemAt(i), out);
}

// Layouts remember their size hints; one filled after a layout around it
// measured it leaves that one's memory stale.
void forget(QLayout* layout) {
    if (!layout)
        return;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->layout())
            forget(item->layout());
        else if (QWidget* w = item->widget(); w && w->layout())
            forget(w->layout());
    }
    layout->invalidate();
}

bool isHelp(const QWidget* w) {
    const auto* b = qobject_cast<const QAbstractButton*>(w);
    return b && b->text() == "?";
}

} // namespace

Screen::Screen(Host& host, ScreenId id, const QString& title)
    : host_(host), id_(id), scroll_(new FittingScrollArea), body_(new QVBoxLayout),
      footer_(new QVBoxLayout) {
    setObjectName(screenName(id));
    setWindowTitle(title);
    title_ = title;
    setAttribute(Qt::WA_QuitOnClose, true);
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->addLayout(body_);
    // The content keeps to the top of a window made taller.
    column->addStretch(1);
    scroll_->setWidget(content);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll_, 1);
    footer_->setContentsMargins(9, 0, 9, 9);
    outer->addLayout(footer_);
    // The wizard's titles follow the sizing's file and its changes.
    // (A hidden screen takes its title when it is next shown.)
    connect(&host_.changes(), &Changes::changed, this, [this] {
        if (isVisible())
            retitle();
    });
    // The wizard's screens save and open sizings from the keyboard.
    if (!isSideTool(id)) {
        auto* save = new QShortcut(QKeySequence::Save, this);
        connect(save, &QShortcut::activated, this, [this] { host_.keeper().saveSizing(this); });
        auto* saveAs = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this);
        connect(saveAs, &QShortcut::activated, this, [this] { host_.keeper().saveSizingAs(this); });
        auto* open = new QShortcut(QKeySequence::Open, this);
        connect(open, &QShortcut::activated, this, [this] { host_.keeper().openSizing(this); });
    }
}

void Screen::letBodyFill() {
    auto* column = static_cast<QVBoxLayout*>(scroll_->widget()->layout());
    column->setStretch(0, 1);
    column->setStretch(1, 0);
}

QSize Screen::sizeHint() const {
    // Measured afresh: the layout's memory of the scroll area is taken
    // before the screen fills its body.
    const QSize body = scroll_->sizeHint();
    const QSize foot = footer_->sizeHint();
    const int gap = std::max(0, layout()->spacing());
    return {std::max(body.width(), foot.width()), body.height() + gap + foot.height()};
}

void Screen::orderTabs() {
    QList<QWidget*> order;
    collect(layout(), order);
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    tabsOrdered_ = true;
}

void Screen::focusFirst() {
    if (!tabsOrdered_)
        orderTabs();
    QList<QWidget*> order;
    collect(body_, order);
    const auto usable = [](const QWidget* w) { return w->isEnabled() && !w->isHidden(); };
    // The first entry, or a table to choose from.
    const auto entry = [](QWidget* w) {
        auto* e = qobject_cast<QLineEdit*>(w);
        return (e && !e->isReadOnly()) || qobject_cast<QTableView*>(w);
    };
    for (QWidget* w : std::as_const(order))
        if (entry(w) && usable(w))
            return w->setFocus(Qt::OtherFocusReason);
    for (QWidget* w : std::as_const(order))
        if (usable(w) && !isHelp(w) && qobject_cast<QAbstractButton*>(w))
            return w->setFocus(Qt::OtherFocusReason);
    if (mainButton_)
        mainButton_->setFocus(Qt::OtherFocusReason);
}

void Screen::bindForm(std::function<Form&()> form) {
    form_ = std::move(form);
}

QLineEdit* Screen::entry(const QString& name) {
    QLineEdit* e = form::entry(name, {});
    entries_ << e;
    const auto keep = [this, name](const QString& text) {
        if (Form* f = form()) {
            f->entries[name] = text;
            host_.sizingEdited();
        }
    };
    // An edit reaches the sizing before any reaction to it runs.
    connect(e, &QLineEdit::textEdited, this, keep);
    connect(e, &QLineEdit::textChanged, this, keep);
    return e;
}

QComboBox* Screen::unitList(const QString& name, const QStringList& items) {
    QComboBox* list = form::unitList(name, items);
    unitLists_ << list;
    connect(list, &QComboBox::currentIndexChanged, this, [this, list, name] {
        if (Form* f = form()) {
            f->units[name] = list->currentIndex() < 0 ? QString() : list->currentText();
            host_.sizingEdited();
        }
    });
    return list;
}

QRadioButton* Screen::option(const QString& frame, const QString& name, const QString& caption) {
    auto* b = new QRadioButton(caption);
    b->setObjectName(name);
    options_ << std::pair{frame, b};
    connect(b, &QRadioButton::toggled, this, [this, frame, name](bool on) {
        if (Form* f = form(); f && on) {
            f->options[frame] = name;
            host_.sizingEdited();
        }
    });
    return b;
}

QLayout* Screen::resultUnitsRow() {
    resultUnits_ = new QComboBox;
    resultUnits_->setObjectName("ResultUnits");
    resultUnits_->addItems({"US (oz-in, oz-in-sec^2, revs/sec)", "SI (N-m, kg-cm^2, revs/min)"});
    resultUnits_->setCurrentIndex(int(host_.resultUnits()));
    connect(resultUnits_, &QComboBox::currentIndexChanged, this,
            [this](int index) { host_.setResultUnits(UnitSystem(index)); });
    QLabel* caption = form::label("Results in:");
    caption->setBuddy(resultUnits_);
    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(resultUnits_);
    row->addStretch(1);
    return row;
}

void Screen::load() {
    if (resultUnits_) {
        const QSignalBlocker quiet(resultUnits_);
        resultUnits_->setCurrentIndex(int(host_.resultUnits()));
    }
    if (const Form* f = form()) {
        for (QLineEdit* e : std::as_const(entries_)) {
            const QSignalBlocker quiet(e);
            const QString text = f->entry(e->objectName());
            if (e->text() != text) {
                e->setText(text);
                // A long figure shows from its start.
                e->setCursorPosition(0);
            }
        }
        for (QComboBox* list : std::as_const(unitLists_)) {
            const QSignalBlocker quiet(list);
            list->setCurrentIndex(list->findText(f->unit(list->objectName()), Qt::MatchExactly));
        }
        for (const auto& [frame, b] : std::as_const(options_)) {
            const QSignalBlocker quiet(b);
            // An exclusive option can only be unchecked with its exclusivity off.
            b->setAutoExclusive(false);
            b->setChecked(f->option(frame) == b->objectName());
            b->setAutoExclusive(true);
        }
    }
    showResults();
    retitle();
    forget(scroll_->widget()->layout());
    scroll_->updateGeometry();
}

void Screen::retitle() {
    // A sizing with a file of its own is named after it, with the mark of
    // changes not yet saved there; the others keep each screen's title.
    if (isSideTool(id_) || id_ == ScreenId::Welcome)
        return;
    const QString file = host_.keeper().sizingFileName();
    setWindowTitle(file.isEmpty() ? title_ : file + "[*] - Motor Sizing");
    setWindowModified(!file.isEmpty() && host_.keeper().sizingChanged());
}

void Screen::moveTo(ScreenId screen) {
    host_.screens().show(screen, this);
    hide();
}

void Screen::openBeside(ScreenId screen) {
    host_.screens().showBeside(screen, this);
}

void Screen::inform(const Message& message) {
    host_.messages().inform(this, message);
}

bool Screen::apply(const Outcome& outcome) {
    if (outcome.proceed)
        host_.stepPassed();
    for (const Message& m : outcome.messages)
        inform(m);
    host_.screens().reloadShown();
    return outcome.proceed;
}

QPushButton* Screen::helpButton(const QString& name, const Message& message) {
    QPushButton* b = button(name, "?", [this, message] { inform(message); });
    b->setFixedWidth(std::max(28, b->fontMetrics().horizontalAdvance("?") + 18));
    return b;
}

QPushButton* Screen::closeButton() {
    return button("Close", "CLOSE", [this] { host_.closeProgram(this); });
}

QPushButton* Screen::toolButton(const QString& name, const QString& caption, ScreenId screen) {
    return button(name, caption, [this, screen] { openBeside(screen); });
}

void Screen::setMainButton(QPushButton* button) {
    button->setDefault(true);
    mainButton_ = button;
}

void Screen::closeEvent(QCloseEvent* event) {
    if (isSideTool(id_) || !event->spontaneous())
        return QWidget::closeEvent(event);
    event->ignore();
    host_.closeProgram(this);
}

bool Screen::event(QEvent* event) {
    // The frame arrives from the window manager soon after the window shows.
    constexpr int settling = 2000; // msec
    if (event->type() == QEvent::Show)
        shown_.start();
    else if ((event->type() == QEvent::Move || event->type() == QEvent::Resize ||
              event->type() == QEvent::Paint) &&
             shown_.isValid() && shown_.elapsed() < settling)
        QTimer::singleShot(0, this, [this] { keepInside(); });
    return QWidget::event(event);
}

void Screen::keepInside() {
    const QScreen* on = screen();
    if (!isVisible() || !on || isMaximized() || isFullScreen())
        return;
    const QRect available = on->availableGeometry();
    const QRect frame = frameGeometry();
    if (available.contains(frame))
        return;
    setGeometry(
        placement::inside(frame, available).marginsRemoved(ScreenRegistry::decoration(this)));
}

void Screen::keyPressEvent(QKeyEvent* event) {
    // Entries and options pass Enter on to their screen, which presses its
    // main button; a focused button has taken it already.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QPushButton* target = enter                            ? mainButton_
                          : event->key() == Qt::Key_Escape ? escapeButton_
                                                           : nullptr;
    if (target && target->isVisible() && target->isEnabled()) {
        target->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

QBoxLayout* Screen::buttonRow(QPushButton* back, QPushButton* close, QPushButton* main) {
    auto* row = new QHBoxLayout;
    if (back)
        row->addWidget(back);
    if (close)
        row->addWidget(close);
    row->addStretch(1);
    if (main) {
        row->addWidget(main);
        setMainButton(main);
    }
    return row;
}

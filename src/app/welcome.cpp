#include "app/welcome.h"

#include "sizing/sizing.h"
#include "ui/form.h"
#include "ui/keeper.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

const QString Welcome::disclaimer =
    "DISCLAIMER:  This software is intended to be used as a general utility tool to assist in "
    "the motor selection process.  Since every application is unique, it is impossible to "
    "perfectly characterize your specific application.  As such, the calculations and output "
    "requirements may or may not be accurate for your application.  This software assumes no "
    "responsibility or liability for the functionality of your system.  By clicking on either "
    "application type below, you acknowledge having read and understood this disclaimer and "
    "agree with its statements. ";

Welcome::Welcome(Host& host)
    : Screen(host, ScreenId::Welcome, "Welcome"), recent_(new QListWidget) {
    QVBoxLayout* layout = body();
    layout->addWidget(form::heading("Velmora Motor Sizing"));

    QLabel* text = form::label(disclaimer);
    text->setObjectName("Disclaimer");
    text->setWordWrap(true);
    text->setMinimumWidth(text->fontMetrics().averageCharWidth() * 62);
    text->setFrameShape(QFrame::StyledPanel);
    text->setMargin(8);
    layout->addWidget(text);

    QLabel* select = form::label("Select Application Type");
    select->setAlignment(Qt::AlignCenter);
    layout->addWidget(select);

    auto* choices = new QHBoxLayout;
    choices->addStretch(1);
    choices->addWidget(
        button("Rotary", "ROTARY", [this] { choose(Motion::Rotary, ScreenId::RotaryType); }));
    choices->addWidget(
        button("Linear", "LINEAR", [this] { choose(Motion::Linear, ScreenId::LinearType); }));
    choices->addStretch(1);
    layout->addLayout(choices);
    layout->addLayout(resultUnitsRow());

    // The sizings kept: a file to open, the last sizing, the recent ones.
    layout->addSpacing(8);
    auto* kept = new QHBoxLayout;
    kept->addWidget(
        button("OpenSizing", "Open Sizing...", [this] { this->host().keeper().openSizing(this); }));
    resume_ = button("ResumeLast", "Continue Last Sizing",
                     [this] { this->host().keeper().continueLastSizing(this); });
    kept->addWidget(resume_);
    kept->addStretch(1);
    layout->addLayout(kept);
    QLabel* recentLabel = form::label("Recent sizings:");
    recent_->setObjectName("RecentSizings");
    recent_->setMaximumHeight(recent_->fontMetrics().lineSpacing() * 6);
    recentLabel->setBuddy(recent_);
    layout->addWidget(recentLabel);
    layout->addWidget(recent_);
    connect(recent_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        this->host().keeper().openSizingFile(item->data(Qt::UserRole).toString(), this);
    });
    footer()->addLayout(buttonRow(nullptr, closeButton(), nullptr));
}

void Welcome::showResults() {
    resume_->setEnabled(host().keeper().hasLastSizing());
    recent_->clear();
    for (const QString& path : host().keeper().recentSizings()) {
        auto* item = new QListWidgetItem(QFileInfo(path).fileName(), recent_);
        item->setData(Qt::UserRole, path);
        item->setToolTip(path);
    }
}

void Welcome::choose(Motion motion, ScreenId screen) {
    sizing().chooseMotion(motion);
    moveTo(screen);
}

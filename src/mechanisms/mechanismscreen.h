#pragma once

#include "ui/form.h"
#include "ui/illustration.h"
#include "ui/screen.h"

#include <QStringList>

// What every mechanism screen shares: heading, illustration, a grid of entry
// rows, and the BACK / CLOSE / NEXT row. A screen adds its rows and its NEXT.
class MechanismScreen : public Screen {
    Q_OBJECT
  public:
    struct Setup {
        QString name;
        QString title;
        QString heading;
        Illustration::Draw drawing;
        QStringList SizingRecord::*reportLines;
        QString choiceScreen; // RotaryType or LinearType
    };
    MechanismScreen(App& app, const Setup& setup);

  protected:
    form::Rows& rows() { return rows_; }
    // Captioned frames of rows, laid out in a grid below the rows.
    form::Rows addFrame(QWidget* frame, int row, int column, int rowSpan = 1);

    virtual void next() = 0;
    // Back to the gearbox screen while a gearbox is added, else to the type choice.
    virtual void back();

    // After a NEXT that passed: tags the profile screen and moves to it.
    void openProfile(const QString& profileScreen, const QString& tag);

  private:
    QStringList SizingRecord::*reportLines_;
    QString choiceScreen_;
    form::Rows rows_;
    QGridLayout* frames_;
};

#pragma once

#include "mechanisms/applications.h"
#include "ui/form.h"
#include "ui/illustration.h"
#include "ui/screen.h"

// What every mechanism screen shares: heading, illustration, a grid of entry
// rows, and the BACK / CLOSE / NEXT row. A screen adds its rows; its NEXT is
// its application's.
class MechanismScreen : public Screen {
    Q_OBJECT
  public:
    struct Setup {
        QString title;
        QString heading;
        Illustration::Draw drawing;
    };
    MechanismScreen(Host& host, const Application& mechanism, const Setup& setup);

  protected:
    const Application& mechanism() const { return mechanism_; }
    form::Rows& rows() { return rows_; }
    // Captioned frames of rows, laid out in a grid below the rows.
    form::Rows addFrame(QWidget* frame, int row, int column, int rowSpan = 1);

  private:
    void next();
    void back();

    const Application& mechanism_;
    form::Rows rows_;
    QGridLayout* frames_;
};

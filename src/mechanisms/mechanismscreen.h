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

// The mechanism screens, each class named as its application's screen: a
// screen enters itself here from its own file (`registered<ItsClass>()`),
// and the screen set makes each application's screen from its row, so that
// a new mechanism is listed nowhere else.
namespace mechanismscreens {
using Factory = Screen* (*)(Host& host, const Application& mechanism);
bool add(const char* screenName, Factory factory);
// The factory of the application's screen, or nullptr when no screen entered itself.
Factory of(const Application& mechanism);
template <class S> bool registered() {
    return add(
        S::staticMetaObject.className(),
        [](Host& host, const Application& mechanism) -> Screen* { return new S(host, mechanism); });
}
} // namespace mechanismscreens

#pragma once

#include "flow/message.h"
#include "flow/screenid.h"
#include "sizing/sizing.h"

// A sizing worked out again from what the engineer entered, and where it
// stands: the screen the engineer would be on, with the messages its main
// button gave if it stopped there.
struct Replay {
    Sizing sizing;
    ScreenId screen = ScreenId::Welcome;
    QList<Message> messages;
};

// Presses the main buttons for the engineer, with no screen, from the
// entries of `entered` alone: the load calculator if it was used, the
// mechanism, the profile and the motor selection up to `until`; then, when
// a gearbox was added, the gearbox, the mechanism again and so on to `until`
// with the gearbox. Stops at the first step that gives a message and does
// not pass.
Replay replay(const Sizing& entered, Stage until);
// As far as the sizing had come.
inline Replay replay(const Sizing& entered) {
    return replay(entered, entered.reached);
}

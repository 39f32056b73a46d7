#include "session/replay.h"

#include "findings/findingssteps.h"
#include "flow/numbers.h"
#include "mechanisms/applications.h"
#include "mechanisms/mechanismfields.h"
#include "mechanisms/mechanismsteps.h"
#include "profiles/profilesteps.h"

namespace {

class Road {
  public:
    Road(const Sizing& entered, Stage until) : entered_(entered), until_(until) {
        sizing().forms = entered.forms;
        sizing().libraryMotor = entered.libraryMotor;
        sizing().resultUnits = entered.resultUnits;
        sizing().record().MotionType = entered.record().MotionType;
        if (const Application* application = entered.record().AppType)
            sizing().chooseApplication(*application);
    }

    Replay run() {
        const Application* application = entered_.record().AppType;
        if (!application) {
            const Motion motion = entered_.record().MotionType;
            replayed_.screen = motion == Motion::None ? ScreenId::Welcome : choiceScreenOf(motion);
            return std::move(replayed_);
        }
        calculateLoad(*application);
        // A gearbox is added to a sizing at its findings; its own road then
        // goes as far as the sizing had come.
        const bool added = entered_.withoutGearbox && entered_.record().gearboxAdded();
        if (!drive(*application, added ? Stage::Findings : until_) || !added)
            return std::move(replayed_);
        addGearbox();
        const Application& gearbox = applicationOn(ScreenId::Gearbox);
        if (until_ == Stage::Gearbox || !press(gearbox.screen, submitMechanism(sizing(), gearbox)))
            return std::move(replayed_);
        drive(*application, until_, application == &gearbox);
        return std::move(replayed_);
    }

  private:
    Sizing& sizing() { return replayed_.sizing; }

    // The main button of `screen`; false when it stopped there, with the
    // entries as the engineer left them, not as its message resets them.
    bool press(ScreenId screen, const Outcome& outcome) {
        replayed_.messages << outcome.messages;
        const bool passed = outcome.proceed && outcome.next;
        replayed_.screen = passed ? *outcome.next : screen;
        if (!passed) {
            sizing().forms = entered_.forms;
            if (sizing().record().gearboxAdded())
                sizing().addedGearbox = entered_.addedGearbox;
        }
        return passed;
    }

    // The load calculator's ENTER into the mechanism, whose entries then
    // stand as the engineer left them.
    void calculateLoad(const Application& application) {
        if (!entered_.loadCalculated || application.loadInertia.isEmpty())
            return;
        submitLoadCalc(sizing());
        sizing().forms = entered_.forms;
        // Typed over later, the calculator's load no longer has a weight.
        if (entered_.loadTypedOver) {
            sizing().record().LoadCalc = false;
            sizing().loadInertiaEdited();
        }
    }

    // From the mechanism screen (or, for an added gearbox on the
    // application's own, from the profile) as far as `stage`.
    bool drive(const Application& application, Stage stage, bool fromProfile = false) {
        if (!fromProfile)
            replayed_.screen = application.screen;
        if (stage <= Stage::Mechanism)
            return true;
        if (!fromProfile && !press(application.screen, submitMechanism(sizing(), application)))
            return false;
        const ProfileKind kind = profileKindOf(application.motion());
        if (!press(profileScreen(kind), submitProfile(sizing(), kind)))
            return false;
        if (stage == Stage::Preliminary)
            return true;
        return press(ScreenId::Selection, submitSelection(sizing()));
    }

    // ADD GEARBOX with the ratio in force, and the gearbox screen's entries
    // as the engineer left them.
    void addGearbox() {
        Form& projection = projectionForm(sizing());
        const Form typed = projection;
        projection.entries[fields::Reduction] =
            numbers::general(entered_.record().AddedGBReduction);
        submitGearbox(sizing());
        projection = typed;
        sizing().addedGearbox = entered_.addedGearbox;
        replayed_.screen = ScreenId::Gearbox;
    }

    const Sizing& entered_;
    Stage until_;
    Replay replayed_;
};

} // namespace

Replay replay(const Sizing& entered, Stage until) {
    return Road(entered, until).run();
}

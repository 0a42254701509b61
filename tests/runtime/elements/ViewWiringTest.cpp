// Wiring view trees built in code: which controls get the shared target and which action, the
// numbered actions, tags taken from identifiers, and which containers are descended into.

#include "../shell/ShellTesting.h"

#include "runtime/elements/ViewWiring.h"
#include "runtime/shell/Additions.h"

#include "platform/foundation/String.h"
#include "platform/views/ScrollView.h"
#include "platform/views/TextField.h"
#include "platform/views/controls/Box.h"
#include "platform/views/controls/Button.h"
#include "platform/views/controls/ColorWell.h"
#include "platform/views/controls/ComboButton.h"
#include "platform/views/controls/DatePicker.h"
#include "platform/views/controls/LevelIndicator.h"
#include "platform/views/controls/PopUpButton.h"
#include "platform/views/controls/SegmentedControl.h"
#include "platform/views/controls/Slider.h"
#include "platform/views/controls/Stepper.h"
#include "platform/views/controls/Switch.h"

using platform::Control;
using platform::Ref;
using platform::View;
using namespace shelltest;

namespace {

constexpr std::int64_t kWindow = 40;

// A target of the program's own, with its own action.
class OwnTarget : public platform::Object {
public:
    void act(const Ref<platform::Object>&) {}
};
const Ref<OwnTarget>& ownTarget() {
    static const auto target = std::make_shared<OwnTarget>();
    return target;
}
platform::Selector ownAction() {
    return {"act:", &OwnTarget::act};
}

// What the control had before the wiring.
enum class Had { Nothing, Action, Target, Both };

struct WiringCase {
    const char* name;
    Ref<Control> (*make)();
    Had had;
    std::int64_t tag;
    const char* identifier;
    // After the wiring: the action's name, its target ("shared", "own" or "none") and tag.
    const char* action;
    const char* target;
    std::int64_t wiredTag;
};
void PrintTo(const WiringCase& c, std::ostream* out) {
    *out << c.name;
}

template <class K>
Ref<Control> make() {
    return std::make_shared<K>(platform::Rect{10, 10, 80, 24});
}

const WiringCase kCases[] = {
    {"ButtonWithNothing", make<platform::Button>, Had::Nothing, 0, nullptr,
     "controlAction:", "shared", 0},
    {"ButtonWithAnActionIsUntouched", make<platform::Button>, Had::Both, 0, nullptr, "act:", "own",
     0},
    {"ButtonWithOnlyAnActionKeepsNoTarget", make<platform::Button>, Had::Action, 0, nullptr,
     "act:", "none", 0},
    {"ButtonKeepsItsOwnTarget", make<platform::Button>, Had::Target, 0, nullptr,
     "controlAction:", "own", 0},
    {"LevelIndicatorWithAnActionGetsTheSharedTarget", make<platform::LevelIndicator>, Had::Action,
     0, nullptr, "act:", "shared", 0},
    {"LevelIndicatorKeepsItsOwnTarget", make<platform::LevelIndicator>, Had::Target, 0, nullptr,
     "controlAction:", "own", 0},
    {"DatePickerWithoutActionLosesItsTarget", make<platform::DatePicker>, Had::Target, 0, nullptr,
     "controlAction:", "shared", 0},
    {"DatePickerWithAnActionIsUntouched", make<platform::DatePicker>, Had::Both, 0, nullptr,
     "act:", "own", 0},
    {"TaggedControlNumberedByItsIdentifier", make<platform::Button>, Had::Nothing, 5, "3",
     "controlAction3:", "shared", 5},
    {"IdentifierTenIsTheLastNumber", make<platform::Slider>, Had::Nothing, 5, "10",
     "controlAction10:", "shared", 5},
    {"IdentifierElevenIsNoNumber", make<platform::Slider>, Had::Nothing, 5, "11",
     "controlAction:", "shared", 5},
    {"UntaggedControlTakesItsIdentifiersNumber", make<platform::Stepper>, Had::Nothing, 0, "42",
     "controlAction:", "shared", 42},
    {"ColorWell", make<platform::ColorWell>, Had::Nothing, 0, nullptr, "controlAction:", "shared",
     0},
    {"ComboButton", make<platform::ComboButton>, Had::Nothing, 0, nullptr,
     "controlAction:", "shared", 0},
    {"PopUpButton", make<platform::PopUpButton>, Had::Nothing, 0, nullptr,
     "controlAction:", "shared", 0},
    {"SegmentedControl", make<platform::SegmentedControl>, Had::Nothing, 0, nullptr,
     "controlAction:", "shared", 0},
    {"Switch", make<platform::Switch>, Had::Nothing, 0, nullptr, "controlAction:", "shared", 0},
    // No rule of the table takes a text field yet: it is left as it was.
    {"TextField", make<platform::TextField>, Had::Nothing, 0, nullptr, "", "none", 0},
};

std::string targetName(const Control& control) {
    const auto target = control.target();
    return !target                                 ? "none"
           : target == CUI_ControlTarget::shared() ? "shared"
           : target == ownTarget()                 ? "own"
                                                   : "other";
}

class ViewWiringTest : public ShellTest {};

class ViewWiring : public ShellTest, public ::testing::WithParamInterface<WiringCase> {};

TEST_P(ViewWiring, GivesEachControlItsTargetActionAndTag) {
    const WiringCase& c = GetParam();
    const auto window = openWindow(kWindow);
    const Ref<Control> control = c.make();
    if (c.had == Had::Action || c.had == Had::Both)
        control->setAction(ownAction());
    if (c.had == Had::Target || c.had == Had::Both)
        control->setTarget(ownTarget());
    control->setTag(c.tag);
    if (c.identifier)
        control->setIdentifier(platform::String::fromUtf8(c.identifier));
    window->contentView()->addSubview(control);
    WireViews(kWindow, window->contentView());
    EXPECT_EQ(control->action().name(), c.action);
    EXPECT_EQ(targetName(*control), c.target);
    EXPECT_EQ(control->tag(), c.wiredTag);
    EXPECT_EQ(Additions::wndTag(*control), kWindow);
}

INSTANTIATE_TEST_SUITE_P(Rules, ViewWiring, ::testing::ValuesIn(kCases),
                         [](const auto& r) { return std::string(r.param.name); });

TEST_F(ViewWiringTest, WiringDescendsIntoPlainContainersButNotIntoWiredControls) {
    const auto window = openWindow(kWindow);
    const auto box = std::make_shared<platform::Box>(platform::Rect{0, 0, 200, 200});
    const auto group = std::make_shared<View>(platform::Rect{0, 0, 100, 100});
    const auto inBox = make<platform::Button>();
    const auto scroll = std::make_shared<platform::ScrollView>(platform::Rect{0, 0, 100, 100});
    const auto document = std::make_shared<View>(platform::Rect{0, 0, 100, 300});
    const auto inScroll = make<platform::Slider>();
    const auto outer = make<platform::Button>();
    const auto inButton = make<platform::Button>();
    window->contentView()->addSubview(box);
    box->contentView()->addSubview(group);
    group->addSubview(inBox);
    window->contentView()->addSubview(scroll);
    scroll->setDocumentView(document);
    document->addSubview(inScroll);
    window->contentView()->addSubview(outer);
    outer->addSubview(inButton);
    WireViews(kWindow, window->contentView());
    for (const auto& control : {inBox, inScroll, outer}) {
        EXPECT_EQ(control->action().name(), "controlAction:") << control->className();
        EXPECT_EQ(Additions::wndTag(*control), kWindow);
    }
    EXPECT_TRUE(inButton->action().isNull());
    EXPECT_EQ(Additions::wndTag(*inButton), 0);
}

// The numbered action goes to the control being wired, even when the current window holds
// another control with the same tag.
TEST_F(ViewWiringTest, ANumberedActionReachesTheWiredControlNotOneOfTheCurrentWindow) {
    const auto wired = openWindow(kWindow);
    const auto current = openWindow(kWindow + 1);
    const auto other = make<platform::Button>();
    other->setTag(5);
    current->contentView()->addSubview(other);
    const auto button = make<platform::Button>();
    button->setTag(5);
    button->setIdentifier(platform::String::fromUtf8("2"));
    wired->contentView()->addSubview(button);
    WireViews(kWindow, wired->contentView());
    EXPECT_EQ(button->action().name(), "controlAction2:");
    EXPECT_TRUE(other->action().isNull());
    EXPECT_EQ(answerNotices(0), "");
}

} // namespace

// Wiring view trees built in code: which controls get the shared target and which action, the
// numbered actions, tags taken from identifiers, and which containers are descended into.

#include "../shell/ShellTesting.h"

#include "runtime/elements/MenuWiring.h"
#include "runtime/elements/ViewWiring.h"
#include "runtime/shell/Additions.h"

#include "platform/views/ScrollView.h"
#include "platform/views/TextField.h"
#include "platform/views/controls/Box.h"
#include "platform/views/controls/Button.h"
#include "platform/views/controls/ColorWell.h"
#include "platform/views/controls/ComboButton.h"
#include "platform/views/controls/DatePicker.h"
#include "platform/views/controls/LevelIndicator.h"
#include "platform/views/controls/PathControl.h"
#include "platform/views/controls/PopUpButton.h"
#include "platform/views/controls/SegmentedControl.h"
#include "platform/views/controls/Slider.h"
#include "platform/views/controls/Switch.h"
#include "platform/windows/Menu.h"

using platform::Control;
using namespace shelltest;

namespace {

constexpr std::int64_t kWindow = 40;

// A target and an action of the program's own.
struct Own : platform::Object {
    void act(const Ref<platform::Object>&) {}
};
const Ref<Own> kOwn = std::make_shared<Own>();

template <class K>
Ref<Control> make() {
    return std::make_shared<K>(platform::Rect{10, 10, 80, 24});
}

// The action, the target ("shared", "own" or "none") and the tag of a control.
std::string wiring(const Control& control) {
    const auto target = control.target();
    const char* name = !target ? "none" : target == CUI_ControlTarget::shared() ? "shared" : "own";
    return control.action().name() + " " + name + " " + std::to_string(control.tag());
}

struct WiringCase {
    const char* name;
    Ref<Control> (*make)();
    bool hadAction, hadTarget;
    std::int64_t tag;
    const char* identifier;
    const char* wired;
};

const WiringCase kCases[] = {
    {"Button", make<platform::Button>, false, false, 0, nullptr, "controlAction: shared 0"},
    {"ButtonWithAnAction", make<platform::Button>, true, true, 0, nullptr, "act: own 0"},
    {"ButtonWithATarget", make<platform::Button>, false, true, 0, nullptr, "controlAction: own 0"},
    {"LevelWithAnAction", make<platform::LevelIndicator>, true, false, 0, "", "act: shared 0"},
    {"Level", make<platform::LevelIndicator>, false, false, 0, "", "controlAction: shared 0"},
    {"DatePicker", make<platform::DatePicker>, false, true, 0, "", "controlAction: shared 0"},
    {"DatePickerWithAnAction", make<platform::DatePicker>, true, true, 0, "", "act: own 0"},
    {"Numbered", make<platform::Button>, false, false, 1, "1", "controlAction1: shared 1"},
    {"NumberTen", make<platform::Slider>, false, false, 5, "10", "controlAction10: shared 5"},
    {"NoNumber", make<platform::Slider>, true, false, 5, "11", "act: none 5"},
    {"TaggedWithAnAction", make<platform::Slider>, true, false, 5, nullptr, "act: none 5"},
    {"TagFromIdentifier", make<platform::Slider>, false, false, 0, "42",
     "controlAction: shared 42"},
    {"PathControl", make<platform::PathControl>, false, false, 0, nullptr,
     "controlAction: shared 0"},
    {"PathControlWithAnAction", make<platform::PathControl>, true, false, 0, nullptr,
     "act: shared 0"},
    // A text field takes a delegate, not a target or an action.
    {"TextField", make<platform::TextField>, false, false, 0, nullptr, " none 0"},
};

class ViewWiring : public ShellTest, public ::testing::WithParamInterface<WiringCase> {};

// The window wired is not the current one, which holds a control with the same tag: a numbered
// action still goes to the control wired.
TEST_P(ViewWiring, GivesEachControlItsTargetActionAndTag) {
    const WiringCase& c = GetParam();
    const auto window = openWindow(kWindow);
    const auto sameTag = make<platform::Button>();
    sameTag->setTag(5);
    openWindow(kWindow + 1)->contentView()->addSubview(sameTag);
    const Ref<Control> control = c.make();
    if (c.hadAction)
        control->setAction({"act:", &Own::act});
    if (c.hadTarget)
        control->setTarget(kOwn);
    control->setTag(c.tag);
    control->setIdentifier(c.identifier ? text(c.identifier) : nullptr);
    window->contentView()->addSubview(control);
    WireViews(kWindow, window->contentView());
    EXPECT_EQ(wiring(*control), c.wired);
    EXPECT_EQ(Additions::wndTag(*control), kWindow);
    EXPECT_TRUE(sameTag->action().isNull());
}

INSTANTIATE_TEST_SUITE_P(Rules, ViewWiring, ::testing::ValuesIn(kCases),
                         [](const auto& r) { return std::string(r.param.name); });

TEST_F(ShellTest, WiringDescendsIntoPlainContainersButNotIntoWiredControls) {
    const auto content = openWindow(kWindow)->contentView();
    const auto box = std::make_shared<platform::Box>(platform::Rect{0, 0, 200, 200});
    const auto scroll = std::make_shared<platform::ScrollView>(platform::Rect{0, 0, 100, 100});
    const auto group = std::make_shared<platform::View>();
    const auto outer = make<platform::Button>();
    const auto inButton = make<platform::Button>();
    // Among them a control of each kind the target-action rule takes that no case above has.
    const Ref<Control> reached[] = {
        make<platform::ColorWell>(),        make<platform::ComboButton>(),
        make<platform::PopUpButton>(),      make<platform::Switch>(),
        make<platform::SegmentedControl>(), outer};
    for (const auto& view : std::initializer_list<Ref<platform::View>>{box, scroll, outer})
        content->addSubview(view);
    box->contentView()->addSubview(group);
    scroll->setDocumentView(std::make_shared<platform::View>());
    for (int i = 0; i < 5; ++i)
        (i < 3 ? group : scroll->documentView())->addSubview(reached[i]);
    outer->addSubview(inButton);
    // A plain view named by its identifier, with a menu of the program's.
    group->setIdentifier(text("12"));
    group->setMenu(std::make_shared<platform::Menu>(text("Menu")));
    group->menu()->setIdentifier(text("101"));
    WireViews(kWindow, nullptr);
    WireViews(kWindow, content);
    EXPECT_TRUE(MenuList()->containsObject(group->menu()));
    for (const auto& control : reached) {
        EXPECT_EQ(wiring(*control), "controlAction: shared 0") << control->className();
        EXPECT_EQ(Additions::wndTag(*control), kWindow);
    }
    EXPECT_TRUE(inButton->action().isNull());
    EXPECT_EQ(Additions::wndTag(*inButton), 0);
}

} // namespace

// The controls on their toolkit widgets: what the user's clicks and keys do to each control's
// value and how often it sends its action, and that the program's changes send nothing.

#include "platform/app/Application.h"
#include "platform/detail/WindowPeer.h"
#include "platform/drawing/Color.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/ServicePanelInput.h"
#include "platform/testing/ToolkitInput.h"
#include "platform/testing/UserActions.h"
#include "platform/views/controls/ColorWell.h"
#include "platform/views/controls/ComboButton.h"
#include "platform/views/controls/DatePicker.h"
#include "platform/views/controls/LevelIndicator.h"
#include "platform/views/controls/PopUpButton.h"
#include "platform/views/controls/SegmentedControl.h"
#include "platform/views/controls/Slider.h"
#include "platform/views/controls/Switch.h"
#include "platform/windows/MenuItem.h"
#include "platform/windows/Window.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace platform;
using platform::testing::UserActions;
using Key = UserActions::Key;

namespace {

class ActionCounter : public Object {
public:
    void act(const Ref<Object>&) { ++count; }
    int count = 0;
};

using Make = std::function<Ref<Control>()>;
using Act = std::function<void(const Ref<Control>&)>;
using Change = std::function<void(Control&)>;

struct ControlCase {
    const char* name;
    Make make;
    Act user;
    int actions;
    double valueAfterUser;
    // A change by the program, which sends nothing, and the value it leaves.
    Change program;
    double valueAfterProgram;
    // What the value is measured by; none measures doubleValue.
    double (*measure)(const Control&) = nullptr;
};
void PrintTo(const ControlCase& c, std::ostream* out) {
    *out << c.name;
}

template <class Kind, class... Arguments>
Make made(Arguments... arguments) {
    return [=]() -> Ref<Control> { return std::make_shared<Kind>(arguments...); };
}

Act click(double x, double y) {
    return [=](const Ref<Control>& c) { UserActions::clickInView(c, {x, y}); };
}

Act press(Key key) {
    return [=](const Ref<Control>& control) {
        // Keys reach only the active window.
        QWidget* window = control->window()->peer().widget;
        window->activateWindow();
        QApplication::processEvents();
        control->window()->makeFirstResponder(control);
        UserActions::pressKey(control->window(), key);
    };
}

Act both(Act first, Act second) {
    return [=](const Ref<Control>& c) {
        first(c);
        second(c);
    };
}

Change set(double value) {
    return [=](Control& c) { c.setDoubleValue(value); };
}

Change select(std::int64_t segment) {
    return [=](Control& c) { c.as<SegmentedControl>()->setSelected(true, segment); };
}

const Change leaveAlone = [](Control&) {};

Make segments(SegmentSwitchTracking mode, std::optional<double> value = {}) {
    return [=]() -> Ref<Control> {
        auto control = std::make_shared<SegmentedControl>(Rect{20, 20, 150, 24});
        control->setSegmentCount(3);
        control->setTrackingMode(mode);
        if (value)
            control->setDoubleValue(*value);
        return control;
    };
}

Make popUp(bool pullsDown, std::optional<std::int64_t> disabled = {}) {
    return [=]() -> Ref<Control> {
        auto button = std::make_shared<PopUpButton>(Rect{20, 20, 150, 28}, pullsDown);
        for (const char* title : {"A", "B", "C"})
            button->addItemWithTitle(String::fromUtf8(title));
        if (disabled)
            button->itemAtIndex(*disabled)->setEnabled(false);
        return button;
    };
}

Act choose(const char* title, bool chosen = true) {
    return [=](const Ref<Control>& button) {
        UserActions::clickInView(button, {20, 14});
        EXPECT_EQ(UserActions::chooseInShownMenu({title}), chosen);
    };
}

Make datePicker(DatePickerStyle style) {
    return [=]() -> Ref<Control> {
        auto picker = std::make_shared<DatePicker>(Rect{20, 20, 260, 170}, style);
        picker->setDoubleValue(0);
        return picker;
    };
}

std::vector<ControlCase> controlCases() {
    using Tracking = SegmentSwitchTracking;
    const Rect switchFrame{20, 20, 40, 20};
    const Rect comboFrame{20, 20, 120, 28};
    const Rect levelFrame{20, 20, 100, 20};
    return {
        {"SwitchClicked", made<Switch>(switchFrame), click(20, 10), 1, 1, set(0), 0},
        {"SpaceTurnsAFocusedSwitchOn", made<Switch>(switchFrame), press(Key::Space), 1, 1,
         [](Control& c) { c.as<Switch>()->setState(1); }, 1},
        {"OneSegmentSelectedByAClickAndNoneByTheProgram", segments(Tracking::SelectOne),
         click(75, 12), 1, 1, set(-1), -1},
        {"RightArrowSelectsTheNextSegment", segments(Tracking::SelectOne, 0), press(Key::Right), 1,
         1, select(2), 2},
        {"AnySegmentsClickedOnAndOff", segments(Tracking::SelectAny),
         both(click(125, 12), both(click(25, 12), click(25, 12))), 3, 2, select(1), 1},
        // A momentary segment reports the click and stays unselected.
        {"MomentarySegmentClicked", segments(Tracking::Momentary),
         both(click(75, 12),
              [](const Ref<Control>& c) {
                  EXPECT_FALSE(c->as<SegmentedControl>()->isSelectedForSegment(1));
              }),
         1, 1, select(2), 1},
        // With tick mark values only, an arrow moves by one tick and the value stays on them.
        {"ArrowMovesATickSliderByOneTick",
         []() -> Ref<Control> {
             auto slider = std::make_shared<Slider>(Rect{20, 20, 150, 24});
             slider->setNumberOfTickMarks(5);
             slider->setAllowsTickMarkValuesOnly(true);
             return slider;
         },
         press(Key::Right), 1, 0.25, set(0.3), 0.25},
        // A click moves the knob there, also on the tick marks below the groove; a slider that
        // is not continuous reports it once.
        {"ASliderClickedOnItsTicksGoesThereAndReportsOnce",
         []() -> Ref<Control> {
             auto slider = std::make_shared<Slider>(Rect{20, 20, 150, 24});
             slider->setNumberOfTickMarks(5);
             slider->setContinuous(false);
             return slider;
         },
         click(149, 2), 1, 1, leaveAlone, 1},
        {"PopUpItemChosen", popUp(false), choose("C"), 1, 2, set(7), -1},
        // The first item is the pull-down button's title.
        {"PullDownItemChosen", popUp(true), both(choose("A", false), choose("B")), 1, 1,
         [](Control& c) { c.as<PopUpButton>()->removeAllItems(); }, -1},
        {"SpaceOpensAPopUpAndADisabledItemCannotBeChosen", popUp(false, 1),
         both(press(Key::Space),
              [](const Ref<Control>&) { EXPECT_FALSE(UserActions::chooseInShownMenu({"B"})); }),
         0, 0, set(1), 1},
        {"ComboButtonMainPartClicked", made<ComboButton>(comboFrame), click(20, 14), 1, 0,
         leaveAlone, 0},
        {"SpaceOnAFocusedComboButton", made<ComboButton>(comboFrame), press(Key::Space), 1, 0,
         leaveAlone, 0},
        {"EditableCellsClickedAndStepped",
         [=]() -> Ref<Control> {
             auto level = std::make_shared<LevelIndicator>(levelFrame);
             level->setStyle(LevelIndicatorStyle::DiscreteCapacity);
             level->setEditable(true);
             return level;
         },
         both(click(50, 10), press(Key::Left)), 2, 2, set(9), 5},
        {"ALevelThatIsNotEditableIgnoresClicks", made<LevelIndicator>(levelFrame), click(90, 10), 0,
         0, set(2.5), 2.5},
        {"ColourPickedInThePanelOfTheActiveWell", made<ColorWell>(Rect{20, 20, 60, 30}),
         both(click(30, 15),
              [](const Ref<Control>& c) {
                  EXPECT_TRUE(c->as<ColorWell>()->isActive());
                  EXPECT_TRUE(platform::testing::typeColorInShownColorPanel("#0f0"));
              }),
         1, 1,
         [](Control& c) {
             c.setObjectValue(Color::blueColor());
             c.as<ColorWell>()->deactivate();
         },
         0, [](const Control& c) { return c.as<ColorWell>()->color()->greenComponent(); }},
        {"UpArrowStepsTheDate", datePicker(DatePickerStyle::TextFieldAndStepper), press(Key::Up), 1,
         365 * 86400,
         [](Control& c) {
             c.as<DatePicker>()->setMaxDate(Date::dateWithTimeIntervalSinceReferenceDate(100));
         },
         100},
        {"LeftArrowGoesToTheCalendarsDayBefore", datePicker(DatePickerStyle::ClockAndCalendar),
         press(Key::Left), 1, -86400,
         [](Control& c) { c.setObjectValue(Date::dateWithTimeIntervalSinceReferenceDate(60)); },
         60},
    };
}

class Controls : public ::testing::TestWithParam<ControlCase> {};

TEST_P(Controls, UserChangesSendTheActionAndProgramChangesDoNot) {
    const ControlCase& c = GetParam();
    const auto window = std::make_shared<Window>(Rect{100, 100, 320, 220}, WindowStyleMask::Titled);
    const auto control = c.make();
    window->contentView()->addSubview(control);
    window->makeKeyAndOrderFront();
    const auto counter = std::make_shared<ActionCounter>();
    control->setTarget(counter);
    control->setAction(Selector("act:", &ActionCounter::act));
    const auto measure = [&] { return c.measure ? c.measure(*control) : control->doubleValue(); };
    c.user(control);
    EXPECT_EQ(counter->count, c.actions);
    EXPECT_NEAR(measure(), c.valueAfterUser, 1e-9);
    c.program(*control);
    EXPECT_EQ(counter->count, c.actions);
    EXPECT_NEAR(measure(), c.valueAfterProgram, 1e-9);
    window->close();
}

// The shared colour panel is not blocked by a modal run of another window: a colour typed into
// it reaches the active well.
TEST(ColourPanel, WorksWhileAnotherWindowRunsModal) {
    const auto window = std::make_shared<Window>(Rect{100, 100, 200, 100}, WindowStyleMask::Titled);
    const auto well = std::make_shared<ColorWell>(Rect{20, 20, 60, 30});
    window->contentView()->addSubview(well);
    window->makeKeyAndOrderFront();
    const auto counter = std::make_shared<ActionCounter>();
    well->setTarget(counter);
    well->setAction(Selector("act:", &ActionCounter::act));
    UserActions::clickInView(well, {30, 15});
    const auto modal = std::make_shared<Window>(Rect{150, 150, 200, 40}, WindowStyleMask::Titled);
    platform::testing::ModalScript script;
    script.run().perform([] { platform::testing::typeColorInShownColorPanel("#0f0"); }).perform([] {
        Application::shared()->stopModalWithCode(1);
    });
    Application::shared()->runModalForWindow(modal);
    EXPECT_EQ(counter->count, 1);
    EXPECT_EQ(well->color()->greenComponent(), 1);
    well->deactivate();
    modal->close();
    window->close();
}

INSTANTIATE_TEST_SUITE_P(Rows, Controls, ::testing::ValuesIn(controlCases()),
                         [](const auto& r) { return std::string(r.param.name); });

} // namespace

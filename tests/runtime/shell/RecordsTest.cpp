// The shared records, the attached properties, and the plain forwarding of window, view and
// control events.

#include "ShellTesting.h"

#include "runtime/shell/CUI_Event.h"
#include "runtime/shell/EventForwarding.h"
#include "runtime/shell/ViewTag.h"

#include "platform/app/Event.h"
#include "platform/views/TextField.h"
#include "platform/views/View.h"

using namespace shelltest;

namespace {

using Records = ShellTest;

// A view that has a tag of its own, as controls do.
class TaggedView : public platform::View {
public:
    explicit TaggedView(std::int64_t tag) : View({0, 0, 20, 20}), tag_(tag) {}
    std::int64_t tag() const override { return tag_; }

private:
    std::int64_t tag_;
};

Ref<TaggedView> viewIn(std::int64_t windowTag, std::int64_t tag) {
    const auto view = std::make_shared<TaggedView>(tag);
    openWindow(-windowTag)->contentView()->addSubview(view);
    return view;
}

// A tag written as text is read as its leading integer, as plain views' identifiers are.
TEST_F(Records, AnIntegerIsReadFromTheStartOfAText) {
    EXPECT_EQ(IntegerValue(text("  -1437226411x")), -1437226411);
    EXPECT_EQ(IntegerValue(text("+90")), 90);
    EXPECT_EQ(IntegerValue(text("abc")), 0);
}

TEST_F(Records, WindowAndViewEventsCarryTheirTagsAndTheEventOnlyDuringTheCall) {
    const auto window = openWindow(-6);
    const auto view = viewIn(8, 31);
    platform::Event::Fields fields;
    fields.characters = text("x");
    const auto event =
        std::make_shared<platform::Event>(fields, platform::WeakRef<platform::Window>());
    DialogCallbackSet(dialogCallback);
    Ref<platform::Event> during;
    whileHeard() = [&] { during = CUI_Event::shared().nsEvent(); };
    ForwardWindowEvent(window, 10050, event);
    ASSERT_EQ(heardText(), "dialog 10050 6/6\n");
    EXPECT_EQ(heard()[0].object, event);
    EXPECT_EQ(during, event);
    EXPECT_FALSE(CUI_Event::shared().nsEvent());
    EXPECT_EQ(CurrentOutputWindowTag(), 6);
    ForwardViewEvent(view, 2002, nullptr);
    EXPECT_EQ(heardText(), "dialog 10050 6/6\ndialog 2002 31/8\n");
    EXPECT_EQ(CurrentOutputWindowTag(), 8);
}

// The control's own callback comes before the callback for all controls, which comes before
// the dialog callback; exactly one hears the action.
TEST_F(Records, ExactlyOneReceiverHearsAControlActionInOrderOfPrecedence) {
    const auto control = viewIn(3, 5);
    int data = 0;
    Additions::setCuiControlCallback(*control, controlCallback);
    Additions::setCuiControlUserData(*control, &data);
    AllControlsCallbackSet(allControlsCallback);
    DialogCallbackSet(dialogCallback);
    CUI_ControlTarget::shared()->controlAction7(control);
    Additions::setCuiControlCallback(*control, nullptr);
    CUI_ControlTarget::shared()->controlAction7(control);
    AllControlsCallbackSet(nullptr);
    CUI_ControlTarget::shared()->controlAction7(control);
    ASSERT_EQ(heardText(), "control 1 5/3\nall controls 1 5/3\ndialog 1 5/3\n");
    EXPECT_EQ(heard()[0].userData, &data);
    EXPECT_EQ(heard()[1].userData, nullptr);
    EXPECT_EQ(heard()[2].object, control);
}

TEST_F(Records, AControlsOwnWindowTagWinsOverItsWindowsAndNoReceiverOnlyMovesTheCurrentWindow) {
    const auto control = viewIn(3, 5);
    Additions::setWndTag(*control, 1);
    ControlAction(control);
    EXPECT_TRUE(heard().empty());
    EXPECT_EQ(CurrentOutputWindowTag(), 1);
    DialogCallbackSet(dialogCallback);
    ControlEvent(1201, control, nullptr);
    Additions::setWndTag(*control, 0);
    ControlAction(control);
    EXPECT_EQ(heardText(), "dialog 1201 5/1\ndialog 1 5/3\n");
    // An event's object is the user data of the callback for all controls.
    AllControlsCallbackSet(allControlsCallback);
    const auto note = text("note");
    ControlEvent(1201, control, note);
    EXPECT_EQ(heard().back().userData, note.get());
}

// Numbers outside one to ten leave the control's action as it is.
TEST_F(Records, NumberedActionsAreOneToTenAndEachReachesTheReceivers) {
    const auto control = std::make_shared<platform::TextField>(platform::Rect{0, 0, 80, 22});
    control->setTag(5);
    openWindow(3)->contentView()->addSubview(control);
    for (const std::int64_t number : {3, 0, 11, -1})
        SetControlActionNumber(5, number);
    EXPECT_EQ(control->action().name(), "controlAction3:");
    SetControlActionNumber(5, 10);
    DialogCallbackSet(dialogCallback);
    EXPECT_TRUE(control->action().performOn(*CUI_ControlTarget::shared(), control));
    EXPECT_EQ(control->action().name(), "controlAction10:");
    EXPECT_EQ(heardText(), "dialog 1 5/3\n");
    EXPECT_TRUE(CUI_ControlTarget::actionSelector(11).isNull());
}

} // namespace

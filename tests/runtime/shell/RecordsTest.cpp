// The shared records, the attached properties, and the plain forwarding of window, view and
// control events.

#include "ShellTesting.h"

#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/CUI_Event.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/EventForwarding.h"
#include "runtime/shell/ViewTag.h"

#include "platform/app/Event.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/String.h"
#include "platform/views/View.h"
#include "platform/windows/Alert.h"
#include "platform/windows/Menu.h"
#include "platform/windows/MenuItem.h"

using namespace shelltest;
using platform::Ref;
using platform::String;

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

Ref<platform::Event> keyEvent() {
    platform::Event::Fields fields;
    fields.characters = String::fromUtf8("x");
    return std::make_shared<platform::Event>(fields, platform::WeakRef<platform::Window>());
}

// A tag written as text is read as its leading integer, as plain views' identifiers are.
TEST_F(Records, AnIntegerIsReadFromTheStartOfAText) {
    EXPECT_EQ(IntegerValue(String::fromUtf8("  -1437226411x")), -1437226411);
    EXPECT_EQ(IntegerValue(String::fromUtf8("abc")), 0);
}

TEST_F(Records, AWindowEventReachesTheDialogCallbackAsTheCurrentEventOnlyDuringTheCall) {
    WindowOpen(-6, nullptr, kParamNotGiven, {});
    const auto window = WindowWithTag(6);
    const auto event = keyEvent();
    DialogCallbackSet(dialogCallback);
    Ref<platform::Event> during;
    whileHeard() = [&] { during = CUI_Event::shared().nsEvent(); };
    CurrentOutputWindowTagSet(0);
    ForwardWindowEvent(window, 10050, event);
    ASSERT_EQ(heard().size(), 1u);
    EXPECT_EQ(heard()[0].event, 10050);
    EXPECT_EQ(heard()[0].tag, 6);
    EXPECT_EQ(heard()[0].wndTag, 6);
    EXPECT_EQ(heard()[0].object, event);
    EXPECT_EQ(during, event);
    EXPECT_FALSE(CUI_Event::shared().nsEvent());
    EXPECT_EQ(CurrentOutputWindowTag(), 6);
}

TEST_F(Records, AViewEventCarriesTheViewTagAndItsWindowsTag) {
    WindowOpen(-8, nullptr, kParamNotGiven, {});
    const auto view = std::make_shared<TaggedView>(31);
    WindowWithTag(8)->contentView()->addSubview(view);
    DialogCallbackSet(dialogCallback);
    ForwardViewEvent(view, 2002, nullptr);
    ASSERT_EQ(heard().size(), 1u);
    EXPECT_EQ(heard()[0].tag, 31);
    EXPECT_EQ(heard()[0].wndTag, 8);
    EXPECT_EQ(CurrentOutputWindowTag(), 8);
}

// The control's own callback comes before the callback for all controls, which comes before
// the dialog callback; exactly one hears the action.
TEST_F(Records, ExactlyOneReceiverHearsAControlActionInOrderOfPrecedence) {
    WindowOpen(-3, nullptr, kParamNotGiven, {});
    const auto control = std::make_shared<TaggedView>(5);
    WindowWithTag(3)->contentView()->addSubview(control);
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
    ASSERT_EQ(heard().size(), 3u);
    const Receiver order[] = {Receiver::Control, Receiver::AllControls, Receiver::Dialog};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(heard()[i].receiver, order[i]);
        EXPECT_EQ(heard()[i].event, kControlActionEvent);
        EXPECT_EQ(heard()[i].tag, 5);
        EXPECT_EQ(heard()[i].wndTag, 3);
        EXPECT_EQ(heard()[i].userData, i == 0 ? &data : nullptr);
    }
    EXPECT_EQ(heard()[2].object, control);
}

TEST_F(Records, AControlsOwnWindowTagWinsOverItsWindowsAndNoReceiverOnlyMovesTheCurrentWindow) {
    WindowOpen(-3, nullptr, kParamNotGiven, {});
    const auto control = std::make_shared<TaggedView>(5);
    WindowWithTag(3)->contentView()->addSubview(control);
    Additions::setWndTag(*control, 4);
    ControlAction(control);
    EXPECT_TRUE(heard().empty());
    EXPECT_EQ(CurrentOutputWindowTag(), 4);
    DialogCallbackSet(dialogCallback);
    Additions::setWndTag(*control, 0);
    ControlAction(control);
    ASSERT_EQ(heard().size(), 1u);
    EXPECT_EQ(heard()[0].wndTag, 3);
}

TEST_F(Records, TheNumberedActionsAreNamedAfterTheirNumber) {
    EXPECT_EQ(CUI_ControlTarget::actionSelector(0).name(), "controlAction:");
    EXPECT_EQ(CUI_ControlTarget::actionSelector(3).name(), "controlAction3:");
    EXPECT_TRUE(CUI_ControlTarget::actionSelector(11).isNull());
    const auto control = std::make_shared<TaggedView>(2);
    DialogCallbackSet(dialogCallback);
    EXPECT_TRUE(
        CUI_ControlTarget::actionSelector(10).performOn(*CUI_ControlTarget::shared(), control));
    EXPECT_EQ(heard().size(), 1u);
}

} // namespace

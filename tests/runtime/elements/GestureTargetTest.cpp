// The gesture-recognizer target: a program's callback hears its recognizers and nothing else
// does; without one the dialog callback hears the gesture's code with the view's tags.

#include "../shell/ShellTesting.h"

#include "runtime/elements/CUI_ClickGestureRecognizer.h"
#include "runtime/elements/CUI_GestureRecognizerTarget.h"
#include "runtime/elements/CUI_PanGestureRecognizer.h"

#include "platform/testing/UserActions.h"
#include "platform/views/View.h"

using namespace shelltest;

namespace {

constexpr std::int64_t kWindow = 14;

void gestureCallback(const Ref<platform::GestureRecognizer>& recognizer, std::int64_t tag,
                     void* userData) {
    record({Receiver::Delegate, static_cast<std::int64_t>(recognizer->state()), tag, 0, recognizer,
            userData});
}

// A pan and a click on a view named 21 in the window, with a target with or without a callback:
// what was heard, "<receiver> <event or state> <tag>/<window tag>" a line.
TEST_F(ShellTest, AGestureTargetWithACallbackNeverReachesTheDialogCallback) {
    struct Case {
        const char* name;
        GestureCallback callback;
        const char* heard;
    };
    const Case cases[] = {
        {"callback", gestureCallback, "delegate 1 21/0\ndelegate 3 21/0\ndelegate 3 21/0\n"},
        {"dialog", nullptr, "dialog 2702 21/14\ndialog 2702 21/14\ndialog 2700 21/14\n"},
    };
    int data = 0;
    for (const Case& c : cases) {
        const auto view = std::make_shared<platform::View>(platform::Rect{10, 10, 100, 100});
        view->setIdentifier(text("21"));
        openWindow(kWindow)->contentView()->addSubview(view);
        Additions::setWndTag(*view, kWindow);
        const auto target = std::make_shared<CUI_GestureRecognizerTarget>(c.callback, &data);
        std::make_shared<CUI_PanGestureRecognizer>(
            target, platform::Selector("panAction:", &CUI_GestureRecognizerTarget::panAction))
            ->addToView(view);
        std::make_shared<CUI_ClickGestureRecognizer>(
            target, platform::Selector("action:", &CUI_GestureRecognizerTarget::action))
            ->addToView(view);
        DialogCallbackSet(dialogCallback);
        heard().clear();
        UserActions::dragInView(view, {{10, 10}, {40, 10}});
        UserActions::clickInView(view, {20, 20});
        EXPECT_EQ(heardText(), c.heard) << c.name;
        for (const Heard& call : heard())
            EXPECT_TRUE(std::dynamic_pointer_cast<platform::GestureRecognizer>(call.object));
        EXPECT_EQ(heard().front().userData, c.callback ? &data : nullptr);
        WindowWithTag(kWindow)->close();
    }
}

TEST_F(ShellTest, ARecognizerWithoutAViewIsForwardedWithTagsZero) {
    const auto target = std::make_shared<CUI_GestureRecognizerTarget>();
    DialogCallbackSet(dialogCallback);
    target->rotationAction(std::make_shared<platform::GestureRecognizer>());
    EXPECT_EQ(heardText(), "dialog 2704 0/0\n");
}

} // namespace

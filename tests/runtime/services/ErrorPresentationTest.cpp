#include "runtime/services/CUI_ResponderTarget.h"

#include "ServicesTesting.h"

#include "platform/app/MainQueue.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Error.h"
#include "platform/services/ErrorPresenter.h"

using namespace shelltest;
using platform::String;

namespace {

// Recovers by its first option only.
class Retry : public platform::Object, public platform::ErrorRecoveryAttempter {
public:
    bool attemptRecoveryFromErrorOptionIndex(const Ref<platform::Error>&,
                                             std::size_t option) override {
        return option == 0;
    }
};

class ErrorSheets : public ShellTest, public ::testing::WithParamInterface<int> {};

TEST_P(ErrorSheets, TheChosenOptionRecoversThroughTheAttempter) {
    const auto info = platform::Dictionary::dictionary();
    info->setObjectForKey(String::fromUtf8("The deck could not be saved."),
                          platform::LocalizedDescriptionKey());
    info->setObjectForKey(platform::Array::arrayWithObjects(
                              {String::fromUtf8("Try Again"), String::fromUtf8("Give Up")}),
                          platform::LocalizedRecoveryOptionsErrorKey());
    info->setObjectForKey(std::make_shared<Retry>(), platform::RecoveryAttempterErrorKey());
    const auto error = std::make_shared<platform::Error>(String::fromUtf8("Deck"), 3, info);
    const auto window = openWindow(3, {100, 100, 300, 200});
    DialogCallbackSet(dialogCallback);
    const auto target = std::make_shared<CUI_ResponderTarget>();
    int context = 0;
    platform::testing::ModalScript script;
    script.run().perform([&] { platform::testing::clickSheetButton(*window, GetParam()); });

    platform::ErrorPresenter::presentErrorModalForWindowCompletionHandler(
        error, window, [&](bool recovered) {
            target->didPresentErrorWithRecoveryContextInfo(recovered, &context);
            platform::Application::shared()->stopModal();
        });
    platform::Application::shared()->runModalForWindow(window);

    // The window's own events come to the dialog callback too.
    std::vector<Heard> ended;
    std::copy_if(heard().begin(), heard().end(), std::back_inserter(ended),
                 [](const Heard& h) { return h.event == 4900; });
    ASSERT_EQ(ended.size(), 1u);
    EXPECT_EQ(ended[0].wndTag, 3);
    EXPECT_EQ(DialogEventBoolVal(), GetParam() == 0);
    EXPECT_EQ(DialogEventContext(), &context);
}
INSTANTIATE_TEST_SUITE_P(Options, ErrorSheets, ::testing::Values(0, 1));

} // namespace

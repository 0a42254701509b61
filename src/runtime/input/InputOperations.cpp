#include "runtime/input/InputOperations.h"

#include "runtime/input/CUI_ControlFormatter.h"
#include "runtime/input/QVInkeyFormat.h"
#include "runtime/input/QVInkeyWindow.h"
#include "runtime/input/QVInputFormat.h"
#include "runtime/input/QVInputWindow.h"
#include "runtime/shell/CUI_AppDelegate.h"
#include "runtime/shell/ViewLookup.h"

#include "platform/app/Application.h"
#include "platform/foundation/String.h"
#include "platform/views/Control.h"
#include "platform/views/TextField.h"

#include <memory>

using platform::Ref;
using platform::String;

namespace {

std::int64_t givenOrZero(std::int64_t value) {
    return value == kParamNotGiven ? 0 : value;
}

// Runs the window modally and closes it; answers the delegate's reply when the run ended with 1.
template <class Reply>
Ref<String> runInputWindow(const Ref<platform::Window>& window, Reply reply) {
    const std::int64_t response = platform::Application::shared()->runModalForWindow(window);
    Ref<String> result = response == platform::ModalResponse::OK ? reply() : nullptr;
    window->orderOut();
    window->close();
    return result;
}

} // namespace

Ref<String> InputWindowRun(std::int64_t x, std::int64_t y, const Ref<String>& prompt,
                           const Ref<String>& characters, std::int64_t pass, std::int64_t maxLength,
                           std::int64_t caseOption) {
    if (!characters)
        CurrentInputFormatSet(nullptr);
    else if (!characters->isEmpty())
        InputFormatDefine(characters, pass, maxLength, caseOption);

    // The windows leave their answers in the runtime's delegate, so it must be the installed one.
    AppEnsureDelegate();
    const auto delegate = AppDelegateGet();
    const auto window = QVInputWindow::initWithPromptXY(prompt, x, y);
    delegate->setInputWnd(window);
    if (const auto format = currentInputFormat())
        ControlFormatterAttach(window->field(), format->characters(), format->pass(),
                               format->maxLength(), format->caseOption());
    return runInputWindow(window, [&delegate] { return delegate->inputResponseString(); });
}

void InputFormatDefine(const Ref<String>& characters, std::int64_t pass, std::int64_t maxLength,
                       std::int64_t caseOption) {
    CurrentInputFormatSet(std::make_shared<QVInputFormat>(
        characters, pass != 0, givenOrZero(maxLength), givenOrZero(caseOption)));
}

void ControlFormatterAttach(const TagOrRef& control, const Ref<String>& characters,
                            std::int64_t pass, std::int64_t length, std::int64_t caseOption) {
    const auto found = ViewWithTagOfClass<platform::Control>(control);
    if (!found)
        return;
    // A negative length becomes a limit no text reaches.
    found->setFormatter(CUI_ControlFormatter::initWithCharactersPassLengthCaseOption(
        characters, pass != 0, static_cast<std::uint64_t>(length),
        static_cast<std::uint64_t>(caseOption)));
}

Ref<String> InkeyWindowRun(std::int64_t x, std::int64_t y, const Ref<String>& prompt) {
    AppEnsureDelegate();
    const auto delegate = AppDelegateGet();
    const auto window = QVInkeyWindow::initWithPromptXY(prompt, x, y);
    delegate->setInkeyWnd(window);
    return runInputWindow(window, [&delegate] { return delegate->inkeyResponseString(); });
}

void KeyFormatDefine(const Ref<String>& characters, std::int64_t pass, std::int64_t caseOption) {
    if (!characters) {
        CurrentKeyFormatSet(nullptr);
        return;
    }
    CurrentKeyFormatSet(QVInkeyFormat::formatWithCharactersPassCaseOption(characters, pass != 0,
                                                                          givenOrZero(caseOption)));
}

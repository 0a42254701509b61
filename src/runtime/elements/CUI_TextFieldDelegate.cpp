#include "runtime/elements/CUI_TextFieldDelegate.h"

#include "runtime/shell/CUI_ControlTarget.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/EventCodes.h"

#include "platform/foundation/Notification.h"
#include "platform/foundation/String.h"
#include "platform/views/Control.h"

using platform::Ref;

namespace {

struct TextCommand {
    std::string_view selector;
    std::int64_t number;
};

constexpr TextCommand kTextCommands[] = {
    {"complete:", 1},  {"deleteBackward:", 2}, {"insertBacktab:", 3}, {"insertNewline:", 4},
    {"insertTab:", 5}, {"moveLeft:", 6},       {"moveRight:", 7},
};

} // namespace

bool TextShouldEvent(std::int64_t code, const Ref<platform::Control>& control,
                     const Ref<platform::Object>& fieldEditor) {
    DialogEventSetBoolVal(true);
    ControlEvent(code, control, fieldEditor);
    return DialogEventBoolVal();
}

void TextNoticeEvent(std::int64_t code, const Ref<platform::Notification>& notice,
                     bool noticeAsObject) {
    if (notice)
        ControlEvent(code, notice->object() ? notice->object()->as<platform::View>() : nullptr,
                     noticeAsObject ? notice : nullptr);
}

std::int64_t TextCommandNumber(std::string_view selector) {
    for (const TextCommand& command : kTextCommands)
        if (command.selector == selector)
            return command.number;
    return 0;
}

const Ref<CUI_TextFieldDelegate>& CUI_TextFieldDelegate::shared() {
    static const Ref<CUI_TextFieldDelegate> delegate = std::make_shared<CUI_TextFieldDelegate>();
    return delegate;
}

void CUI_TextFieldDelegate::textFieldAction(const Ref<platform::Object>& sender) {
    ControlEvent(kControlActionEvent, sender ? sender->as<platform::View>() : nullptr, nullptr);
}

platform::Selector CUI_TextFieldDelegate::actionSelector() {
    return {"textFieldAction:", &CUI_TextFieldDelegate::textFieldAction};
}

bool CUI_TextFieldDelegate::controlTextShouldBeginEditing(
    const Ref<platform::Control>& control, const Ref<platform::Object>& fieldEditor) {
    return TextShouldEvent(TextEditingEvent::ShouldBeginEditing, control, fieldEditor);
}

bool CUI_TextFieldDelegate::controlTextShouldEndEditing(const Ref<platform::Control>& control,
                                                        const Ref<platform::Object>& fieldEditor) {
    return TextShouldEvent(TextEditingEvent::ShouldEndEditing, control, fieldEditor);
}

void CUI_TextFieldDelegate::controlTextDidBeginEditing(const Ref<platform::Notification>& notice) {
    TextNoticeEvent(TextEditingEvent::DidBeginEditing, notice, true);
}

void CUI_TextFieldDelegate::controlTextDidChange(const Ref<platform::Notification>& notice) {
    TextNoticeEvent(TextEditingEvent::DidChange, notice, true);
}

void CUI_TextFieldDelegate::controlTextDidEndEditing(const Ref<platform::Notification>& notice) {
    TextNoticeEvent(TextEditingEvent::DidEndEditing, notice, true);
}

bool CUI_TextFieldDelegate::controlTextViewDoCommandBySelector(
    const Ref<platform::Control>& control, const Ref<platform::Object>&,
    std::string_view selector) {
    const auto name = platform::String::fromUtf8(selector);
    DialogEventSetBoolVal(false);
    DialogEventSetLongVal(TextCommandNumber(selector));
    DialogEventSetStringObj(name);
    ControlEvent(TextEditingEvent::DoCommandBySelector, control, name);
    return DialogEventBoolVal();
}

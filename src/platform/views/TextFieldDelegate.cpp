#include "platform/views/TextFieldDelegate.h"

namespace platform {

TextFieldDelegate::~TextFieldDelegate() = default;

bool TextFieldDelegate::controlTextShouldBeginEditing(const Ref<Control>&, const Ref<Object>&) {
    return true;
}

bool TextFieldDelegate::controlTextShouldEndEditing(const Ref<Control>&, const Ref<Object>&) {
    return true;
}

void TextFieldDelegate::controlTextDidBeginEditing(const Ref<Notification>&) {}

void TextFieldDelegate::controlTextDidChange(const Ref<Notification>&) {}

void TextFieldDelegate::controlTextDidEndEditing(const Ref<Notification>&) {}

bool TextFieldDelegate::controlTextViewDoCommandBySelector(const Ref<Control>&, const Ref<Object>&,
                                                           std::string_view) {
    return false;
}

} // namespace platform

#pragma once

#include "platform/views/TextField.h"

namespace platform {

// A text field for a password: it shows a bullet for each character, and its text can be neither
// copied nor cut, nor dragged out. Otherwise it is a text field.
class SecureTextField : public TextField {
public:
    explicit SecureTextField(Rect frame = {});
};

} // namespace platform

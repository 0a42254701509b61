#pragma once

// The runtime's own recognizer class, by the name programs and interface files give it; it
// recognizes what the platform's does.

#include "platform/views/gestures/ClickGestureRecognizer.h"

class CUI_ClickGestureRecognizer final : public platform::ClickGestureRecognizer {
public:
    using ClickGestureRecognizer::ClickGestureRecognizer;
};

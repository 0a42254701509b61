#pragma once

// The runtime's own recognizer class, by the name programs and interface files give it; it
// recognizes what the platform's does.

#include "platform/views/gestures/PressGestureRecognizer.h"

class CUI_PressGestureRecognizer final : public platform::PressGestureRecognizer {
public:
    using PressGestureRecognizer::PressGestureRecognizer;
};

#pragma once

// The runtime's own recognizer class, by the name programs and interface files give it; it
// recognizes what the platform's does.

#include "platform/views/gestures/RotationGestureRecognizer.h"

class CUI_RotationGestureRecognizer final : public platform::RotationGestureRecognizer {
public:
    using RotationGestureRecognizer::RotationGestureRecognizer;
};

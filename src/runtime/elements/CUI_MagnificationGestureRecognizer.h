#pragma once

// The runtime's own recognizer class, by the name programs and interface files give it; it
// recognizes what the platform's does.

#include "platform/views/gestures/MagnificationGestureRecognizer.h"

class CUI_MagnificationGestureRecognizer final : public platform::MagnificationGestureRecognizer {
public:
    using MagnificationGestureRecognizer::MagnificationGestureRecognizer;
};

#pragma once

// The runtime's own recognizer class, by the name programs and interface files give it; it
// recognizes what the platform's does.

#include "platform/views/gestures/PanGestureRecognizer.h"

class CUI_PanGestureRecognizer final : public platform::PanGestureRecognizer {
public:
    using PanGestureRecognizer::PanGestureRecognizer;
};

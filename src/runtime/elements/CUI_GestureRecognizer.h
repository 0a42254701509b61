#pragma once

// The runtime's own recognizer class for gestures no subclass names; like the platform's base,
// it recognizes nothing.

#include "platform/views/gestures/GestureRecognizer.h"

class CUI_GestureRecognizer final : public platform::GestureRecognizer {
public:
    using GestureRecognizer::GestureRecognizer;
};

#pragma once

#include "platform/windows/WindowController.h"

// The controller of every window the runtime creates; it adds nothing to the platform's.
class CUI_WindowController : public platform::WindowController {};

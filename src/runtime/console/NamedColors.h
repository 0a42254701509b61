#pragma once

// The platform's standard colours that programs pass to the console and to windows by name. All
// are opaque.

#include "platform/foundation/Object.h"

namespace platform {
class Color;
}

platform::Ref<platform::Color> ColorBlack();
platform::Ref<platform::Color> ColorCyan();
platform::Ref<platform::Color> ColorGreen();
platform::Ref<platform::Color> ColorOrange();
platform::Ref<platform::Color> ColorRed();
platform::Ref<platform::Color> ColorWhite();
platform::Ref<platform::Color> ColorYellow();

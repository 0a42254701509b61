#include "runtime/console/NamedColors.h"

#include "platform/drawing/Color.h"

platform::Ref<platform::Color> ColorBlack() {
    return platform::Color::blackColor();
}

platform::Ref<platform::Color> ColorCyan() {
    return platform::Color::cyanColor();
}

platform::Ref<platform::Color> ColorGreen() {
    return platform::Color::greenColor();
}

platform::Ref<platform::Color> ColorOrange() {
    return platform::Color::orangeColor();
}

platform::Ref<platform::Color> ColorRed() {
    return platform::Color::redColor();
}

platform::Ref<platform::Color> ColorWhite() {
    return platform::Color::whiteColor();
}

platform::Ref<platform::Color> ColorYellow() {
    return platform::Color::yellowColor();
}

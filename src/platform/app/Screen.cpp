#include "platform/app/Screen.h"

#include "platform/app/Application.h"
#include "platform/detail/ScreenGeometry.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

namespace {
QScreen* toolkitScreen(int index) {
    const auto screens = QGuiApplication::screens();
    return index >= 0 && index < screens.size() ? screens[index] : nullptr;
}
} // namespace

Screen::Screen(int index) : index_(index) {}

Ref<Screen> Screen::mainScreen() {
    Application::shared();
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary)
        return nullptr;
    return std::make_shared<Screen>(static_cast<int>(QGuiApplication::screens().indexOf(primary)));
}

std::vector<Ref<Screen>> Screen::screens() {
    Application::shared();
    std::vector<Ref<Screen>> result;
    for (int i = 0; i < QGuiApplication::screens().size(); ++i)
        result.push_back(std::make_shared<Screen>(i));
    return result;
}

Rect Screen::frame() const {
    const QScreen* screen = toolkitScreen(index_);
    return screen ? detail::fromToolkitScreenRect(screen->geometry()) : Rect{};
}

Rect Screen::visibleFrame() const {
    const QScreen* screen = toolkitScreen(index_);
    return screen ? detail::fromToolkitScreenRect(screen->availableGeometry()) : Rect{};
}

} // namespace platform

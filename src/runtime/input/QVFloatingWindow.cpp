#include "runtime/input/QVFloatingWindow.h"

#include "runtime/shell/Tags.h"

#include "platform/app/Application.h"
#include "platform/app/Screen.h"
#include "platform/drawing/AttributedString.h"
#include "platform/drawing/Color.h"
#include "platform/views/TextField.h"
#include "platform/views/View.h"
#include "platform/views/VisualEffectView.h"

#include <algorithm>
#include <memory>

using platform::Rect;
using platform::Ref;

QVFloatingWindow::QVFloatingWindow()
    : Window(Rect(0, 0, InitialWidth, Height), platform::WindowStyleMask::Borderless,
             platform::BackingStoreType::Buffered, true) {}

void QVFloatingWindow::buildBackground() {
    setHasShadow(true);
    setOpaque(false);
    setLevel(platform::WindowLevel::Floating);
    setReleasedWhenClosed(true);
    center();
    setDelegate(std::dynamic_pointer_cast<QVFloatingWindow>(shared_from_this()));
    setBackgroundColor(platform::Color::clearColor());
    contentView()->setWantsLayer(true);
    contentView()->setLayerCornerRadius(10.0);
    auto background =
        std::make_shared<platform::VisualEffectView>(Rect(0, 0, InitialWidth, Height));
    background->setAutoresizingMask(platform::AutoresizingMask::WidthSizable |
                                    platform::AutoresizingMask::HeightSizable);
    contentView()->addSubview(background);
}

Ref<platform::TextField> QVFloatingWindow::makeLabel(Rect frame) {
    auto label = std::make_shared<platform::TextField>(frame);
    label->setBordered(false);
    label->setDrawsBackground(false);
    label->setEditable(false);
    label->setSelectable(false);
    label->setTextColor(platform::Color::textColor());
    return label;
}

void QVFloatingWindow::center() {
    const auto ordered = platform::Application::shared()->orderedWindows();
    const Ref<platform::Window> front = ordered.empty() ? nullptr : ordered.front();
    const bool xGiven = xPos_ != kParamNotGiven;
    const bool yGiven = yPos_ != kParamNotGiven;
    if (front && front.get() != this) {
        const Rect content = front->contentRectForFrameRect(front->frame());
        const double x = content.minX() + (xGiven ? static_cast<double>(xPos_) : 20.0);
        const double y = yGiven ? content.maxY() - static_cast<double>(yPos_)
                                : content.minY() + (content.height() - frame().height()) * 0.5;
        setFrameOrigin({x, y});
        return;
    }
    if (!xGiven || !yGiven)
        Window::center();
    if (!xGiven && !yGiven)
        return;
    const auto screen = platform::Screen::mainScreen();
    const double screenHeight = screen ? screen->frame().height() : 0;
    setFrameOrigin({xGiven ? static_cast<double>(xPos_) : frame().minX(),
                    yGiven ? screenHeight - static_cast<double>(yPos_) : frame().minY()});
}

void QVFloatingWindow::mouseDown(const Ref<platform::Event>& event) {
    performWindowDragWithEvent(event);
}

void QVFloatingWindow::fitTexts(platform::TextField& label, platform::TextField& follower,
                                double minimumWidth) {
    const double labelWidth = label.attributedStringValue()->size().width;
    double followerX = 10.0;
    if (labelWidth > 0) {
        label.setFrameSize({labelWidth + 5.0, label.frame().height()});
        followerX = 10.0 + labelWidth + 5.0;
    }
    double followerWidth = follower.attributedStringValue()->size().width + 5.0;
    const Rect window = frame();
    double width = std::max(minimumWidth, followerX + followerWidth + 10.0);
    // A long text does not take the window off its screen: the field scrolls it instead.
    if (const auto screen = this->screen() ? this->screen() : platform::Screen::mainScreen()) {
        const Rect visible = screen->visibleFrame();
        const double room = std::min(visible.width(), visible.maxX() - window.minX());
        if (width > room) {
            width = std::max(minimumWidth, room);
            followerWidth = std::max(0.0, width - followerX - 10.0);
        }
    }
    follower.setFrame(
        Rect(followerX, follower.frame().minY(), followerWidth, follower.frame().height()));
    setFrameDisplay(Rect(window.origin, {width, window.height()}), true);
}

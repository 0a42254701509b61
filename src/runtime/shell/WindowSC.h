#pragma once

// The window the runtime creates while the window subclass request is set. It turns its own
// mouse and key events, and the question whether it can become key, into window events for the
// dialog callback, with its tag as both the tag and the window tag.

#include "platform/windows/Window.h"

#include <cstdint>

class WindowSC : public platform::Window {
public:
    using Window::Window;

    bool canBecomeKeyWindow() const override;
    void mouseDown(const platform::Ref<platform::Event>& event) override;
    void mouseUp(const platform::Ref<platform::Event>& event) override;
    void keyDown(const platform::Ref<platform::Event>& event) override;
    void keyUp(const platform::Ref<platform::Event>& event) override;
    void flagsChanged(const platform::Ref<platform::Event>& event) override;
    void mouseEntered(const platform::Ref<platform::Event>& event) override;
    void mouseExited(const platform::Ref<platform::Event>& event) override;
    // For a window loaded from an interface file: the integer of its identifier names it.
    void awakeFromNib() override;

private:
    enum class PassOn { UnlessHandled, Never };
    // The one path of every mouse and key event.
    void handle(std::int64_t code, const platform::Ref<platform::Event>& event, PassOn passOn);
};

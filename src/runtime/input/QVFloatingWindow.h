#pragma once

// The small rounded window both modal input windows are: borderless, floating over the
// program's windows, translucent where the window system composites, taking the keyboard
// although it has no title bar, and moved by dragging its background. It holds a label and a
// second text after it, is placed by the placement rule and is fitted to its two texts.

#include "platform/windows/Window.h"
#include "platform/windows/WindowDelegate.h"

#include <cstdint>

namespace platform {
class String;
class TextField;
} // namespace platform

class QVFloatingWindow : public platform::Window, public platform::WindowDelegate {
public:
    // The content size every input window starts with; the height never changes.
    static constexpr double InitialWidth = 110;
    static constexpr double Height = 36;

    // The requested position, or kParamNotGiven for an omitted coordinate.
    std::int64_t xPos() const { return xPos_; }
    void setXPos(std::int64_t x) { xPos_ = x; }
    std::int64_t yPos() const { return yPos_; }
    void setYPos(std::int64_t y) { yPos_ = y; }

    // The placement rule: relative to the front window's content when there is another window
    // in front, xPos points right of its left edge and the bottom edge yPos points below its
    // top edge; an omitted x is 20 points in, an omitted y centres the window vertically.
    // Without such a window, x is measured from the main screen's left edge and y down from its
    // top, and an omitted coordinate takes the platform's centring.
    void center();

    bool canBecomeKeyWindow() const override { return true; }
    // Dragging the background moves the window.
    void mouseDown(const platform::Ref<platform::Event>& event) override;

protected:
    QVFloatingWindow();
    // Gives the window its look and its background, places it and makes it its own delegate.
    // Needs the window to be owned by a Ref already.
    void buildBackground();
    // A label at the frame: no border, no background, neither editable nor selectable, in the
    // system text colour.
    static platform::Ref<platform::TextField> makeLabel(platform::Rect frame);
    // The fitting rule: the label as wide as its text plus 5 (unchanged while it is empty), the
    // follower 10 points in or 5 after the label and as wide as its text plus 5, and the window
    // 10 points wider than that but never narrower than minimumWidth, nor wider than the visible
    // frame of its screen leaves right of its left edge (the follower is narrowed and scrolls its
    // text). The window's left edge and height stay.
    void fitTexts(platform::TextField& label, platform::TextField& follower, double minimumWidth);

private:
    std::int64_t xPos_ = 0;
    std::int64_t yPos_ = 0;
};

#pragma once

#include "platform/views/View.h"

#include <cstdint>
#include <memory>

namespace platform {

class Color;

// When an insertion indicator shows, with the framework's values.
enum class TextInsertionIndicatorDisplayMode : std::int64_t {
    // Shown while its window is the key window, hidden otherwise.
    Automatic = 0,
    Hidden = 1,
    Visible = 2,
};

// The blinking caret of a text editor as a view of its own: a bar the width of the view, drawn in
// its colour, on and off at the desktop's cursor flash rate (always on when the desktop turns
// blinking off). A program places it where text would be inserted.
class TextInsertionIndicator : public View {
public:
    explicit TextInsertionIndicator(Rect frame = {});
    ~TextInsertionIndicator() override;

    TextInsertionIndicatorDisplayMode displayMode() const { return displayMode_; }
    // A new mode starts with the caret on, as typing does.
    void setDisplayMode(TextInsertionIndicatorDisplayMode mode);
    // The caret's colour; none draws it in the text colour.
    Ref<Color> color() const { return color_; }
    void setColor(Ref<Color> color);

    // Whether the caret is drawn now: the mode lets it show and the blink is in its on phase.
    bool isCaretOn() const;

    void drawRect(Rect dirtyRect) override;
    void viewDidMoveToWindow() override;

    // Internal to the platform: the blink timer beside the toolkit widget.
    struct Blink;

private:
    bool modeShows() const;

    std::unique_ptr<Blink> blink_;
    Ref<Color> color_;
    TextInsertionIndicatorDisplayMode displayMode_ = TextInsertionIndicatorDisplayMode::Automatic;
};

} // namespace platform

#pragma once

#include "platform/views/Cell.h"

#include <cstdint>

namespace platform {

class Color;

// What a cell is drawn on, with the framework's values: on a selected table row it is
// emphasized, and text of the control text colour is drawn in the highlighted-text colour.
enum class BackgroundStyle : std::int64_t { Normal = 0, Emphasized = 1, Raised = 2, Lowered = 3 };

// The cell of a text field: it also holds the colour of the text.
class TextFieldCell : public Cell {
public:
    TextFieldCell();
    ~TextFieldCell() override;

    // The control text colour at first.
    virtual Ref<Color> textColor() const { return textColor_; }
    // None sets the control text colour.
    void setTextColor(Ref<Color> color);
    BackgroundStyle backgroundStyle() const { return backgroundStyle_; }
    void setBackgroundStyle(BackgroundStyle style) { backgroundStyle_ = style; }

private:
    Ref<Color> textColor_;
    BackgroundStyle backgroundStyle_ = BackgroundStyle::Normal;
};

} // namespace platform

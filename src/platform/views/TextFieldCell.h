#pragma once

#include "platform/views/Cell.h"

namespace platform {

class Color;

// The cell of a text field: it also holds the colour of the text.
class TextFieldCell : public Cell {
public:
    TextFieldCell();
    ~TextFieldCell() override;

    // The control text colour at first.
    virtual Ref<Color> textColor() const { return textColor_; }
    // None sets the control text colour.
    void setTextColor(Ref<Color> color);

private:
    Ref<Color> textColor_;
};

} // namespace platform

#pragma once

// A table row view that tells the dialog callback when it draws the row's selection and its
// separator, with the rectangle in the record's rectVal, and whose selection colour the program
// chooses.

#include "platform/foundation/Geometry.h"
#include "platform/views/tables/TableRowView.h"

#include <cstdint>

namespace platform {
class Color;
}

class TableRowViewSC final : public platform::TableRowView {
public:
    using TableRowView::TableRowView;

    const platform::Ref<platform::Color>& selectionColorProp() const { return selectionColor_; }
    void setSelectionColorProp(platform::Ref<platform::Color> color) {
        selectionColor_ = std::move(color);
    }

    void drawSelectionInRect(platform::Rect rect);
    void drawSeparatorInRect(platform::Rect rect);
    // The dialog callback hears the code with 0 as both tags and this row view as the object.
    void forwardEvent(std::int64_t event);

private:
    platform::Ref<platform::Color> selectionColor_;
};

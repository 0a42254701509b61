#pragma once

#include "platform/views/View.h"

#include <cstdint>

namespace platform {

class Color;

// The kinds of box, with the framework's values.
enum class BoxType : std::int64_t {
    Primary = 0,   // a titled group frame, as the toolkit draws one
    Separator = 2, // a line across the middle of the box, along its longer side
    Custom = 4,    // a rectangle in the box's fill colour with a border in its border colour
};

// A frame that groups views. Programs put the grouped views into its content view, which fills
// the box inside its frame and follows its size. A new box is a primary box titled "Title".
class Box : public View {
public:
    explicit Box(Rect frame = {});
    ~Box() override;

    BoxType boxType() const { return type_; }
    void setBoxType(BoxType type);
    Ref<String> title() const { return title_; }
    void setTitle(Ref<String> title);
    Ref<Color> fillColor() const { return fillColor_; }
    void setFillColor(Ref<Color> color);
    Ref<Color> borderColor() const { return borderColor_; }
    void setBorderColor(Ref<Color> color);
    Ref<View> contentView() const;

    // Draws the separator and custom boxes; the toolkit draws a primary box after drawRect.
    void drawRect(Rect dirtyRect) override;

    // Internal to the platform: the toolkit side of the box.
    struct Toolkit;

private:
    void placeContent();

    std::unique_ptr<Toolkit> toolkit_;
    BoxType type_ = BoxType::Primary;
    Ref<String> title_;
    Ref<Color> fillColor_;
    Ref<Color> borderColor_;
    Ref<View> contentView_;
};

} // namespace platform

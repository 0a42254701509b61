#pragma once

#include "platform/views/Control.h"

#include <cstdint>

namespace platform {

class Image;

// How an image view fits its image into itself, with the framework's values.
enum class ImageScaling : std::int64_t {
    ProportionallyDown = 0,     // shrunk to fit, keeping its proportions; never enlarged
    AxesIndependently = 1,      // stretched to fill the view
    None = 2,                   // as it is, centred, cut off at the edges
    ProportionallyUpOrDown = 3, // as large as fits, keeping its proportions
};

// The frames an image view draws round its image, with the framework's values.
enum class ImageFrameStyle : std::int64_t {
    None = 0,
    Photo = 1,
    GrayBezel = 2,
    Groove = 3,
    Button = 4
};

// Shows an image, centred. Its object value is the image. A new image view has no image,
// shrinks images proportionally and draws no frame.
class ImageView : public Control {
public:
    explicit ImageView(Rect frame = {});
    ~ImageView() override;

    Ref<Image> image() const { return image_; }
    void setImage(Ref<Image> image);
    ImageScaling imageScaling() const { return scaling_; }
    void setImageScaling(ImageScaling scaling);
    ImageFrameStyle imageFrameStyle() const { return frameStyle_; }
    void setImageFrameStyle(ImageFrameStyle style);

    // The image has no number.
    double doubleValue() const override { return 0; }
    void setDoubleValue(double) override {}
    Ref<Object> objectValue() const override;
    // An object that is no image removes the image.
    void setObjectValue(const Ref<Object>& object) override;

    // Internal to the platform: the toolkit side of the view, which draws the image.
    struct Toolkit;

private:
    std::unique_ptr<Toolkit> toolkit_;
    Ref<Image> image_;
    ImageScaling scaling_ = ImageScaling::ProportionallyDown;
    ImageFrameStyle frameStyle_ = ImageFrameStyle::None;
};

} // namespace platform

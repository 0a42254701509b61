#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

class Image;

// A mouse pointer: one of the desktop's standard shapes, or an image with the point of it that
// the pointer's position names (the hot spot, from the image's top left).
class Cursor : public Object {
public:
    enum class Shape : std::int64_t {
        Arrow,
        IBeam,
        PointingHand,
        Crosshair,
        OpenHand,
        ClosedHand,
        ResizeLeftRight,
        ResizeUpDown,
        OperationNotAllowed
    };

    explicit Cursor(Shape shape);
    Cursor(Ref<Image> image, Point hotSpot);

    static Ref<Cursor> arrowCursor() { return std::make_shared<Cursor>(Shape::Arrow); }
    static Ref<Cursor> IBeamCursor() { return std::make_shared<Cursor>(Shape::IBeam); }
    static Ref<Cursor> pointingHandCursor() {
        return std::make_shared<Cursor>(Shape::PointingHand);
    }
    static Ref<Cursor> crosshairCursor() { return std::make_shared<Cursor>(Shape::Crosshair); }

    Shape shape() const { return shape_; }
    // None for a standard shape.
    Ref<Image> image() const { return image_; }
    Point hotSpot() const { return hotSpot_; }

    // Makes this the pointer over every window of the application.
    void set();
    // The cursor set last, or none before any.
    static Ref<Cursor> currentCursor();

private:
    Shape shape_ = Shape::Arrow;
    Ref<Image> image_;
    Point hotSpot_;
};

} // namespace platform

#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

// Line caps with the framework's values.
enum class LineCapStyle : std::uint64_t { Butt = 0, Round = 1, Square = 2 };

// A path of straight and curved segments, filled and stroked in the current colour of the
// drawing in progress. A line width of 0 strokes the thinnest line the device can show.
class BezierPath : public Object {
public:
    BezierPath();
    ~BezierPath() override;
    static Ref<BezierPath> bezierPath();
    static Ref<BezierPath> bezierPathWithRect(Rect rect);
    // The ellipse inscribed in the rectangle.
    static Ref<BezierPath> bezierPathWithOvalInRect(Rect rect);

    void moveToPoint(Point point);
    void lineToPoint(Point point);
    void closePath();

    double lineWidth() const { return lineWidth_; }
    void setLineWidth(double width) { lineWidth_ = width; }
    LineCapStyle lineCapStyle() const { return lineCapStyle_; }
    void setLineCapStyle(LineCapStyle style) { lineCapStyle_ = style; }
    // Alternating lengths of dashes and gaps in points, starting phase points into the
    // pattern; no lengths make a solid line. An odd count of lengths repeats once over.
    void setLineDashCountPhase(const double* pattern, std::size_t count, double phase);
    const std::vector<double>& lineDashPattern() const { return dashPattern_; }
    double lineDashPhase() const { return dashPhase_; }

    Rect bounds() const;

    void fill() const;
    void stroke() const;

private:
    struct Path;
    std::unique_ptr<Path> path_;
    double lineWidth_ = 1;
    LineCapStyle lineCapStyle_ = LineCapStyle::Butt;
    std::vector<double> dashPattern_;
    double dashPhase_ = 0;
};

} // namespace platform

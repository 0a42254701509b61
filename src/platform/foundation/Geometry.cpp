#include "platform/foundation/Geometry.h"

#include <algorithm>
#include <ostream>

namespace platform {

Rect Rect::intersection(const Rect& other) const {
    const double x1 = std::max(minX(), other.minX());
    const double y1 = std::max(minY(), other.minY());
    const double x2 = std::min(maxX(), other.maxX());
    const double y2 = std::min(maxY(), other.maxY());
    if (x2 <= x1 || y2 <= y1)
        return {};
    return {x1, y1, x2 - x1, y2 - y1};
}

Rect Rect::unionWith(const Rect& other) const {
    if (isEmpty())
        return other;
    if (other.isEmpty())
        return *this;
    const double x1 = std::min(minX(), other.minX());
    const double y1 = std::min(minY(), other.minY());
    return {x1, y1, std::max(maxX(), other.maxX()) - x1, std::max(maxY(), other.maxY()) - y1};
}

std::ostream& operator<<(std::ostream& out, const Point& point) {
    return out << '{' << point.x << ", " << point.y << '}';
}

std::ostream& operator<<(std::ostream& out, const Size& size) {
    return out << '{' << size.width << ", " << size.height << '}';
}

std::ostream& operator<<(std::ostream& out, const Rect& rect) {
    return out << '{' << rect.origin << ", " << rect.size << '}';
}

std::ostream& operator<<(std::ostream& out, const Range& range) {
    return out << '{' << range.location << ", " << range.length << '}';
}

} // namespace platform

#pragma once

#include <cstdint>
#include <iosfwd>

namespace platform {

struct Point {
    double x = 0;
    double y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    double width = 0;
    double height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    Point origin;
    Size size;

    Rect() = default;
    Rect(Point o, Size s) : origin(o), size(s) {}
    Rect(double x, double y, double width, double height) : origin{x, y}, size{width, height} {}

    double minX() const { return origin.x; }
    double minY() const { return origin.y; }
    double maxX() const { return origin.x + size.width; }
    double maxY() const { return origin.y + size.height; }
    double midX() const { return origin.x + size.width / 2; }
    double midY() const { return origin.y + size.height / 2; }
    double width() const { return size.width; }
    double height() const { return size.height; }

    // The framework's empty test: no area, including negative sizes.
    bool isEmpty() const { return !(size.width > 0 && size.height > 0); }
    // Half-open containment: the minimum edges are inside, the maximum edges are not.
    bool containsPoint(Point p) const {
        return p.x >= minX() && p.x < maxX() && p.y >= minY() && p.y < maxY();
    }
    Rect insetBy(double dx, double dy) const {
        return {origin.x + dx, origin.y + dy, size.width - 2 * dx, size.height - 2 * dy};
    }
    Rect offsetBy(double dx, double dy) const {
        return {origin.x + dx, origin.y + dy, size.width, size.height};
    }
    // The common area of two rectangles; an empty rectangle at the origin when they do not meet.
    Rect intersection(const Rect& other) const;
    bool intersects(const Rect& other) const { return !intersection(other).isEmpty(); }
    // The smallest rectangle holding both; an empty rectangle does not count.
    Rect unionWith(const Rect& other) const;

    friend bool operator==(const Rect&, const Rect&) = default;
};

// Distances in from each edge of a rectangle as it stands on screen: the top is the edge a
// flipped view counts from.
struct EdgeInsets {
    double top = 0;
    double left = 0;
    double bottom = 0;
    double right = 0;
    friend bool operator==(const EdgeInsets&, const EdgeInsets&) = default;
};

// The framework's "not found" location.
inline constexpr std::int64_t NotFound = INT64_MAX;

struct Range {
    std::int64_t location = 0;
    std::int64_t length = 0;
    std::int64_t maxRange() const { return location + length; }
    bool contains(std::int64_t index) const { return index >= location && index < maxRange(); }
    friend bool operator==(const Range&, const Range&) = default;
};

// Readable forms for logs and test failures: "{1, 2}", "{3, 4}", "{{1, 2}, {3, 4}}".
std::ostream& operator<<(std::ostream& out, const Point& point);
std::ostream& operator<<(std::ostream& out, const Size& size);
std::ostream& operator<<(std::ostream& out, const Rect& rect);
std::ostream& operator<<(std::ostream& out, const Range& range);

} // namespace platform

#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>
#include <vector>

namespace platform {

// Text alignment with the framework's values. Right and centre are numbered differently on
// 64-bit Arm than on 64-bit Intel, and a build takes the numbering of its own processor.
namespace TextAlignment {
#if defined(__aarch64__) || defined(__arm64__)
inline constexpr bool armNumbering = true;
#else
inline constexpr bool armNumbering = false;
#endif
inline constexpr std::int64_t Left = 0;
inline constexpr std::int64_t Right = armNumbering ? 2 : 1;
inline constexpr std::int64_t Center = armNumbering ? 1 : 2;
inline constexpr std::int64_t Justified = 3;
inline constexpr std::int64_t Natural = 4;
} // namespace TextAlignment

// How the lines of a paragraph are laid out; here, where its tabs stop. A tab moves the text
// to the first explicit tab stop past it, and beyond the last stop to the next multiple of the
// default tab interval. Positions count from the start of the line's text.
class ParagraphStyle : public Object {
public:
    static Ref<ParagraphStyle> paragraphStyle();

    double defaultTabInterval() const { return defaultTabInterval_; }
    void setDefaultTabInterval(double interval) { defaultTabInterval_ = interval; }
    // Tab stop locations in points, kept in ascending order.
    const std::vector<double>& tabStops() const { return tabStops_; }
    void setTabStops(std::vector<double> stops);

    // Where a tab at x moves the text: past x, to the next stop; x itself when there is none.
    double nextTabStopAfter(double x) const;

    Ref<String> description() const override;
    bool isEqual(const Object& other) const override;
    std::size_t hash() const override;

private:
    double defaultTabInterval_ = 0;
    std::vector<double> tabStops_;
};

} // namespace platform

#include "platform/drawing/ParagraphStyle.h"

#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace platform {

Ref<ParagraphStyle> ParagraphStyle::paragraphStyle() {
    return std::make_shared<ParagraphStyle>();
}

void ParagraphStyle::setTabStops(std::vector<double> stops) {
    std::sort(stops.begin(), stops.end());
    tabStops_ = std::move(stops);
}

double ParagraphStyle::nextTabStopAfter(double x) const {
    const auto stop = std::upper_bound(tabStops_.begin(), tabStops_.end(), x);
    if (stop != tabStops_.end())
        return *stop;
    if (defaultTabInterval_ <= 0)
        return x;
    return (std::floor(x / defaultTabInterval_) + 1) * defaultTabInterval_;
}

Ref<String> ParagraphStyle::description() const {
    std::string text = "Tab interval " + shortestDecimal(defaultTabInterval_) + ", tab stops (";
    for (std::size_t i = 0; i < tabStops_.size(); ++i)
        text += (i ? ", " : "") + shortestDecimal(tabStops_[i]);
    return String::fromUtf8(text + ")");
}

bool ParagraphStyle::isEqual(const Object& other) const {
    const auto* style = dynamic_cast<const ParagraphStyle*>(&other);
    return style && style->defaultTabInterval_ == defaultTabInterval_ &&
           style->tabStops_ == tabStops_;
}

std::size_t ParagraphStyle::hash() const {
    return std::hash<double>()(defaultTabInterval_) ^ tabStops_.size();
}

} // namespace platform

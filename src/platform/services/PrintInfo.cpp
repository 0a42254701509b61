#include "platform/services/PrintInfo.h"

#include <algorithm>

namespace platform {

PrintInfo::PrintInfo() = default;

Ref<PrintInfo> PrintInfo::sharedPrintInfo() {
    static const auto info = std::make_shared<PrintInfo>();
    return info;
}

Ref<PrintInfo> PrintInfo::copy() const {
    auto made = std::make_shared<PrintInfo>();
    made->paperSize_ = paperSize_;
    made->orientation_ = orientation_;
    std::copy(std::begin(margins_), std::end(margins_), made->margins_);
    made->jobSavingURL_ = jobSavingURL_;
    return made;
}

Size PrintInfo::printableSize() const {
    const bool landscape = orientation_ == PaperOrientation::Landscape;
    const double width = landscape ? paperSize_.height : paperSize_.width;
    const double height = landscape ? paperSize_.width : paperSize_.height;
    return {std::max(0.0, width - leftMargin() - rightMargin()),
            std::max(0.0, height - topMargin() - bottomMargin())};
}

} // namespace platform

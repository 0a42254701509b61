#include "platform/views/controls/PathControlDelegate.h"

#include "platform/app/DraggingInfo.h"

namespace platform {

PathControlDelegate::~PathControlDelegate() = default;

std::uint64_t PathControlDelegate::pathControlValidateDrop(const Ref<PathControl>&,
                                                           const Ref<DraggingInfo>&) {
    return DragOperation::Copy;
}

bool PathControlDelegate::pathControlAcceptDrop(const Ref<PathControl>&, const Ref<DraggingInfo>&) {
    return true;
}

void PathControlDelegate::pathControlWillDisplayOpenPanel(const Ref<PathControl>&,
                                                          const Ref<OpenPanel>&) {}

void PathControlDelegate::pathControlWillPopUpMenu(const Ref<PathControl>&, const Ref<Menu>&) {}

} // namespace platform

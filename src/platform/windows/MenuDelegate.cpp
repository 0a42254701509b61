#include "platform/windows/MenuDelegate.h"

namespace platform {

MenuDelegate::~MenuDelegate() = default;
void MenuDelegate::menuNeedsUpdate(const Ref<Menu>&) {}
void MenuDelegate::menuWillOpen(const Ref<Menu>&) {}
void MenuDelegate::menuDidClose(const Ref<Menu>&) {}
void MenuDelegate::menuWillHighlightItem(const Ref<Menu>&, const Ref<MenuItem>&) {}

} // namespace platform

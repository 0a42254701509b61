#include "platform/ToolbarItem.h"

#include "platform/Image.h"
#include "platform/String.h"
#include "platform/Toolbar.h"
#include "platform/View.h"

namespace platform {

ToolbarItem::ToolbarItem(Ref<String> itemIdentifier)
    : itemIdentifier_(itemIdentifier ? std::move(itemIdentifier) : String::create()),
      label_(String::create()), paletteLabel_(String::create()) {}

ToolbarItem::~ToolbarItem() = default;

Ref<Toolbar> ToolbarItem::toolbar() const {
    return toolbar_.lock();
}

void ToolbarItem::setLabel(Ref<String> label) {
    label_ = label ? std::move(label) : String::create();
    changed();
}

void ToolbarItem::setToolTip(Ref<String> toolTip) {
    toolTip_ = std::move(toolTip);
    changed();
}

void ToolbarItem::setView(Ref<View> view) {
    view_ = std::move(view);
    changed();
}

void ToolbarItem::setImage(Ref<Image> image) {
    image_ = std::move(image);
    changed();
}

void ToolbarItem::setEnabled(bool enabled) {
    enabled_ = enabled;
    changed();
}

void ToolbarItem::changed() {
    if (const auto owner = toolbar_.lock())
        owner->changed();
}

} // namespace platform

#include "platform/windows/ToolbarItem.h"

#include "platform/drawing/Image.h"
#include "platform/foundation/String.h"
#include "platform/views/View.h"
#include "platform/windows/Toolbar.h"
#include "platform/windows/ToolbarItemValidation.h"

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

bool ToolbarItem::isValidated() {
    const auto receiver = target();
    auto* validation = dynamic_cast<ToolbarItemValidation*>(receiver.get());
    return validation
               ? validation->validateToolbarItem(std::static_pointer_cast<ToolbarItem>(self()))
               : enabled_;
}

bool ToolbarItem::performAction() {
    const auto receiver = target();
    if (action_.isNull() || !receiver)
        return false;
    return action_.performOn(*receiver, self());
}

void ToolbarItem::changed() {
    if (const auto owner = toolbar_.lock())
        owner->changed();
}

} // namespace platform

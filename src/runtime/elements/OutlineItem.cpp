#include "runtime/elements/OutlineItem.h"

#include "platform/drawing/Image.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/String.h"

using platform::Array;
using platform::Dictionary;
using platform::Ref;

// Strings and images cannot change, so keeping the program's is keeping a copy.
OutlineItem::OutlineItem(Ref<platform::String> string, Ref<platform::Image> image, bool isGroup)
    : isGroup_(isGroup), string_(std::move(string)), image_(std::move(image)),
      children_(Array::array()), attributes_(Dictionary::dictionary()) {}

OutlineItem::OutlineItem(const Ref<Dictionary>& columns, bool isGroup)
    : isGroup_(isGroup), children_(Array::array()), attributes_(Dictionary::dictionary()) {
    if (!columns)
        return;
    columns_ = Dictionary::dictionary();
    for (const auto& entry : *columns)
        columns_->setObjectForKey(entry.value, entry.key);
}

void OutlineItem::setChildren(Ref<Array> value) {
    children_ = value ? std::move(value) : Array::array();
}

void OutlineItem::setAttributes(Ref<Dictionary> value) {
    attributes_ = value ? std::move(value) : Dictionary::dictionary();
}

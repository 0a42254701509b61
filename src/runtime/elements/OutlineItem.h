#pragma once

// One node of the tree an outline view shows: its text and image, or one text and image per
// column of a multi-column outline, its children in display order, and free attributes a
// program keeps with it. A group can have children and is shown expandable, even with none.

#include "platform/foundation/Object.h"

namespace platform {
class Array;
class Dictionary;
class Image;
class String;
} // namespace platform

class OutlineItem : public platform::Object {
public:
    // The node shows the text and the image in every column.
    OutlineItem(platform::Ref<platform::String> string, platform::Ref<platform::Image> image,
                bool isGroup);
    // The node shows, under each column identifier, the text and image of the node stored
    // there. The dictionary is copied, so later changes to the program's own leave it alone.
    OutlineItem(const platform::Ref<platform::Dictionary>& columns, bool isGroup);

    bool isGroup() const { return isGroup_; }
    void setIsGroup(bool value) { isGroup_ = value; }
    const platform::Ref<platform::String>& string() const { return string_; }
    void setString(platform::Ref<platform::String> value) { string_ = std::move(value); }
    const platform::Ref<platform::Image>& image() const { return image_; }
    void setImage(platform::Ref<platform::Image> value) { image_ = std::move(value); }
    const platform::Ref<platform::Array>& children() const { return children_; }
    // A node always has a list of children, empty when given none.
    void setChildren(platform::Ref<platform::Array> value);
    const platform::Ref<platform::Dictionary>& columns() const { return columns_; }
    void setColumns(platform::Ref<platform::Dictionary> value) { columns_ = std::move(value); }
    const platform::Ref<platform::Dictionary>& attributes() const { return attributes_; }
    void setAttributes(platform::Ref<platform::Dictionary> value);

private:
    bool isGroup_ = false;
    platform::Ref<platform::String> string_;
    platform::Ref<platform::Image> image_;
    platform::Ref<platform::Array> children_;
    platform::Ref<platform::Dictionary> columns_;
    platform::Ref<platform::Dictionary> attributes_;
};

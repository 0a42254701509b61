#pragma once

#include "platform/foundation/Object.h"
#include "platform/foundation/Selector.h"

#include <cstdint>

namespace platform {

class Image;
class String;
class Toolbar;
class View;

// One item of a toolbar: either a view of its own, or a button made of its image and label that
// sends its action to its target when clicked. Changes to an item in a toolbar that a window
// shows appear at once.
class ToolbarItem : public Object {
public:
    explicit ToolbarItem(Ref<String> itemIdentifier);
    ~ToolbarItem() override;

    Ref<String> itemIdentifier() const { return itemIdentifier_; }
    // The toolbar the item is in, or none.
    Ref<Toolbar> toolbar() const;

    Ref<String> label() const { return label_; }
    void setLabel(Ref<String> label);
    Ref<String> paletteLabel() const { return paletteLabel_; }
    void setPaletteLabel(Ref<String> label) { paletteLabel_ = std::move(label); }
    Ref<String> toolTip() const { return toolTip_; }
    void setToolTip(Ref<String> toolTip);
    // 0 unless set.
    std::int64_t tag() const { return tag_; }
    void setTag(std::int64_t tag) { tag_ = tag; }
    // A view shown in place of the image and label; its window is the toolbar's window.
    Ref<View> view() const { return view_; }
    void setView(Ref<View> view);
    Ref<Image> image() const { return image_; }
    void setImage(Ref<Image> image);
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    Selector action() const { return action_; }
    void setAction(Selector action) { action_ = std::move(action); }
    Ref<Object> target() const { return target_.lock(); }
    void setTarget(const Ref<Object>& target) { target_ = target; }
    // Whether the user can choose the item now: its target's answer when the target validates
    // its items (ToolbarItemValidation), else its own enabled state.
    bool isValidated();
    // Sends the action to the target, whether validated or not (a click validates first);
    // answers whether the target performed it.
    bool performAction();

private:
    friend class Toolbar;
    void changed();

    Ref<String> itemIdentifier_;
    WeakRef<Toolbar> toolbar_;
    Ref<String> label_;
    Ref<String> paletteLabel_;
    Ref<String> toolTip_;
    std::int64_t tag_ = 0;
    Ref<View> view_;
    Ref<Image> image_;
    bool enabled_ = true;
    Selector action_;
    WeakRef<Object> target_;
};

} // namespace platform

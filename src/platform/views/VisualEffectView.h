#pragma once

#include "platform/views/View.h"

#include <cstdint>

namespace platform {

class Color;

// Materials with the framework's values: the kind of surface the view stands for.
enum class VisualEffectMaterial : std::int64_t {
    AppearanceBased = 0,
    Light = 1,
    Dark = 2,
    Titlebar = 3,
    Selection = 4,
    Menu = 5,
    Popover = 6,
    Sidebar = 7,
    MediumLight = 8,
    UltraDark = 9,
    HeaderView = 10,
    Sheet = 11,
    WindowBackground = 12,
    HUDWindow = 13,
    FullScreenUI = 15,
    ToolTip = 17,
    ContentBackground = 18,
    UnderWindowBackground = 21,
    UnderPageBackground = 22,
};

// What shows through the view: what lies behind the window, or the window's own content
// behind the view.
enum class VisualEffectBlendingMode : std::int64_t { BehindWindow = 0, WithinWindow = 1 };

// Whether the view looks active: as its window does, always, or never.
enum class VisualEffectState : std::int64_t {
    FollowsWindowActiveState = 0,
    Active = 1,
    Inactive = 2,
};

// A translucent surface in the colour of its material, as panels and popovers use behind
// their content. Active, it is translucent, so what lies behind it tints it (behind a window
// only where the window system composites; elsewhere the window is drawn opaque); inactive it
// is opaque. The view rounds nothing itself: a layer-backed superview with a corner radius, or
// a borderless window whose content view has one, gives it its rounded shape.
class VisualEffectView : public View {
public:
    explicit VisualEffectView(Rect frame = {});

    VisualEffectMaterial material() const { return material_; }
    void setMaterial(VisualEffectMaterial material);
    VisualEffectBlendingMode blendingMode() const { return blendingMode_; }
    void setBlendingMode(VisualEffectBlendingMode mode);
    VisualEffectState state() const { return state_; }
    void setState(VisualEffectState state);

    // The colour the view paints in its present state.
    Ref<Color> effectColor() const;
    void drawRect(Rect dirtyRect) override;

private:
    bool looksActive() const;

    VisualEffectMaterial material_ = VisualEffectMaterial::AppearanceBased;
    VisualEffectBlendingMode blendingMode_ = VisualEffectBlendingMode::BehindWindow;
    VisualEffectState state_ = VisualEffectState::FollowsWindowActiveState;
};

} // namespace platform

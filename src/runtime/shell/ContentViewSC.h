#pragma once

// The content view of every window the runtime creates. While subclassFlag is off it leaves its
// mouse and key events to the platform; while it is on, it turns them and its drawing into
// content-view events for the dialog callback, with kContentViewTag as the tag.

#include "platform/foundation/Object.h"
#include "platform/views/View.h"

#include <cstdint>

namespace platform {
class Array;
}

class ContentViewSC : public platform::View {
public:
    explicit ContentViewSC(platform::Rect frame);

    void drawRect(platform::Rect dirtyRect) override;
    void mouseDown(const platform::Ref<platform::Event>& event) override;
    void mouseUp(const platform::Ref<platform::Event>& event) override;
    void mouseEntered(const platform::Ref<platform::Event>& event) override;
    void mouseExited(const platform::Ref<platform::Event>& event) override;
    void mouseDragged(const platform::Ref<platform::Event>& event) override;
    void mouseMoved(const platform::Ref<platform::Event>& event) override;
    void rightMouseDown(const platform::Ref<platform::Event>& event) override;
    void rightMouseUp(const platform::Ref<platform::Event>& event) override;
    void rightMouseDragged(const platform::Ref<platform::Event>& event) override;
    bool acceptsFirstResponder() const override { return responderFlag_; }
    void keyDown(const platform::Ref<platform::Event>& event) override;
    void keyUp(const platform::Ref<platform::Event>& event) override;
    void flagsChanged(const platform::Ref<platform::Event>& event) override;
    bool isFlipped() const override { return flip_; }
    // Each move to a window adds a tracking area over the bounds for entering, leaving and
    // moving, active always; a size change renews the first of them.
    void viewWillMoveToWindow(platform::Window* window) override;
    void updateTrackingAreas() override;
    // Reported always, with the view's tag and its window's tag; the cursor rectangles also
    // make the window the current output window.
    void resetCursorRects() override;
    void viewDidChangeEffectiveAppearance() override;
    // The callback may replace the view's own menu (prepared in the record's menuObj).
    platform::Ref<platform::Menu>
    menuForEvent(const platform::Ref<platform::Event>& event) override;
    // Files dropped on the view, once it registered for the file-names type. With neither
    // dragFileTypes nor dragFileExtensions set, every file passes.
    std::uint64_t draggingEntered(const platform::Ref<platform::DraggingInfo>& sender) override;
    void draggingExited(const platform::Ref<platform::DraggingInfo>& sender) override;
    bool performDragOperation(const platform::Ref<platform::DraggingInfo>& sender) override;

    bool flip() const { return flip_; }
    void setFlip(bool flip) { flip_ = flip; }
    bool subclassFlag() const { return subclassFlag_; }
    void setSubclassFlag(bool flag) { subclassFlag_ = flag; }
    bool responderFlag() const { return responderFlag_; }
    void setResponderFlag(bool flag) { responderFlag_ = flag; }
    bool dragInside() const { return dragInside_; }
    void setDragInside(bool inside) { dragInside_ = inside; }
    platform::Ref<platform::Array> dragFileTypes() const { return dragFileTypes_; }
    void setDragFileTypes(platform::Ref<platform::Array> types) {
        dragFileTypes_ = std::move(types);
    }
    platform::Ref<platform::Array> dragFileExtensions() const { return dragFileExtensions_; }
    void setDragFileExtensions(platform::Ref<platform::Array> extensions) {
        dragFileExtensions_ = std::move(extensions);
    }

private:
    // How a mouse or key event goes on after the callback.
    enum class PassOn { UnlessHandled, Never };
    // The one path of every mouse and key event.
    void handle(std::int64_t code, const platform::Ref<platform::Event>& event, PassOn passOn);
    // The window tag content-view events carry: the window's tag as it is, 0 without a window.
    std::int64_t windowTag() const;
    struct FileDropTarget dropTarget();

    bool flip_ = false;
    bool subclassFlag_ = false;
    bool responderFlag_ = false;
    bool dragInside_ = false;
    platform::Ref<platform::Array> dragFileTypes_;
    platform::Ref<platform::Array> dragFileExtensions_;
};

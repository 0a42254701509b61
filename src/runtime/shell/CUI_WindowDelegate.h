#pragma once

// The delegate of every window the runtime creates. Each notification and question of a window
// becomes a window event (see EventCodes.h): the delegate prepares the shared event record with
// the default answer, hands the event to exactly one receiver through
// windowForwardEventTagObj, and answers what the record holds afterwards.

#include "runtime/shell/Callbacks.h"

#include "platform/app/DraggingDestination.h"
#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"
#include "platform/windows/WindowDelegate.h"

#include <cstdint>

namespace platform {
class Array;
class Window;
} // namespace platform

class CUI_WindowDelegate : public platform::Object,
                           public platform::WindowDelegate,
                           public platform::DraggingDestination {
public:
    // The one delegate, created on first use.
    static platform::Ref<CUI_WindowDelegate> shared();

    // The window's own callback, else allWindowsCallback (both with the window's tag and its
    // user data), else the dialog callback with the event's tag and object, else nobody.
    void windowForwardEventTagObj(const platform::Ref<platform::Window>& window, std::int64_t event,
                                  std::int64_t tag, const platform::Ref<platform::Object>& object);

    platform::Rect windowWillPositionSheetUsingRect(const platform::Ref<platform::Window>& window,
                                                    const platform::Ref<platform::Window>& sheet,
                                                    platform::Rect rect) override;
    void windowWillBeginSheet(const platform::Ref<platform::Notification>& notification) override;
    void windowDidEndSheet(const platform::Ref<platform::Notification>& notification) override;
    platform::Size windowWillResizeToSize(const platform::Ref<platform::Window>& window,
                                          platform::Size frameSize) override;
    void windowDidResize(const platform::Ref<platform::Notification>& notification) override;
    void
    windowWillStartLiveResize(const platform::Ref<platform::Notification>& notification) override;
    void windowDidEndLiveResize(const platform::Ref<platform::Notification>& notification) override;
    void windowWillMiniaturize(const platform::Ref<platform::Notification>& notification) override;
    void windowDidMiniaturize(const platform::Ref<platform::Notification>& notification) override;
    void windowDidDeminiaturize(const platform::Ref<platform::Notification>& notification) override;
    platform::Rect
    windowWillUseStandardFrameDefaultFrame(const platform::Ref<platform::Window>& window,
                                           platform::Rect newFrame) override;
    bool windowShouldZoomToFrame(const platform::Ref<platform::Window>& window,
                                 platform::Rect newFrame) override;
    platform::Size windowWillUseFullScreenContentSize(const platform::Ref<platform::Window>& window,
                                                      platform::Size proposedSize) override;
    std::uint64_t
    windowWillUseFullScreenPresentationOptions(const platform::Ref<platform::Window>& window,
                                               std::uint64_t proposedOptions) override;
    void
    windowWillEnterFullScreen(const platform::Ref<platform::Notification>& notification) override;
    void
    windowDidEnterFullScreen(const platform::Ref<platform::Notification>& notification) override;
    void
    windowWillExitFullScreen(const platform::Ref<platform::Notification>& notification) override;
    void
    windowDidExitFullScreen(const platform::Ref<platform::Notification>& notification) override;
    void windowDidFailToEnterFullScreen(const platform::Ref<platform::Window>& window) override;
    void windowDidFailToExitFullScreen(const platform::Ref<platform::Window>& window) override;
    void windowWillMove(const platform::Ref<platform::Notification>& notification) override;
    void windowDidMove(const platform::Ref<platform::Notification>& notification) override;
    void windowDidChangeScreen(const platform::Ref<platform::Notification>& notification) override;
    bool windowShouldClose(const platform::Ref<platform::Window>& window) override;
    // Forwards the event; then a window that is released when closed leaves the application
    // delegate's list and answers to its tag no more.
    void windowWillClose(const platform::Ref<platform::Notification>& notification) override;
    void windowDidBecomeKey(const platform::Ref<platform::Notification>& notification) override;
    void windowDidResignKey(const platform::Ref<platform::Notification>& notification) override;
    void windowDidBecomeMain(const platform::Ref<platform::Notification>& notification) override;
    void windowDidResignMain(const platform::Ref<platform::Notification>& notification) override;
    void windowDidUpdate(const platform::Ref<platform::Notification>& notification) override;
    bool windowShouldPopUpDocumentPathMenu(const platform::Ref<platform::Window>& window,
                                           const platform::Ref<platform::Object>& menu) override;

    // Files dropped on a window that registered for the file-names type and whose views did not
    // take them. They go straight to the dialog callback, with the window's tag as both tags,
    // and pass only when they conform to dragFileTypes, or else have one of dragFileExtensions.
    std::uint64_t draggingEntered(const platform::Ref<platform::DraggingInfo>& sender) override;
    void draggingExited(const platform::Ref<platform::DraggingInfo>& sender) override;
    bool performDragOperation(const platform::Ref<platform::DraggingInfo>& sender) override;

    bool boolVal() const { return boolVal_; }
    void setBoolVal(bool value) { boolVal_ = value; }
    bool dragInside() const { return dragInside_; }
    void setDragInside(bool value) { dragInside_ = value; }
    WindowCallback allWindowsCallback() const { return allWindowsCallback_; }
    void setAllWindowsCallback(WindowCallback callback) { allWindowsCallback_ = callback; }
    platform::Ref<platform::Array> dragFileTypes() const { return dragFileTypes_; }
    void setDragFileTypes(platform::Ref<platform::Array> types) {
        dragFileTypes_ = std::move(types);
    }
    platform::Ref<platform::Array> dragFileExtensions() const { return dragFileExtensions_; }
    void setDragFileExtensions(platform::Ref<platform::Array> extensions) {
        dragFileExtensions_ = std::move(extensions);
    }
    platform::Size sizeVal() const { return sizeVal_; }
    void setSizeVal(platform::Size size) { sizeVal_ = size; }
    platform::Rect rectVal() const { return rectVal_; }
    void setRectVal(platform::Rect rect) { rectVal_ = rect; }

private:
    // The one path of every window event: sets the current output window when the event's row
    // says so, then forwards the event with the window's tag.
    void deliver(std::int64_t event, const platform::Ref<platform::Window>& window,
                 const platform::Ref<platform::Object>& object = nullptr);
    void deliver(std::int64_t event, const platform::Ref<platform::Notification>& notification);
    struct FileDropTarget dropTarget(const platform::Ref<platform::DraggingInfo>& drag);

    bool boolVal_ = false;
    bool dragInside_ = false;
    WindowCallback allWindowsCallback_ = nullptr;
    platform::Ref<platform::Array> dragFileTypes_;
    platform::Ref<platform::Array> dragFileExtensions_;
    platform::Size sizeVal_;
    platform::Rect rectVal_;
};

// Installs the shared callback of all windows; none removes it.
void AllWindowsCallbackSet(WindowCallback callback);

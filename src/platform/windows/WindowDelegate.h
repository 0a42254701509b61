#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

class Notification;
class Window;

// What a window asks of and tells its delegate. Each method answers what the framework
// answers when a window has no delegate: yes to the should-questions, the proposed value
// unchanged otherwise.
class WindowDelegate {
public:
    virtual ~WindowDelegate();

    virtual Rect windowWillPositionSheetUsingRect(const Ref<Window>& window,
                                                  const Ref<Window>& sheet, Rect rect);
    virtual void windowWillBeginSheet(const Ref<Notification>& notification);
    virtual void windowDidEndSheet(const Ref<Notification>& notification);
    virtual Size windowWillResizeToSize(const Ref<Window>& window, Size frameSize);
    virtual void windowDidResize(const Ref<Notification>& notification);
    virtual void windowWillStartLiveResize(const Ref<Notification>& notification);
    virtual void windowDidEndLiveResize(const Ref<Notification>& notification);
    virtual void windowWillMiniaturize(const Ref<Notification>& notification);
    virtual void windowDidMiniaturize(const Ref<Notification>& notification);
    virtual void windowDidDeminiaturize(const Ref<Notification>& notification);
    virtual Rect windowWillUseStandardFrameDefaultFrame(const Ref<Window>& window, Rect newFrame);
    virtual bool windowShouldZoomToFrame(const Ref<Window>& window, Rect newFrame);
    virtual Size windowWillUseFullScreenContentSize(const Ref<Window>& window, Size proposedSize);
    virtual std::uint64_t windowWillUseFullScreenPresentationOptions(const Ref<Window>& window,
                                                                     std::uint64_t proposedOptions);
    virtual void windowWillEnterFullScreen(const Ref<Notification>& notification);
    virtual void windowDidEnterFullScreen(const Ref<Notification>& notification);
    virtual void windowWillExitFullScreen(const Ref<Notification>& notification);
    virtual void windowDidExitFullScreen(const Ref<Notification>& notification);
    virtual void windowDidFailToEnterFullScreen(const Ref<Window>& window);
    virtual void windowDidFailToExitFullScreen(const Ref<Window>& window);
    virtual void windowWillMove(const Ref<Notification>& notification);
    virtual void windowDidMove(const Ref<Notification>& notification);
    virtual void windowDidChangeScreen(const Ref<Notification>& notification);
    virtual bool windowShouldClose(const Ref<Window>& window);
    virtual void windowWillClose(const Ref<Notification>& notification);
    virtual void windowDidBecomeKey(const Ref<Notification>& notification);
    virtual void windowDidResignKey(const Ref<Notification>& notification);
    virtual void windowDidBecomeMain(const Ref<Notification>& notification);
    virtual void windowDidResignMain(const Ref<Notification>& notification);
    virtual void windowDidUpdate(const Ref<Notification>& notification);
    virtual bool windowShouldPopUpDocumentPathMenu(const Ref<Window>& window,
                                                   const Ref<Object>& menu);
};

} // namespace platform

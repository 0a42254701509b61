#include "platform/windows/WindowDelegate.h"

namespace platform {

WindowDelegate::~WindowDelegate() = default;

Rect WindowDelegate::windowWillPositionSheetUsingRect(const Ref<Window>&, const Ref<Window>&,
                                                      Rect rect) {
    return rect;
}
void WindowDelegate::windowWillBeginSheet(const Ref<Notification>&) {}
void WindowDelegate::windowDidEndSheet(const Ref<Notification>&) {}
Size WindowDelegate::windowWillResizeToSize(const Ref<Window>&, Size frameSize) {
    return frameSize;
}
void WindowDelegate::windowDidResize(const Ref<Notification>&) {}
void WindowDelegate::windowWillStartLiveResize(const Ref<Notification>&) {}
void WindowDelegate::windowDidEndLiveResize(const Ref<Notification>&) {}
void WindowDelegate::windowWillMiniaturize(const Ref<Notification>&) {}
void WindowDelegate::windowDidMiniaturize(const Ref<Notification>&) {}
void WindowDelegate::windowDidDeminiaturize(const Ref<Notification>&) {}
Rect WindowDelegate::windowWillUseStandardFrameDefaultFrame(const Ref<Window>&, Rect newFrame) {
    return newFrame;
}
bool WindowDelegate::windowShouldZoomToFrame(const Ref<Window>&, Rect) {
    return true;
}
Size WindowDelegate::windowWillUseFullScreenContentSize(const Ref<Window>&, Size proposedSize) {
    return proposedSize;
}
std::uint64_t
WindowDelegate::windowWillUseFullScreenPresentationOptions(const Ref<Window>&,
                                                           std::uint64_t proposedOptions) {
    return proposedOptions;
}
void WindowDelegate::windowWillEnterFullScreen(const Ref<Notification>&) {}
void WindowDelegate::windowDidEnterFullScreen(const Ref<Notification>&) {}
void WindowDelegate::windowWillExitFullScreen(const Ref<Notification>&) {}
void WindowDelegate::windowDidExitFullScreen(const Ref<Notification>&) {}
void WindowDelegate::windowDidFailToEnterFullScreen(const Ref<Window>&) {}
void WindowDelegate::windowDidFailToExitFullScreen(const Ref<Window>&) {}
void WindowDelegate::windowWillMove(const Ref<Notification>&) {}
void WindowDelegate::windowDidMove(const Ref<Notification>&) {}
void WindowDelegate::windowDidChangeScreen(const Ref<Notification>&) {}
bool WindowDelegate::windowShouldClose(const Ref<Window>&) {
    return true;
}
void WindowDelegate::windowWillClose(const Ref<Notification>&) {}
void WindowDelegate::windowDidBecomeKey(const Ref<Notification>&) {}
void WindowDelegate::windowDidResignKey(const Ref<Notification>&) {}
void WindowDelegate::windowDidBecomeMain(const Ref<Notification>&) {}
void WindowDelegate::windowDidResignMain(const Ref<Notification>&) {}
void WindowDelegate::windowDidUpdate(const Ref<Notification>&) {}
bool WindowDelegate::windowShouldPopUpDocumentPathMenu(const Ref<Window>&, const Ref<Object>&) {
    return true;
}

} // namespace platform

#include "runtime/shell/CUI_WindowDelegate.h"

#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_AppDelegate.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/FileDrop.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/app/DraggingInfo.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Notification.h"
#include "platform/windows/Window.h"

#include <algorithm>
#include <array>
#include <cstdlib>

using platform::Ref;

namespace {

// Each window event, and whether it makes its window the current output window.
struct WindowEventRow {
    std::int64_t event;
    bool setsCurrentWindow;
};

constexpr std::array<WindowEventRow, 31> windowEvents = {{
    {WindowEvent::WillPositionSheet, false},
    {WindowEvent::WillBeginSheet, true},
    {WindowEvent::DidEndSheet, true},
    {WindowEvent::WillResize, true},
    {WindowEvent::DidResize, false},
    {WindowEvent::WillStartLiveResize, false},
    {WindowEvent::DidEndLiveResize, true},
    {WindowEvent::WillMiniaturize, false},
    {WindowEvent::DidMiniaturize, false},
    {WindowEvent::DidDeminiaturize, true},
    {WindowEvent::WillUseStandardFrame, false},
    {WindowEvent::ShouldZoom, false},
    {WindowEvent::WillUseFullScreenContentSize, false},
    {WindowEvent::WillUseFullScreenPresentationOptions, false},
    {WindowEvent::WillEnterFullScreen, false},
    {WindowEvent::DidEnterFullScreen, true},
    {WindowEvent::WillExitFullScreen, false},
    {WindowEvent::DidExitFullScreen, true},
    {WindowEvent::DidFailToEnterFullScreen, false},
    {WindowEvent::DidFailToExitFullScreen, false},
    {WindowEvent::WillMove, true},
    {WindowEvent::DidMove, true},
    {WindowEvent::DidChangeScreen, true},
    {WindowEvent::ShouldClose, false},
    {WindowEvent::WillClose, false},
    {WindowEvent::DidBecomeKey, true},
    {WindowEvent::DidResignKey, false},
    {WindowEvent::DidBecomeMain, true},
    {WindowEvent::DidResignMain, false},
    {WindowEvent::DidUpdate, false},
    {WindowEvent::ShouldPopUpDocumentPathMenu, false},
}};

constexpr bool setsCurrentWindow(std::int64_t event) {
    for (const auto& row : windowEvents)
        if (row.event == event)
            return row.setsCurrentWindow;
    return false;
}

Ref<platform::Window> windowOf(const Ref<platform::Notification>& notification) {
    return notification ? std::dynamic_pointer_cast<platform::Window>(notification->object())
                        : nullptr;
}

} // namespace

Ref<CUI_WindowDelegate> CUI_WindowDelegate::shared() {
    static const Ref<CUI_WindowDelegate> delegate = std::make_shared<CUI_WindowDelegate>();
    return delegate;
}

void CUI_WindowDelegate::windowForwardEventTagObj(const Ref<platform::Window>& window,
                                                  std::int64_t event, std::int64_t tag,
                                                  const Ref<platform::Object>& object) {
    if (!window)
        return;
    if (const auto callback = Additions::cuiWindowCallback(*window))
        callback(Additions::tag(*window), event, Additions::cuiWindowUserData(*window));
    else if (allWindowsCallback_)
        allWindowsCallback_(Additions::tag(*window), event, nullptr);
    else
        DialogCallbackCall(event, tag, Additions::tag(*window), object);
}

void CUI_WindowDelegate::deliver(std::int64_t event, const Ref<platform::Window>& window,
                                 const Ref<platform::Object>& object) {
    if (!window)
        return;
    if (setsCurrentWindow(event))
        CurrentOutputWindowTagSet(Additions::tag(*window));
    windowForwardEventTagObj(window, event, Additions::tag(*window), object);
}

void CUI_WindowDelegate::deliver(std::int64_t event, const Ref<platform::Notification>& note) {
    deliver(event, windowOf(note));
}

platform::Rect CUI_WindowDelegate::windowWillPositionSheetUsingRect(
    const Ref<platform::Window>& window, const Ref<platform::Window>& sheet, platform::Rect rect) {
    DialogEventSetRectVal(rect);
    deliver(WindowEvent::WillPositionSheet, window, sheet);
    return DialogEventRectVal();
}

void CUI_WindowDelegate::windowWillBeginSheet(const Ref<platform::Notification>& note) {
    deliver(WindowEvent::WillBeginSheet, note);
}
void CUI_WindowDelegate::windowDidEndSheet(const Ref<platform::Notification>& note) {
    deliver(WindowEvent::DidEndSheet, note);
}

platform::Size CUI_WindowDelegate::windowWillResizeToSize(const Ref<platform::Window>& window,
                                                          platform::Size frameSize) {
    DialogEventSetSizeVal(frameSize);
    deliver(WindowEvent::WillResize, window);
    return DialogEventSizeVal();
}

void CUI_WindowDelegate::windowDidResize(const Ref<platform::Notification>& note) {
    deliver(WindowEvent::DidResize, note);
}
void CUI_WindowDelegate::windowWillStartLiveResize(const Ref<platform::Notification>& note) {
    deliver(WindowEvent::WillStartLiveResize, note);
}
void CUI_WindowDelegate::windowDidEndLiveResize(const Ref<platform::Notification>& note) {
    deliver(WindowEvent::DidEndLiveResize, note);
}
void CUI_WindowDelegate::windowWillMiniaturize(const Ref<platform::Notification>& note) {
    deliver(WindowEvent::WillMiniaturize, note);
}
void CUI_WindowDelegate::windowDidMiniaturize(const Ref<platform::Notification>& note) {
    deliver(WindowEvent::DidMiniaturize, note);
}
void CUI_WindowDelegate::windowDidDeminiaturize(const Ref<platform::Notification>& note) {
    deliver(WindowEvent::DidDeminiaturize, note);
}

platform::Rect
CUI_WindowDelegate::windowWillUseStandardFrameDefaultFrame(const Ref<platform::Window>& window,
                                                           platform::Rect newFrame) {
    DialogEventSetRectVal(newFrame);
    deliver(WindowEvent::WillUseStandardFrame, window);
    return DialogEventRectVal();
}

bool CUI_WindowDelegate::windowShouldZoomToFrame(const Ref<platform::Window>& window,
                                                 platform::Rect newFrame) {
    DialogEventSetBoolVal(true);
    DialogEventSetRectVal(newFrame);
    deliver(WindowEvent::ShouldZoom, window);
    return DialogEventBoolVal();
}

platform::Size
CUI_WindowDelegate::windowWillUseFullScreenContentSize(const Ref<platform::Window>& window,
                                                       platform::Size proposedSize) {
    DialogEventSetSizeVal(proposedSize);
    deliver(WindowEvent::WillUseFullScreenContentSize, window);
    return DialogEventSizeVal();
}

std::uint64_t
CUI_WindowDelegate::windowWillUseFullScreenPresentationOptions(const Ref<platform::Window>& window,
                                                               std::uint64_t proposedOptions) {
    DialogEventSetLongVal(static_cast<std::int64_t>(proposedOptions));
    deliver(WindowEvent::WillUseFullScreenPresentationOptions, window);
    return static_cast<std::uint64_t>(DialogEventLongVal());
}

void CUI_WindowDelegate::windowWillEnterFullScreen(const Ref<platform::Notification>& note) {
    deliver(WindowEvent::WillEnterFullScreen, note);
}
void CUI_WindowDelegate::windowDidEnterFullScreen(const Ref<platform::Notification>& note) {
    deliver(WindowEvent::DidEnterFullScreen, note);
}
void CUI_WindowDelegate::windowWillExitFullScreen(const Ref<platform::Notification>& note) {
    deliver(WindowEvent::WillExitFullScreen, note);
}
void CUI_WindowDelegate::windowDidExitFullScreen(const Ref<platform::Notification>& note) {
    deliver(WindowEvent::DidExitFullScreen, note);
}
void CUI_WindowDelegate::windowDidFailToEnterFullScreen(const Ref<platform::Window>& window) {
    deliver(WindowEvent::DidFailToEnterFullScreen, window);
}
void CUI_WindowDelegate::windowDidFailToExitFullScreen(const Ref<platform::Window>& window) {
    deliver(WindowEvent::DidFailToExitFullScreen, window);
}
void CUI_WindowDelegate::windowWillMove(const Ref<platform::Notification>& note) {
    deliver(WindowEvent::WillMove, note);
}
void CUI_WindowDelegate::windowDidMove(const Ref<platform::Notification>& note) {
    deliver(WindowEvent::DidMove, note);
}
void CUI_WindowDelegate::windowDidChangeScreen(const Ref<platform::Notification>& note) {
    deliver(WindowEvent::DidChangeScreen, note);
}

bool CUI_WindowDelegate::windowShouldClose(const Ref<platform::Window>& window) {
    DialogEventSetBoolVal(true);
    deliver(WindowEvent::ShouldClose, window);
    return DialogEventBoolVal();
}

void CUI_WindowDelegate::windowWillClose(const Ref<platform::Notification>& note) {
    const auto window = windowOf(note);
    deliver(WindowEvent::WillClose, window);
    if (!window || !window->isReleasedWhenClosed())
        return;
    const auto windows = AppDelegateGet()->windows();
    if (const auto index = windows ? windows->indexOfObject(window) : platform::NotFound;
        index != platform::NotFound)
        windows->removeObjectAtIndex(static_cast<std::size_t>(index));
    // The window held its controller; letting go of it ends their cycle.
    window->setAttachedProperty("windowController", nullptr);
    // Whoever still holds the closed window keeps the object, but its tag names it no more: a
    // later WindowOpen of the tag makes a new window.
    Additions::setTag(*window, 0);
}

void CUI_WindowDelegate::windowDidBecomeKey(const Ref<platform::Notification>& note) {
    deliver(WindowEvent::DidBecomeKey, note);
}
void CUI_WindowDelegate::windowDidResignKey(const Ref<platform::Notification>& note) {
    deliver(WindowEvent::DidResignKey, note);
}
void CUI_WindowDelegate::windowDidBecomeMain(const Ref<platform::Notification>& note) {
    deliver(WindowEvent::DidBecomeMain, note);
}
void CUI_WindowDelegate::windowDidResignMain(const Ref<platform::Notification>& note) {
    deliver(WindowEvent::DidResignMain, note);
}
void CUI_WindowDelegate::windowDidUpdate(const Ref<platform::Notification>& note) {
    deliver(WindowEvent::DidUpdate, note);
}

bool CUI_WindowDelegate::windowShouldPopUpDocumentPathMenu(const Ref<platform::Window>& window,
                                                           const Ref<platform::Object>& menu) {
    DialogEventSetBoolVal(true);
    deliver(WindowEvent::ShouldPopUpDocumentPathMenu, window, menu);
    return DialogEventBoolVal();
}

FileDropTarget CUI_WindowDelegate::dropTarget(const Ref<platform::DraggingInfo>& drag) {
    const auto window = drag ? drag->draggingDestinationWindow() : nullptr;
    const std::int64_t tag = window ? Additions::tag(*window) : 0;
    return {WindowEvent::DraggingEntered,
            WindowEvent::DraggingExited,
            WindowEvent::PerformDragOperation,
            tag,
            tag,
            dragFileTypes_,
            dragFileExtensions_,
            false,
            [this](bool inside) { dragInside_ = inside; }};
}

std::uint64_t CUI_WindowDelegate::draggingEntered(const Ref<platform::DraggingInfo>& sender) {
    return FileDropEntered(dropTarget(sender), sender);
}

void CUI_WindowDelegate::draggingExited(const Ref<platform::DraggingInfo>& sender) {
    FileDropExited(dropTarget(sender), sender);
}

bool CUI_WindowDelegate::performDragOperation(const Ref<platform::DraggingInfo>& sender) {
    return FileDropPerform(dropTarget(sender), sender);
}

void AllWindowsCallbackSet(WindowCallback callback) {
    CUI_WindowDelegate::shared()->setAllWindowsCallback(callback);
}

#include "runtime/shell/ContentViewSC.h"

#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/CUI_Event.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/FileDrop.h"
#include "runtime/shell/Tags.h"
#include "runtime/shell/ViewTag.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/app/Event.h"
#include "platform/app/Pasteboard.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/String.h"
#include "platform/views/TrackingArea.h"
#include "platform/windows/Menu.h"
#include "platform/windows/Window.h"

using platform::Ref;

ContentViewSC::ContentViewSC(platform::Rect frame) : View(frame) {}

std::int64_t ContentViewSC::windowTag() const {
    const auto owner = window();
    return owner ? Additions::tag(*owner) : 0;
}

namespace {

// Entered and exited 0x01, moved 0x02, active always 0x80.
constexpr std::uint64_t TrackingOptions = platform::TrackingAreaOptions::MouseEnteredAndExited |
                                          platform::TrackingAreaOptions::MouseMoved |
                                          platform::TrackingAreaOptions::ActiveAlways;

} // namespace

void ContentViewSC::viewWillMoveToWindow(platform::Window* window) {
    addTrackingArea(
        std::make_shared<platform::TrackingArea>(bounds(), TrackingOptions, weak_from_this()));
    View::viewWillMoveToWindow(window);
}

void ContentViewSC::updateTrackingAreas() {
    if (!trackingAreas().empty()) {
        const auto first = trackingAreas().front();
        removeTrackingArea(first);
        addTrackingArea(
            std::make_shared<platform::TrackingArea>(bounds(), first->options(), weak_from_this()));
    }
    View::updateTrackingAreas();
}

void ContentViewSC::resetCursorRects() {
    View::resetCursorRects();
    const std::int64_t wndTag = ViewWindowTag(*this);
    CurrentOutputWindowTagSet(wndTag);
    DialogCallbackCall(ViewEvent::ResetCursorRects, ViewTag(*this), wndTag, nullptr);
}

void ContentViewSC::viewDidChangeEffectiveAppearance() {
    View::viewDidChangeEffectiveAppearance();
    DialogCallbackCall(ViewEvent::DidChangeEffectiveAppearance, ViewTag(*this),
                       ViewWindowTag(*this), nullptr);
}

Ref<platform::Menu> ContentViewSC::menuForEvent(const Ref<platform::Event>& event) {
    DialogEventSetMenuObj(menu());
    DialogCallbackCall(ViewEvent::MenuForEvent, ViewTag(*this), ViewWindowTag(*this), event);
    return DialogEventMenuObj();
}

FileDropTarget ContentViewSC::dropTarget() {
    return {ViewEvent::DraggingEntered,
            ViewEvent::DraggingExited,
            ViewEvent::PerformDragOperation,
            kContentViewTag,
            windowTag(),
            dragFileTypes_,
            dragFileExtensions_,
            true,
            [this](bool inside) { dragInside_ = inside; }};
}

std::uint64_t ContentViewSC::draggingEntered(const Ref<platform::DraggingInfo>& sender) {
    return !FileDropRegistered(*this) ? 0 : FileDropEntered(dropTarget(), sender);
}

void ContentViewSC::draggingExited(const Ref<platform::DraggingInfo>& sender) {
    FileDropExited(dropTarget(), sender);
}

bool ContentViewSC::performDragOperation(const Ref<platform::DraggingInfo>& sender) {
    return FileDropPerform(dropTarget(), sender);
}

void ContentViewSC::drawRect(platform::Rect dirtyRect) {
    if (Additions::suspendDrawRect(*this))
        return;
    View::drawRect(dirtyRect);
    if (!subclassFlag_)
        return;
    DialogEventSetRectVal(dirtyRect);
    CurrentOutputWindowTagSet(windowTag());
    DialogCallbackCall(ViewEvent::DrawRect, kContentViewTag, windowTag(), nullptr);
}

void ContentViewSC::handle(std::int64_t code, const Ref<platform::Event>& event, PassOn passOn) {
    if (!subclassFlag_) {
        event->performToolkitDefault();
        return;
    }
    if (passOn == PassOn::UnlessHandled)
        DialogEventSetBoolVal(false);
    CurrentEventSet(event);
    CurrentOutputWindowTagSet(windowTag());
    DialogCallbackCall(code, kContentViewTag, windowTag(), nullptr);
    CurrentEventSet(nullptr);
    if (passOn == PassOn::UnlessHandled && !DialogEventBoolVal())
        event->performToolkitDefault();
}

void ContentViewSC::mouseDown(const Ref<platform::Event>& event) {
    handle(ViewEvent::MouseDown, event, PassOn::UnlessHandled);
}
void ContentViewSC::mouseUp(const Ref<platform::Event>& event) {
    handle(ViewEvent::MouseUp, event, PassOn::Never);
}
void ContentViewSC::mouseEntered(const Ref<platform::Event>& event) {
    handle(ViewEvent::MouseEntered, event, PassOn::Never);
}
void ContentViewSC::mouseExited(const Ref<platform::Event>& event) {
    handle(ViewEvent::MouseExited, event, PassOn::Never);
}
void ContentViewSC::mouseDragged(const Ref<platform::Event>& event) {
    handle(ViewEvent::MouseDragged, event, PassOn::Never);
}
void ContentViewSC::mouseMoved(const Ref<platform::Event>& event) {
    handle(ViewEvent::MouseMoved, event, PassOn::Never);
}
void ContentViewSC::rightMouseDown(const Ref<platform::Event>& event) {
    handle(ViewEvent::RightMouseDown, event, PassOn::Never);
}
void ContentViewSC::rightMouseUp(const Ref<platform::Event>& event) {
    handle(ViewEvent::RightMouseUp, event, PassOn::Never);
}
void ContentViewSC::rightMouseDragged(const Ref<platform::Event>& event) {
    handle(ViewEvent::RightMouseDragged, event, PassOn::Never);
}
void ContentViewSC::keyDown(const Ref<platform::Event>& event) {
    handle(ViewEvent::KeyDown, event, PassOn::UnlessHandled);
}
void ContentViewSC::keyUp(const Ref<platform::Event>& event) {
    handle(ViewEvent::KeyUp, event, PassOn::UnlessHandled);
}
void ContentViewSC::flagsChanged(const Ref<platform::Event>& event) {
    handle(ViewEvent::FlagsChanged, event, PassOn::UnlessHandled);
}

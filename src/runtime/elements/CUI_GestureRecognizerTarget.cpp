#include "runtime/elements/CUI_GestureRecognizerTarget.h"

#include "runtime/shell/Additions.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/ViewTag.h"

#include "platform/views/View.h"
#include "platform/views/gestures/GestureRecognizer.h"

using platform::GestureRecognizer;
using platform::Object;
using platform::Ref;

namespace {

Ref<GestureRecognizer> recognizerOf(const Ref<Object>& sender) {
    return std::dynamic_pointer_cast<GestureRecognizer>(sender);
}

} // namespace

void CUI_GestureRecognizerTarget::action(const Ref<Object>& recognizer) {
    forwardGestureRecognizerEvent(recognizerOf(recognizer), GestureEvent::Click);
}

void CUI_GestureRecognizerTarget::clickAction(const Ref<Object>& recognizer) {
    forwardGestureRecognizerEvent(recognizerOf(recognizer), GestureEvent::Click);
}

void CUI_GestureRecognizerTarget::magnificationAction(const Ref<Object>& recognizer) {
    forwardGestureRecognizerEvent(recognizerOf(recognizer), GestureEvent::Magnification);
}

void CUI_GestureRecognizerTarget::panAction(const Ref<Object>& recognizer) {
    forwardGestureRecognizerEvent(recognizerOf(recognizer), GestureEvent::Pan);
}

void CUI_GestureRecognizerTarget::pressAction(const Ref<Object>& recognizer) {
    forwardGestureRecognizerEvent(recognizerOf(recognizer), GestureEvent::Press);
}

void CUI_GestureRecognizerTarget::rotationAction(const Ref<Object>& recognizer) {
    forwardGestureRecognizerEvent(recognizerOf(recognizer), GestureEvent::Rotation);
}

void CUI_GestureRecognizerTarget::forwardGestureRecognizerEvent(
    const Ref<GestureRecognizer>& recognizer, std::int64_t code) {
    const auto view = recognizer ? recognizer->view() : nullptr;
    const std::int64_t tag = view ? ViewTag(*view) : 0;
    if (callback_) {
        callback_(recognizer, tag, userData_);
        return;
    }
    DialogCallbackCall(code, tag, view ? Additions::wndTag(*view) : 0, recognizer);
}

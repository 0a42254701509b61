#include "runtime/elements/ElementSC.h"

#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/CUI_Event.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventForwarding.h"
#include "runtime/shell/ViewTag.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/app/Application.h"
#include "platform/windows/Menu.h"

using platform::Ref;

namespace ElementStep {

namespace {

void prepare(const ElementRow& row) {
    if (row.prepare != Prepare::Nothing)
        DialogEventSetBoolVal(row.prepare == Prepare::Yes);
}

} // namespace

bool Report(platform::View& view, const ElementRow& row, const Ref<platform::Event>& event) {
    prepare(row);
    ForwardViewEvent(std::static_pointer_cast<platform::View>(view.shared_from_this()), row.code,
                     event);
    return row.passOn == PassOn::UnlessHandled && !DialogEventBoolVal();
}

bool Draw(const platform::View& view, const ElementRow& row, platform::Rect dirtyRect) {
    if (row.suspendable && Additions::suspendDrawRect(view))
        return false;
    prepare(row);
    DialogEventSetRectVal(dirtyRect);
    CurrentEventSet(platform::Application::shared()->currentEvent());
    const std::int64_t wndTag = ViewWindowTag(view);
    CurrentOutputWindowTagSet(wndTag);
    DialogCallbackCall(row.code, ViewTag(view), wndTag, nullptr);
    return !DialogEventBoolVal();
}

bool Ask(const platform::View& view, const ElementRow& row) {
    prepare(row);
    const std::int64_t wndTag = ViewWindowTag(view);
    CurrentOutputWindowTagSet(wndTag);
    DialogCallbackCall(row.code, ViewTag(view), wndTag, nullptr);
    return DialogEventBoolVal();
}

void Notify(const platform::View& view, const ElementRow& row,
            const Ref<platform::Object>& object) {
    const std::int64_t wndTag = ViewWindowTag(view);
    CurrentOutputWindowTagSet(wndTag);
    DialogCallbackCall(row.code, ViewTag(view), wndTag, object);
}

Ref<platform::Menu> Menu(const platform::View& view, const ElementRow& row,
                         const Ref<platform::Event>& event) {
    DialogEventSetMenuObj(view.menu());
    DialogCallbackCall(row.code, ViewTag(view), ViewWindowTag(view), event);
    return DialogEventMenuObj();
}

} // namespace ElementStep

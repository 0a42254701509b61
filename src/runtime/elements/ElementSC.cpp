#include "runtime/elements/ElementSC.h"

#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/CUI_Event.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventForwarding.h"
#include "runtime/shell/FileDrop.h"
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

// The drops of the view, reported with the codes of its rows. A code the rows do not give is 0.
FileDropTarget dropTarget(platform::View& view, std::span<const ElementRow> rows) {
    const auto code = [&](ElementMethod method) {
        const auto row = ElementRowFor(rows, method);
        return row ? row->code : 0;
    };
    return {code(ElementMethod::DraggingEntered),
            code(ElementMethod::DraggingExited),
            code(ElementMethod::PerformDragOperation),
            ViewTag(view),
            ViewWindowTag(view),
            Additions::dragFileTypes(view),
            Additions::dragFileExtensions(view),
            true,
            [&view](bool inside) { Additions::setDragInsideFlag(view, inside); },
            true};
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

std::uint64_t DropEntered(platform::View& view, std::span<const ElementRow> rows,
                          const Ref<platform::DraggingInfo>& drag) {
    return FileDropRegistered(view) ? FileDropEntered(dropTarget(view, rows), drag) : 0;
}

void DropExited(platform::View& view, std::span<const ElementRow> rows,
                const Ref<platform::DraggingInfo>& drag) {
    FileDropExited(dropTarget(view, rows), drag);
}

bool DropPerform(platform::View& view, std::span<const ElementRow> rows,
                 const Ref<platform::DraggingInfo>& drag) {
    return FileDropPerform(dropTarget(view, rows), drag);
}

} // namespace ElementStep

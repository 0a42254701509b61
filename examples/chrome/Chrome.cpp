// A window with a toolbar the program describes, and a note editor in a popover. "Edit Note"
// shows the popover under the toolbar; a click elsewhere or Escape closes it, and dragging it
// away tears it off into a window of its own, which closing only hides. "Customize" lets the
// user choose the toolbar's items; "Clear" empties the note. Every event the program hears is
// printed with its code, tag and window tag. Closing the main window ends the program.

#include "runtime/core/RuntimeInit.h"
#include "runtime/elements/CUI_PopoverDelegate.h"
#include "runtime/elements/CUI_ToolbarObj.h"
#include "runtime/elements/ElementOperations.h"
#include "runtime/elements/PopoverSC.h"
#include "runtime/elements/ToolbarSC.h"
#include "runtime/shell/CUI_AppDelegate.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/app/Application.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"
#include "platform/views/TextField.h"
#include "platform/views/View.h"
#include "platform/windows/ViewController.h"
#include "platform/windows/Window.h"

#include <cstdio>

using platform::Ref;
using platform::String;

namespace {

constexpr std::int64_t kMainWindow = 2;
constexpr std::int64_t kTornOffWindow = 3;
constexpr std::int64_t kToolbar = 70;
constexpr std::int64_t kPopover = 80;
constexpr std::int64_t kNoteField = 5;
enum ToolbarTag : std::int64_t { kEdit = 1, kCustomize = 2, kClear = 3 };

Ref<PopoverSC> popover;
Ref<CUI_ToolbarObj> toolbar;
Ref<platform::TextField> note;

Ref<String> text(const char* utf8) {
    return String::fromUtf8(utf8);
}

void describe(const char* identifier, std::int64_t tag, const char* label) {
    auto entry = platform::Dictionary::dictionary();
    entry->setObjectForKey(platform::Number::numberWithInteger(tag), text("Tag"));
    entry->setObjectForKey(text(label), text("Label"));
    toolbar->items()->setObjectForKey(entry, text(identifier));
    toolbar->allowedIdentifiers()->addObject(text(identifier));
}

void makeToolbar() {
    toolbar = std::make_shared<CUI_ToolbarObj>(std::make_shared<ToolbarSC>(text("70")));
    describe("edit", kEdit, "Edit Note");
    describe("customize", kCustomize, "Customize");
    describe("clear", kClear, "Clear");
    toolbar->defaultIdentifiers()->addObject(text("edit"));
    toolbar->defaultIdentifiers()->addObject(text("customize"));
    CUI_ToolbarObj::registerRecord(toolbar);
    WindowWithTag(kMainWindow)->setToolbar(toolbar->toolbar());
}

void makePopover(const std::shared_ptr<CUI_PopoverDelegate>& delegate) {
    auto content = std::make_shared<platform::View>(platform::Rect{0, 0, 240, 60});
    note = std::make_shared<platform::TextField>(platform::Rect{10, 18, 220, 24});
    note->setTag(kNoteField);
    content->addSubview(note);
    auto controller = std::make_shared<platform::ViewController>();
    controller->setView(content);
    popover = std::make_shared<PopoverSC>();
    popover->setContentViewController(controller);
    popover->setBehavior(platform::PopoverBehavior::Transient);
    popover->setDelegate(delegate);
    PopoverRegister(popover, kPopover);
    WindowOpen(-kTornOffWindow, text("Note"), kParamNotGiven, {0, 0, 240, 60});
    delegate->setDetachableWindow(WindowWithTag(kTornOffWindow));
}

void heard(std::int64_t event, std::int64_t tag, std::int64_t wndTag,
           const Ref<platform::Object>&) {
    std::printf("event %lld tag %lld window %lld\n", static_cast<long long>(event),
                static_cast<long long>(tag), static_cast<long long>(wndTag));
    std::fflush(stdout);
    if (event != ToolbarEvent::ItemAction)
        return;
    const auto window = WindowWithTag(kMainWindow);
    const auto content = window->contentView();
    switch (tag) {
    case kEdit:
        popover->showRelativeToRectOfViewPreferredEdge({20, content->frame().height() - 10, 80, 10},
                                                       content, platform::RectEdge::MinY);
        break;
    case kCustomize:
        toolbar->toolbar()->runCustomizationPalette();
        break;
    case kClear:
        note->setStringValue(text(""));
        break;
    }
}

void windowEvent(std::int64_t wndTag, std::int64_t event, void*) {
    if (wndTag == kMainWindow && event == WindowEvent::WillClose)
        platform::Application::shared()->stopModal();
}

} // namespace

int main() {
    AppEnsureDelegate();
    RuntimeInit();
    WindowOpen(kMainWindow, text("Chrome"), kParamNotGiven, {200, 200, 420, 240});
    const auto delegate = std::make_shared<CUI_PopoverDelegate>();
    makeToolbar();
    makePopover(delegate);
    DialogCallbackSet(heard);
    WindowCallbackSet(kMainWindow, windowEvent, nullptr);
    std::printf("Choose Edit Note, Customize or Clear in the toolbar.\n");
    std::fflush(stdout);
    platform::Application::shared()->runModalForWindow(WindowWithTag(kMainWindow));
    // The popover's window goes while the application still runs.
    popover.reset();
    return 0;
}

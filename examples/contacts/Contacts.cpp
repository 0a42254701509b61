// Groups of contacts in an outline beside a table of the selected contact's details, the two
// panes of a split view whose divider the user drags, all drawn in the designer (Contacts.ui) and
// wired with one call. The program keeps the tree as
// OutlineItem records in the outline delegate's tableData and each contact's details in the
// record's attributes. Selecting a contact shows its details, contacts dragged with the mouse
// move between and within the groups, a double click edits a name, files dropped from the file
// manager become contacts of the group they are dropped in, and every event either delegate
// reports is printed with its code. Closing the window ends the program.
//
//     contacts [path/to/Contacts.ui]

#include "runtime/core/RuntimeInit.h"
#include "runtime/elements/CUI_OutlineViewDelegate.h"
#include "runtime/elements/CUI_TableViewDelegate.h"
#include "runtime/elements/InterfaceLoading.h"
#include "runtime/elements/OutlineItem.h"
#include "runtime/shell/CUI_AppDelegate.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/ViewLookup.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/app/Application.h"
#include "platform/app/Pasteboard.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/views/outlines/OutlineView.h"
#include "platform/views/tables/TableColumn.h"
#include "platform/views/tables/TableView.h"
#include "platform/windows/Window.h"

#include <cstdio>
#include <string>

using platform::Ref;
using platform::String;

namespace {

constexpr std::int64_t kContactsWindow = 1;
constexpr std::int64_t kGroups = 10;
constexpr std::int64_t kDetails = 20;

struct Contact {
    const char* group;
    const char* name;
    const char* phone;
    const char* email;
};
constexpr Contact kContacts[] = {
    {"Family", "Ada Lindqvist", "+46 8 555 0101", "ada@example.org"},
    {"Family", "Bo Lindqvist", "+46 8 555 0102", "bo@example.org"},
    {"Friends", "Carla Mendes", "+351 21 555 0199", "carla@example.net"},
    {"Friends", "Dev Raman", "+91 80 5550 1234", "dev@example.net"},
    {"Friends", "Emil Novak", "+420 2 5550 4321", "emil@example.net"},
    {"Work", "Fatima Haddad", "+33 1 55 50 12 34", "fatima@example.com"},
};

Ref<CUI_OutlineViewDelegate> groups;
Ref<CUI_TableViewDelegate> details;

Ref<platform::Dictionary> detailRow(const char* field, const Ref<platform::Object>& value) {
    auto row = platform::Dictionary::dictionary();
    row->setObjectForKey(String::fromUtf8(field), String::fromUtf8("Field"));
    row->setObjectForKey(value ? value : String::fromUtf8(""), String::fromUtf8("Value"));
    return row;
}

Ref<OutlineItem> contact(const std::string& name, const std::string& phone,
                         const std::string& email) {
    auto item = std::make_shared<OutlineItem>(String::fromUtf8(name), nullptr, false);
    item->attributes()->setObjectForKey(String::fromUtf8(phone), String::fromUtf8("Phone"));
    item->attributes()->setObjectForKey(String::fromUtf8(email), String::fromUtf8("Email"));
    return item;
}

// The details table shows the selected contact's name and attributes; a group shows none.
void showSelected() {
    const auto outline = groups->table();
    const auto selected = outline ? outline->itemAtRow(outline->selectedRow()) : nullptr;
    const auto item = selected ? selected->as<OutlineItem>() : nullptr;
    details->tableData()->removeAllObjects();
    if (item && !item->isGroup()) {
        details->tableData()->addObject(detailRow("Name", item->string()));
        for (const auto& [key, value] : *item->attributes())
            details->tableData()->addObject(detailRow(key->as<String>()->utf8().c_str(), value));
    }
    details->table()->reloadData();
}

// Each dropped file becomes a contact named after it, in the group it was dropped in, or on,
// or else in the first group.
void addDroppedFiles(const Ref<platform::Object>& dropTarget) {
    auto group = dropTarget ? dropTarget->as<OutlineItem>() : nullptr;
    if (group && !group->isGroup())
        group = groups->placeOf(group)->parent;
    if (!group)
        group = groups->tableData()->firstObject()->as<OutlineItem>();
    for (const auto& file : *DialogEventArrayObj())
        group->children()->addObject(
            contact(file->as<platform::URL>()->lastPathComponent()->utf8(), "", ""));
    groups->table()->reloadData();
    groups->table()->expandItem(group);
}

void heard(std::int64_t event, std::int64_t tag, std::int64_t wndTag,
           const Ref<platform::Object>& object) {
    // Drawing comes at every repaint, and each row's height is asked at every load: they would
    // bury the rest.
    if (event == ViewEvent::DrawRect || event == ViewEvent::ResetCursorRects ||
        event == WindowEvent::DidUpdate || event == TableViewEvent::HeightOfRow)
        return;
    std::string line = "event " + std::to_string(event) + " view " + std::to_string(tag) +
                       " window " + std::to_string(wndTag);
    if (tag == kGroups && event == OutlineViewEvent::SelectionDidChange)
        showSelected();
    if (event == OutlineViewEvent::AcceptFileDrop) {
        line += " files " + std::to_string(DialogEventArrayObj()->count());
        addDroppedFiles(object);
    }
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

void windowEvent(std::int64_t, std::int64_t event, void*) {
    if (event == WindowEvent::WillClose)
        platform::Application::shared()->stopModal();
}

} // namespace

int main(int argc, char** argv) {
    AppEnsureDelegate();
    RuntimeInit();
    DialogCallbackSet(heard);
    WindowLoad(kContactsWindow, String::fromUtf8(argc > 1 ? argv[1] : CONTACTS_UI));
    const auto window = WindowWithTag(kContactsWindow);
    const auto outline = ViewWithTagOfClass<platform::OutlineView>(kGroups);
    const auto table = ViewWithTagOfClass<platform::TableView>(kDetails);
    if (!window || !outline || !table)
        return 1;
    groups = std::dynamic_pointer_cast<CUI_OutlineViewDelegate>(outline->delegate());
    details = std::dynamic_pointer_cast<CUI_TableViewDelegate>(table->delegate());
    Ref<OutlineItem> group;
    for (const Contact& entry : kContacts) {
        if (!group || group->string()->utf8() != entry.group) {
            group = std::make_shared<OutlineItem>(String::fromUtf8(entry.group), nullptr, true);
            groups->tableData()->addObject(group);
        }
        group->children()->addObject(contact(entry.name, entry.phone, entry.email));
    }
    // Contacts dragged inside the outline, and files from the file manager, may be dropped on it.
    outline->registerForDraggedTypes(platform::Array::arrayWithObjects(
        {String::fromUtf8(CUI_OutlineViewDelegate::reorderPasteboardType().utf8()),
         String::fromUtf8(platform::FilenamesPboardType)}));
    // Columns wide enough for the names, numbers and addresses.
    outline->tableColumns()[0]->setWidth(240);
    table->tableColumns()[1]->setWidth(180);
    outline->reloadData();
    for (const auto& each : *groups->tableData())
        outline->expandItem(each);
    WindowCallbackSet(kContactsWindow, windowEvent, nullptr);
    std::printf("%zu contacts in %zu groups; select one to see its details, drag contacts to "
                "move them, double-click a name to edit it, drop files to add contacts.\n",
                std::size(kContacts), groups->tableData()->count());
    std::fflush(stdout);
    platform::Application::shared()->runModalForWindow(window);
    return 0;
}

// A table of 10,000 scores drawn in the designer (Scores.ui), loaded and wired with one call: the
// wiring gives the table a delegate of its own, and the program only puts its rows in the
// delegate's tableData, one dictionary per row by column. A header click sorts by that column
// (again: the other way round), a double click edits a cell, rows dragged with the mouse move to
// where they are dropped, files dropped from the file manager become rows of their own, and every
// event the table's delegate reports is printed with its code. Closing the window ends the
// program.
//
//     scores [path/to/Scores.ui]

#include "runtime/core/RuntimeInit.h"
#include "runtime/elements/CUI_TableViewDelegate.h"
#include "runtime/elements/InterfaceLoading.h"
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
#include "platform/foundation/Number.h"
#include "platform/foundation/SortDescriptor.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/views/tables/TableColumn.h"
#include "platform/views/tables/TableView.h"
#include "platform/windows/Window.h"

#include <algorithm>
#include <cstdio>
#include <string>

using platform::Ref;
using platform::String;

namespace {

constexpr std::int64_t kScoresWindow = 1;
constexpr std::int64_t kTable = 10;
constexpr int kRows = 10'000;

Ref<CUI_TableViewDelegate> scores;

// Each dropped file becomes a row named after it, inserted where it was dropped.
void addDroppedFiles() {
    const auto files = DialogEventArrayObj();
    std::int64_t at = std::clamp<std::int64_t>(DialogEventLongVal(), 0,
                                               std::int64_t(scores->tableData()->count()));
    for (const auto& file : *files) {
        auto row = platform::Dictionary::dictionary();
        row->setObjectForKey(file->as<platform::URL>()->lastPathComponent(),
                             String::fromUtf8("Name"));
        row->setObjectForKey(platform::Number::numberWithInteger(0), String::fromUtf8("Score"));
        row->setObjectForKey(String::fromUtf8(""), String::fromUtf8("Date"));
        scores->tableData()->insertObjectAtIndex(row, std::size_t(at++));
    }
    scores->table()->reloadData();
}

void heard(std::int64_t event, std::int64_t tag, std::int64_t wndTag,
           const Ref<platform::Object>&) {
    // Drawing comes at every repaint, and each row's height is asked at every load: they would
    // bury the rest.
    if (event == ViewEvent::DrawRect || event == ViewEvent::ResetCursorRects ||
        event == WindowEvent::DidUpdate || event == TableViewEvent::HeightOfRow)
        return;
    std::string line = "event " + std::to_string(event) + " view " + std::to_string(tag) +
                       " window " + std::to_string(wndTag);
    if (event == TableViewEvent::ShouldSelectRow)
        line += " row " + std::to_string(DialogEventLongVal());
    if (event == TableViewEvent::DidEndEditing)
        line += " row " + std::to_string(scores->eventRow()) + " column " +
                scores->eventColumnIdentifier()->utf8() + " text \"" +
                scores->eventCellString()->utf8() + "\"";
    if (event == TableViewEvent::AcceptFileDrop) {
        line += " files " + std::to_string(DialogEventArrayObj()->count()) + " at row " +
                std::to_string(DialogEventLongVal());
        addDroppedFiles();
    }
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

void windowEvent(std::int64_t, std::int64_t event, void*) {
    if (event == WindowEvent::WillClose)
        platform::Application::shared()->stopModal();
}

// Player names, scores and dates made up from the row's number, the same at every run.
Ref<platform::Dictionary> madeUpRow(int number) {
    const unsigned mixed = static_cast<unsigned>(number) * 2654435761U;
    char date[16];
    std::snprintf(date, sizeof date, "2026-%02u-%02u", mixed % 12 + 1, mixed / 12 % 28 + 1);
    auto row = platform::Dictionary::dictionary();
    row->setObjectForKey(String::fromUtf8("Player " + std::to_string(number + 1)),
                         String::fromUtf8("Name"));
    row->setObjectForKey(platform::Number::numberWithInteger(mixed / 336 % 1000),
                         String::fromUtf8("Score"));
    row->setObjectForKey(String::fromUtf8(date), String::fromUtf8("Date"));
    return row;
}

} // namespace

int main(int argc, char** argv) {
    AppEnsureDelegate();
    RuntimeInit();
    DialogCallbackSet(heard);
    WindowLoad(kScoresWindow, String::fromUtf8(argc > 1 ? argv[1] : SCORES_UI));
    const auto window = WindowWithTag(kScoresWindow);
    const auto table = ViewWithTagOfClass<platform::TableView>(kTable);
    if (!window || !table)
        return 1;
    scores = std::dynamic_pointer_cast<CUI_TableViewDelegate>(table->delegate());
    // The wiring named each column by its title; a click on a header sorts by that key.
    for (const auto& column : table->tableColumns())
        column->setSortDescriptorPrototype(platform::SortDescriptor::sortDescriptorWithKeyAscending(
            column->identifier()->utf8(), true));
    // Rows dragged inside the table, and files from the file manager, may be dropped on it.
    table->registerForDraggedTypes(platform::Array::arrayWithObjects(
        {String::fromUtf8(CUI_TableViewDelegate::reorderPasteboardType().utf8()),
         String::fromUtf8(platform::FilenamesPboardType)}));
    for (int number = 0; number < kRows; ++number)
        scores->tableData()->addObject(madeUpRow(number));
    table->reloadData();
    WindowCallbackSet(kScoresWindow, windowEvent, nullptr);
    std::printf("%d rows; click a header to sort, double-click a cell to edit it, drag rows to "
                "move them, drop files to add them.\n",
                kRows);
    std::fflush(stdout);
    platform::Application::shared()->runModalForWindow(window);
    return 0;
}

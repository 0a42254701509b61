#pragma once

// Shared by the view tests: a table or an outline in a scroll view in a shown window, with the
// one object that answers its questions and what its rows show read back as text, and the
// user's moves written as compact rows.

#include "platform/app/Pasteboard.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/IndexSet.h"
#include "platform/testing/ModalScript.h"
#include "platform/views/ScrollView.h"
#include "platform/views/TextField.h"
#include "platform/views/tables/TableCellView.h"
#include "platform/views/tables/TableColumn.h"
#include "platform/views/tables/TableHeaderView.h"
#include "platform/windows/Window.h"

#include <QApplication>

#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

namespace platform::views_testing {

template <class TableKind, class Answers>
struct ShownTable {
    Ref<Window> window;
    Ref<ScrollView> scroll;
    Ref<TableKind> table = std::make_shared<TableKind>();
    std::shared_ptr<Answers> rows = std::make_shared<Answers>();

    explicit ShownTable(double height = 220)
        : window(std::make_shared<Window>(Rect(9, 9, 300, height), WindowStyleMask::Titled)),
          scroll(std::make_shared<ScrollView>(Rect(0, 0, 300, height))) {}
    ~ShownTable() { window->close(); }

    Ref<TableColumn> addColumn(const char* identifier, double width = 100) {
        const auto column = std::make_shared<TableColumn>(String::fromUtf8(identifier));
        column->setTitle(String::fromUtf8(identifier));
        column->setWidth(width);
        table->addTableColumn(column);
        return column;
    }
    void acceptDrops(const char* type) {
        const auto types = Array::array();
        types->addObject(String::fromUtf8(type));
        types->addObject(String::fromUtf8(FilenamesPboardType));
        table->registerForDraggedTypes(types);
    }
    // Hands the table its answers and shows it.
    void show() {
        table->setDataSource(rows);
        if constexpr (requires { table->setDelegate(rows); })
            table->setDelegate(rows);
        table->reloadData();
        scroll->setDocumentView(table);
        window->contentView()->addSubview(scroll);
        window->makeKeyAndOrderFront();
        QApplication::processEvents();
    }

    // A point in the row: near its top edge (edge -1), in its middle (0) or near its bottom (1).
    Point inRow(std::int64_t row, double x = 30, int edge = 0) const {
        const Rect r = table->rectOfRow(row);
        return {x, edge < 0 ? r.minY() + 2 : edge > 0 ? r.maxY() - 2 : r.midY()};
    }
    Point header(std::int64_t column) const {
        const Rect r = table->headerView()->headerRectOfColumn(column);
        return {r.midX(), r.midY()};
    }
    Ref<TableCellView> cell(std::int64_t column, std::int64_t row) const {
        return std::dynamic_pointer_cast<TableCellView>(
            table->viewAtColumnRowMakeIfNecessary(column, row, false));
    }
    // The cell's text, "(none)" where the table made no cell view.
    std::string text(std::int64_t column, std::int64_t row) const {
        const auto shown = cell(column, row);
        return shown ? shown->textField()->stringValue()->utf8() : "(none)";
    }
    std::string selected() const { return table->selectedRowIndexes()->description()->utf8(); }
};

// Plays the user's moves written as words, each the name of an action followed, where the action
// needs one, by a number: "t0 s4 left".
inline void play(const std::string& moves,
                 const std::map<std::string, std::function<void(std::int64_t)>>& actions) {
    std::istringstream words(moves);
    for (std::string word; words >> word;) {
        const auto digits = word.find_first_of("0123456789");
        actions.at(word.substr(0, digits))(
            digits == std::string::npos ? 0 : std::stoll(word.substr(digits)));
    }
}

// What the user types, one after the other: a text typed, a key pressed, a character pressed
// with the Control key held, or a text pasted.
struct Paste {
    const char* text;
};
using Stroke = std::variant<const char*, testing::Key, char32_t, Paste>;
using Strokes = std::vector<Stroke>;

inline testing::ModalScript& typeStrokes(testing::ModalScript& script, const Strokes& strokes) {
    for (const Stroke& stroke : strokes) {
        if (const auto* text = std::get_if<const char*>(&stroke))
            script.type(*text);
        else if (const auto* key = std::get_if<testing::Key>(&stroke))
            script.press(*key);
        else if (const auto* character = std::get_if<char32_t>(&stroke))
            script.pressCharacter(*character, true);
        else
            script.paste(std::get<Paste>(stroke).text);
    }
    return script;
}

} // namespace platform::views_testing

#pragma once

// What the game's tests read off the console of window 1.

#include "game/Pondaro.h"

#include "platform/drawing/AttributedString.h"
#include "platform/drawing/Color.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/String.h"
#include "runtime/console/CUI_PrintToWindowItem.h"
#include "runtime/console/CUI_PrintToWindowView.h"
#include "runtime/console/ConsoleOperations.h"
#include "runtime/console/NamedColors.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace game_testing {

// Starts the application, the runtime and window 1 once per process, for a player named Ann.
inline void StartOnce() {
    static const bool started = [] {
        StartGame();
        PStrCopy(Game().playerName, PStrLiteral("Ann"));
        return true;
    }();
    (void)started;
}

// The name of a text item's foreground colour among the console's named colours, or "other".
inline std::string ColourName(const CUI_PrintToWindowItem& item) {
    const auto colour = std::dynamic_pointer_cast<platform::Color>(
        item.attributes()->objectForKey(platform::ForegroundColorAttributeName()));
    struct Named {
        platform::Ref<platform::Color> (*colour)();
        const char* name;
    };
    static constexpr Named named[] = {
        {ColorCyan, "cyan"},   {ColorGreen, "green"},   {ColorOrange, "orange"}, {ColorRed, "red"},
        {ColorWhite, "white"}, {ColorYellow, "yellow"}, {ColorBlack, "black"},
    };
    for (const Named& n : named)
        if (colour && colour->isEqual(*n.colour()))
            return n.name;
    return "other";
}

// A row of the console of window 1: its text, without the markers that kept lines open, and the
// rectangle its text takes in the console's coordinates. With colours, each run of text in a new
// colour starts with the colour's name in braces; empty pieces carry no colour, since none can be
// seen.
struct ConsoleRow {
    std::string text;
    platform::Rect rect;
};

inline std::vector<ConsoleRow> ConsoleRows(bool withColours) {
    struct Row {
        ConsoleRow row;
        std::string colour;
    };
    std::map<double, Row> rows;
    for (const auto& item : ConsoleForWindowTag(1)->items()) {
        if (item->type() != CUI_PrintToWindowItem::TypeText)
            continue;
        std::string text = item->string()->utf8();
        std::erase(text, '\b');
        Row& row = rows[item->pt().y];
        if (text.empty())
            continue;
        if (withColours && ColourName(*item) != row.colour)
            row.row.text += "{" + ColourName(*item) + "}";
        row.colour = ColourName(*item);
        const platform::Rect rect(
            item->pt(),
            platform::AttributedString::create(item->string(), item->attributes())->size());
        row.row.rect = row.row.text.empty() ? rect : row.row.rect.unionWith(rect);
        row.row.text += text;
    }
    std::vector<ConsoleRow> result;
    for (const auto& [y, row] : rows)
        result.push_back(row.row);
    return result;
}

// The console's rows top to bottom. A print that ends its line leaves an empty piece where the
// pen waits on the next row; that row is not counted.
inline std::vector<std::string> ConsoleLines(bool withColours = false) {
    std::vector<std::string> lines;
    for (const auto& row : ConsoleRows(withColours))
        lines.push_back(row.text);
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

// The lowest row that shows text.
inline ConsoleRow LastTextRow() {
    const auto rows = ConsoleRows(false);
    const auto last = std::find_if(rows.rbegin(), rows.rend(),
                                   [](const ConsoleRow& row) { return !row.text.empty(); });
    return last == rows.rend() ? ConsoleRow{} : *last;
}

inline std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + "\n";
    return text;
}

} // namespace game_testing

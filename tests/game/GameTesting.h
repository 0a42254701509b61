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

// The console's rows top to bottom, without the markers that kept lines open. With colours,
// each run of text in a new colour starts with the colour's name in braces; empty pieces carry
// no colour, since none can be seen.
inline std::vector<std::string> ConsoleLines(bool withColours = false) {
    struct Row {
        std::string text;
        std::string colour;
    };
    std::map<double, Row> rows;
    for (const auto& item : ConsoleForWindowTag(1)->items()) {
        if (item->type() != CUI_PrintToWindowItem::TypeText)
            continue;
        std::string text = item->string()->utf8();
        std::erase(text, '\b');
        Row& row = rows[item->pt().y];
        if (withColours && !text.empty()) {
            const std::string colour = ColourName(*item);
            if (colour != row.colour)
                row.text += "{" + colour + "}";
            row.colour = colour;
        }
        row.text += text;
    }
    std::vector<std::string> lines;
    for (const auto& [y, row] : rows)
        lines.push_back(row.text);
    // A print that ends its line leaves an empty piece where the pen waits on the next row.
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

// The lowest row of the console of window 1 that shows text: its text and the rectangle its
// pieces take, in the console's coordinates.
struct ConsoleRow {
    std::string text;
    platform::Rect rect;
};
inline ConsoleRow LastTextRow() {
    ConsoleRow row;
    double lowest = -1;
    for (const auto& item : ConsoleForWindowTag(1)->items()) {
        std::string text = item->string() ? item->string()->utf8() : "";
        std::erase(text, '\b');
        if (item->type() != CUI_PrintToWindowItem::TypeText || text.empty())
            continue;
        const platform::Rect rect(
            item->pt(),
            platform::AttributedString::create(item->string(), item->attributes())->size());
        if (item->pt().y > lowest)
            row = {text, rect};
        else if (item->pt().y == lowest)
            row = {row.text + text, row.rect.unionWith(rect)};
        lowest = std::max(lowest, item->pt().y);
    }
    return row;
}

inline std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + "\n";
    return text;
}

} // namespace game_testing

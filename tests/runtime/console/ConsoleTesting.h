#pragma once

// What the console tests share: a fresh console, the metrics of its default font taken from the
// platform rather than written in, and a fixture for the tests that use real windows, which
// starts with no window and no current output window and closes every window it opened.

#include "TestText.h"
#include "runtime/console/CUI_PrintToWindowItem.h"
#include "runtime/console/CUI_PrintToWindowView.h"
#include "runtime/shell/CUI_AppDelegate.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/app/Application.h"
#include "platform/drawing/AttributedString.h"
#include "platform/drawing/Font.h"
#include "platform/drawing/LayoutManager.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/String.h"
#include "platform/foundation/Value.h"
#include "platform/windows/Window.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace console_testing {

inline platform::Ref<platform::String> str(const std::u16string& text) {
    return platform::String::create(text);
}

using testsupport::text;

inline platform::Ref<platform::Font> menlo(double size = 12) {
    return platform::Font::fontWithNameSize(*text("Menlo"), size);
}

inline double lineHeightOf(const platform::Ref<platform::Font>& font) {
    return platform::LayoutManager().defaultLineHeightForFont(*font);
}

// The width of a text laid out with the attributes, as the console measures it.
inline double widthOf(const std::u16string& text,
                      const platform::Ref<platform::Dictionary>& attributes) {
    return platform::AttributedString(str(text), attributes)
        .boundingRectWithSizeOptions({10000, 10000},
                                     platform::StringDrawingOptions::UsesLineFragmentOrigin |
                                         platform::StringDrawingOptions::UsesFontLeading)
        .width();
}

constexpr double viewWidth = 400;

inline platform::Ref<CUI_PrintToWindowView> makeConsole() {
    return CUI_PrintToWindowView::viewWithFrame({0, 0, viewWidth, 1});
}

// A point list as the line-drawing calls take it.
inline platform::Ref<platform::Array> pointList(std::initializer_list<platform::Point> points) {
    auto list = platform::Array::array();
    for (const platform::Point p : points)
        list->addObject(platform::Value::valueWithPoint(p));
    return list;
}

// The texts of the console's items, in order.
inline std::vector<std::u16string> texts(const CUI_PrintToWindowView& console) {
    std::vector<std::u16string> result;
    for (const auto& item : console.items())
        result.push_back(item->string()->utf16());
    return result;
}

class ConsoleWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        AppEnsureDelegate();
        closeAllWindows();
    }
    void TearDown() override { closeAllWindows(); }

    static void closeAllWindows() {
        for (const auto& window : platform::Application::shared()->windows())
            window->close();
        CurrentOutputWindowTagSet(0);
    }
};

} // namespace console_testing

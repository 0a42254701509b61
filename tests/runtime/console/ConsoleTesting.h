#pragma once

// What the console tests share: a fresh console and the metrics of its default font, taken
// from the platform rather than written in.

#include "platform/drawing/AttributedString.h"
#include "platform/drawing/Font.h"
#include "platform/drawing/LayoutManager.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/String.h"
#include "runtime/console/CUI_PrintToWindowItem.h"
#include "runtime/console/CUI_PrintToWindowView.h"

#include <string>

namespace console_testing {

inline platform::Ref<platform::String> str(const std::u16string& text) {
    return platform::String::create(text);
}

inline platform::Ref<platform::Font> defaultFont() {
    return platform::Font::fontWithNameSize(*platform::String::fromUtf8("Menlo"), 12);
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

} // namespace console_testing

#include "runtime/console/ConsoleOperations.h"

#include "runtime/console/CUI_PrintToWindowScrollView.h"
#include "runtime/console/CUI_PrintToWindowView.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/foundation/MutableString.h"
#include "platform/foundation/String.h"
#include "platform/views/ClipView.h"
#include "platform/windows/Window.h"

using platform::Ref;

namespace {

// The console of the print window, or absent when no print window can be had.
Ref<CUI_PrintToWindowView> printConsole() {
    const Ref<platform::Window> window = GetPrintWindow();
    return window ? ConsoleViewOfWindow(window) : nullptr;
}

Ref<platform::Window> resolvedWindow() {
    std::int64_t tag = 0;
    const Ref<platform::Object> found = WindowResolve(tag);
    return found ? found->as<platform::Window>() : nullptr;
}

} // namespace

Ref<platform::Window> GetPrintWindow() {
    std::int64_t tag = 0;
    if (const Ref<platform::Object> found = WindowResolve(tag))
        return found->as<platform::Window>();
    WindowOpen(kDefaultPrintWindowTag, platform::String::create(kDefaultPrintWindowTitle),
               kParamNotGiven, {});
    return resolvedWindow();
}

Ref<CUI_PrintToWindowView> ConsoleViewOfWindow(const Ref<platform::Window>& window) {
    if (!window)
        return nullptr;
    const Ref<platform::View> contentView = window->contentView();
    for (const auto& subview : contentView->subviews())
        if (const auto scrollView = subview->as<CUI_PrintToWindowScrollView>())
            return scrollView->documentView()
                       ? scrollView->documentView()->as<CUI_PrintToWindowView>()
                       : nullptr;
    const auto scrollView = CUI_PrintToWindowScrollView::scrollViewWithFrame(contentView->bounds());
    const platform::Rect visible = scrollView->contentView()->bounds();
    const auto console =
        CUI_PrintToWindowView::viewWithFrame({visible.origin, {visible.width(), 1}});
    console->setTextInset(3.0);
    scrollView->setDocumentView(console);
    // Below every other view, so that controls placed in the window stay above the console.
    contentView->addSubviewPositionedRelativeTo(scrollView, platform::WindowOrderingMode::Below,
                                                nullptr);
    console->setScrollView(scrollView);
    return console;
}

Ref<CUI_PrintToWindowView> ConsoleForWindowTag(std::int64_t tag) {
    const Ref<platform::Window> window = tag != 0 ? WindowWithTag(tag) : resolvedWindow();
    return window ? ConsoleViewOfWindow(window) : nullptr;
}

void ConsolePrint(std::initializer_list<Ref<platform::Object>> values) {
    const Ref<CUI_PrintToWindowView> console = printConsole();
    if (!console)
        return;
    const auto text = platform::MutableString::create();
    for (const auto& value : values) {
        if (!value)
            break;
        if (const auto string = value->as<platform::String>())
            text->appendString(*string);
        else
            text->appendString(*value->description());
    }
    console->addString(text);
}

void ConsoleSetText(const Ref<platform::String>& fontName, double fontSize,
                    const Ref<platform::Color>& foreground, const Ref<platform::Color>& background,
                    std::int64_t alignment, std::int64_t tabInterval) {
    const Ref<CUI_PrintToWindowView> console = printConsole();
    if (!console)
        return;
    if (fontName)
        console->setFontName(fontName);
    if (fontSize > 0)
        console->setFontSize(fontSize);
    if (foreground)
        console->setForegroundColor(foreground);
    if (background)
        console->setBackgroundColor(background);
    if (alignment != kParamNotGiven)
        console->setAlignment(alignment);
    if (tabInterval != kParamNotGiven)
        console->setTabInterval(static_cast<double>(tabInterval));
}

void ConsoleSetPenPosition(double x, double y) {
    if (const Ref<CUI_PrintToWindowView> console = printConsole())
        console->setCurrentPoint({x, y});
}

void ConsoleClear() {
    if (const Ref<CUI_PrintToWindowView> console = printConsole())
        console->clear();
}

void ScrollConsoleToEnd(const Ref<CUI_PrintToWindowView>& console) {
    if (!console)
        return;
    const Ref<CUI_PrintToWindowScrollView> scrollView = console->scrollView();
    if (!scrollView)
        return;
    const Ref<platform::ClipView> clipView = scrollView->contentView();
    const double documentHeight = console->frame().height();
    const double visibleHeight = scrollView->contentSize().height;
    clipView->scrollToPoint({0, documentHeight - visibleHeight + 20.0});
    scrollView->reflectScrolledClipView(clipView);
}

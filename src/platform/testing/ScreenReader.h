#pragma once

// What a screen reader learns of the application, read through the toolkit's accessibility
// interfaces exactly as the desktop's accessibility bridge reads them.

#include <string>
#include <vector>

namespace platform {
class View;
class Window;
} // namespace platform

namespace platform::testing {

class ScreenReader {
public:
    // Hears, from now until it goes, every text change views report.
    ScreenReader();
    ~ScreenReader();
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    // The changes heard, in order, as "+offset text" for an insertion, "-offset text" for a
    // removal.
    const std::vector<std::u16string>& changes() const { return changes_; }

    // The view's role as the bridge names it ("document", "text", "push button" ...), its name,
    // its whole text, the caret's offset in it, the line that holds an offset and the text
    // attributes at an offset ("color:rgb(255,0,0);").
    static std::string role(const View& view);
    static std::u16string name(const View& view);
    static std::u16string name(const Window& window);
    static std::u16string text(const View& view);
    static int caret(const View& view);
    static std::u16string lineAt(const View& view, int offset);
    static std::string attributesAt(const View& view, int offset);
    // Whether the view is the one of its window that has the keyboard when the window has it.
    static bool hasFocus(const View& view);

private:
    std::vector<std::u16string> changes_;
};

} // namespace platform::testing

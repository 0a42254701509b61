#pragma once

#include "platform/foundation/Object.h"

#include <utility>

namespace platform {
class Font;
}

// Defaults a console could be made with. The consoles the runtime makes do not read them: their
// settings are fixed.
class CUI_PrintToWindowDefaults : public platform::Object {
public:
    // Whether a console shows its scroller.
    bool showScroller() const { return showScroller_; }
    void setShowScroller(bool value) { showScroller_ = value; }
    // Whether the scroller hides itself while the content fits.
    bool autoHideScroller() const { return autoHideScroller_; }
    void setAutoHideScroller(bool value) { autoHideScroller_ = value; }
    platform::Ref<platform::Font> font() const { return font_; }
    void setFont(platform::Ref<platform::Font> font) { font_ = std::move(font); }
    // The left margin of the text.
    double textInset() const { return textInset_; }
    void setTextInset(double inset) { textInset_ = inset; }

private:
    bool showScroller_ = false;
    bool autoHideScroller_ = false;
    platform::Ref<platform::Font> font_;
    double textInset_ = 0;
};

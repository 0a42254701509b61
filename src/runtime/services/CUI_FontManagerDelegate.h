#pragma once

// The target of the font manager's changeFont: it keeps a font, converts it with each of the
// user's picks in the font panel and hands the new font to the dialog callback as
// FontEvent::Changed, in the shared event record's fontObj and as the object.

#include "platform/foundation/Object.h"
#include "platform/foundation/Selector.h"

namespace platform {
class Font;
}

class CUI_FontManagerDelegate : public platform::Object {
public:
    // Holds Helvetica at 12 points, or the system font at 12 points where there is none.
    CUI_FontManagerDelegate();

    platform::Ref<platform::Font> font() const { return font_; }
    void setFont(platform::Ref<platform::Font> font) { font_ = std::move(font); }

    // The sender is the font manager.
    void changeFont(const platform::Ref<platform::Object>& sender);
    // The message that reaches changeFont, made once.
    static const platform::Selector& changeFontSelector();

private:
    platform::Ref<platform::Font> font_;
};

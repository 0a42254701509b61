#include "runtime/services/CUI_FontManagerDelegate.h"

#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"

#include "platform/drawing/Font.h"
#include "platform/foundation/String.h"
#include "platform/services/FontManager.h"

CUI_FontManagerDelegate::CUI_FontManagerDelegate()
    : font_(platform::Font::fontWithNameSize(*platform::String::fromUtf8("Helvetica"), 12)) {
    if (!font_)
        font_ = platform::Font::systemFontOfSize(12);
}

void CUI_FontManagerDelegate::changeFont(const platform::Ref<platform::Object>& sender) {
    const auto manager = std::dynamic_pointer_cast<platform::FontManager>(sender);
    font_ = (manager ? manager : platform::FontManager::sharedFontManager())->convertFont(font_);
    DialogEventSetFontObj(font_);
    DialogCallbackCall(FontEvent::Changed, 0, 0, font_);
}

const platform::Selector& CUI_FontManagerDelegate::changeFontSelector() {
    static const platform::Selector selector("changeFont:", &CUI_FontManagerDelegate::changeFont);
    return selector;
}

#include "runtime/shell/CUI_Event.h"

#include <memory>

CUI_Event& CUI_Event::shared() {
    static const platform::Ref<CUI_Event> record = std::make_shared<CUI_Event>();
    return *record;
}

void CurrentEventSet(platform::Ref<platform::Event> event) {
    CUI_Event::shared().setNsEvent(std::move(event));
}

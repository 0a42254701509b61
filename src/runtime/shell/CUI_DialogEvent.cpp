#include "runtime/shell/CUI_DialogEvent.h"

#include <memory>

CUI_DialogEvent& CUI_DialogEvent::shared() {
    static const platform::Ref<CUI_DialogEvent> record = std::make_shared<CUI_DialogEvent>();
    return *record;
}

#define CUI_DIALOG_EVENT_OPERATIONS(Type, name, Name)                                              \
    void DialogEventSet##Name(Type value) {                                                        \
        CUI_DialogEvent::shared().set##Name(std::move(value));                                     \
    }                                                                                              \
    Type DialogEvent##Name() {                                                                     \
        return CUI_DialogEvent::shared().name();                                                   \
    }
CUI_DIALOG_EVENT_FIELDS(CUI_DIALOG_EVENT_OPERATIONS)
#undef CUI_DIALOG_EVENT_OPERATIONS

#include "runtime/elements/CUI_SearchFieldDelegate.h"

#include "runtime/elements/CUI_TextFieldDelegate.h"
#include "runtime/shell/CUI_ControlTarget.h"
#include "runtime/shell/EventCodes.h"

#include "platform/views/controls/SearchField.h"

using platform::Ref;

const Ref<CUI_SearchFieldDelegate>& CUI_SearchFieldDelegate::shared() {
    static const Ref<CUI_SearchFieldDelegate> delegate =
        std::make_shared<CUI_SearchFieldDelegate>();
    return delegate;
}

void CUI_SearchFieldDelegate::controlTextDidBeginEditing(
    const Ref<platform::Notification>& notice) {
    TextNoticeEvent(TextEditingEvent::DidBeginEditing, notice, false);
}

void CUI_SearchFieldDelegate::controlTextDidChange(const Ref<platform::Notification>& notice) {
    TextNoticeEvent(TextEditingEvent::DidChange, notice, false);
}

void CUI_SearchFieldDelegate::controlTextDidEndEditing(const Ref<platform::Notification>& notice) {
    TextNoticeEvent(TextEditingEvent::DidEndEditing, notice, false);
}

void CUI_SearchFieldDelegate::searchFieldDidStartSearching(
    const Ref<platform::SearchField>& sender) {
    ControlEvent(SearchFieldEvent::DidStartSearching, sender, nullptr);
}

void CUI_SearchFieldDelegate::searchFieldDidEndSearching(const Ref<platform::SearchField>& sender) {
    ControlEvent(SearchFieldEvent::DidEndSearching, sender, nullptr);
}

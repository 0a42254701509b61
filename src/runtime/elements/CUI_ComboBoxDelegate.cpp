#include "runtime/elements/CUI_ComboBoxDelegate.h"

#include "runtime/elements/CUI_TextFieldDelegate.h"
#include "runtime/shell/EventCodes.h"

using platform::Ref;

const Ref<CUI_ComboBoxDelegate>& CUI_ComboBoxDelegate::shared() {
    static const Ref<CUI_ComboBoxDelegate> delegate = std::make_shared<CUI_ComboBoxDelegate>();
    return delegate;
}

void CUI_ComboBoxDelegate::setComboBoxData(Ref<platform::Array> items) {
    comboBoxData_ = items ? std::move(items) : platform::Array::array();
}

void CUI_ComboBoxDelegate::controlTextDidBeginEditing(const Ref<platform::Notification>& notice) {
    TextNoticeEvent(TextEditingEvent::DidBeginEditing, notice, false);
}

void CUI_ComboBoxDelegate::controlTextDidChange(const Ref<platform::Notification>& notice) {
    TextNoticeEvent(TextEditingEvent::DidChange, notice, false);
}

void CUI_ComboBoxDelegate::controlTextDidEndEditing(const Ref<platform::Notification>& notice) {
    TextNoticeEvent(TextEditingEvent::DidEndEditing, notice, false);
}

void CUI_ComboBoxDelegate::comboBoxWillPopUp(const Ref<platform::Notification>& notice) {
    TextNoticeEvent(ComboBoxEvent::WillPopUp, notice, false);
}

void CUI_ComboBoxDelegate::comboBoxWillDismiss(const Ref<platform::Notification>& notice) {
    TextNoticeEvent(ComboBoxEvent::WillDismiss, notice, false);
}

void CUI_ComboBoxDelegate::comboBoxSelectionIsChanging(const Ref<platform::Notification>& notice) {
    TextNoticeEvent(ComboBoxEvent::SelectionIsChanging, notice, false);
}

void CUI_ComboBoxDelegate::comboBoxSelectionDidChange(const Ref<platform::Notification>& notice) {
    TextNoticeEvent(ComboBoxEvent::SelectionDidChange, notice, false);
}

std::int64_t CUI_ComboBoxDelegate::numberOfItemsInComboBox(const Ref<platform::ComboBox>&) {
    return static_cast<std::int64_t>(comboBoxData_->count());
}

Ref<platform::Object>
CUI_ComboBoxDelegate::comboBoxObjectValueForItemAtIndex(const Ref<platform::ComboBox>&,
                                                        std::int64_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= comboBoxData_->count())
        return nullptr;
    return comboBoxData_->objectAtIndex(static_cast<std::size_t>(index));
}

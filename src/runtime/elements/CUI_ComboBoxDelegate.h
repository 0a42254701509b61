#pragma once

// The delegate the wiring gives combo boxes. It reports the editing notices of the field and
// those of the list through ControlEvent, with no object. It is also a data source, serving the
// items of comboBoxData to a combo box that uses it as one; nothing here fills that list, the
// program does. One instance serves every combo box.

#include "platform/foundation/Array.h"
#include "platform/foundation/Object.h"
#include "platform/views/controls/ComboBoxDataSource.h"
#include "platform/views/controls/ComboBoxDelegate.h"

class CUI_ComboBoxDelegate : public platform::Object,
                             public platform::ComboBoxDelegate,
                             public platform::ComboBoxDataSource {
public:
    // The one delegate, created on first use and never released: combo boxes hold it weakly.
    static const platform::Ref<CUI_ComboBoxDelegate>& shared();

    // The items served as a data source; an empty list at first.
    const platform::Ref<platform::Array>& comboBoxData() const { return comboBoxData_; }
    void setComboBoxData(platform::Ref<platform::Array> items);

    void controlTextDidBeginEditing(const platform::Ref<platform::Notification>& notice) override;
    void controlTextDidChange(const platform::Ref<platform::Notification>& notice) override;
    void controlTextDidEndEditing(const platform::Ref<platform::Notification>& notice) override;
    void comboBoxWillPopUp(const platform::Ref<platform::Notification>& notice) override;
    void comboBoxWillDismiss(const platform::Ref<platform::Notification>& notice) override;
    void comboBoxSelectionIsChanging(const platform::Ref<platform::Notification>& notice) override;
    void comboBoxSelectionDidChange(const platform::Ref<platform::Notification>& notice) override;

    std::int64_t numberOfItemsInComboBox(const platform::Ref<platform::ComboBox>& box) override;
    platform::Ref<platform::Object>
    comboBoxObjectValueForItemAtIndex(const platform::Ref<platform::ComboBox>& box,
                                      std::int64_t index) override;

private:
    platform::Ref<platform::Array> comboBoxData_ = platform::Array::array();
};

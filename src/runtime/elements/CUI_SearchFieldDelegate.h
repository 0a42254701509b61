#pragma once

// The delegate the wiring gives search fields. It reports the editing notices of a field and the
// start and end of each search through ControlEvent, with no object; the field's questions keep
// the answers a field gives without a delegate. One instance serves every field.

#include "platform/foundation/Object.h"
#include "platform/views/controls/SearchFieldDelegate.h"

class CUI_SearchFieldDelegate : public platform::Object, public platform::SearchFieldDelegate {
public:
    // The one delegate, created on first use and never released: fields hold it weakly.
    static const platform::Ref<CUI_SearchFieldDelegate>& shared();

    void controlTextDidBeginEditing(const platform::Ref<platform::Notification>& notice) override;
    void controlTextDidChange(const platform::Ref<platform::Notification>& notice) override;
    void controlTextDidEndEditing(const platform::Ref<platform::Notification>& notice) override;
    void searchFieldDidStartSearching(const platform::Ref<platform::SearchField>& sender) override;
    void searchFieldDidEndSearching(const platform::Ref<platform::SearchField>& sender) override;
};

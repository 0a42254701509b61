#pragma once

// The delegate of text storages whose edits the program hears through the callbacks attached to
// the storage (Additions: setCuiTextStorageWillProcessEditingCallback and its kin). Each notice
// goes to the storage's own callback with its own user data; a storage without one is not
// reported. One instance serves every storage.

#include "platform/foundation/Object.h"
#include "platform/views/TextStorageDelegate.h"

class CUI_TextStorageDelegate : public platform::Object, public platform::TextStorageDelegate {
public:
    // The one delegate, created on first use and never released: storages hold it weakly.
    static const platform::Ref<CUI_TextStorageDelegate>& shared();

    void textStorageWillProcessEditingRangeChangeInLength(
        const platform::Ref<platform::TextStorage>& storage, std::uint64_t editedMask,
        platform::Range editedRange, std::int64_t delta) override;
    void textStorageDidProcessEditingRangeChangeInLength(
        const platform::Ref<platform::TextStorage>& storage, std::uint64_t editedMask,
        platform::Range editedRange, std::int64_t delta) override;
};

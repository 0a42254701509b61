#pragma once

// The record of a toolbar the program fills: the descriptions of its items by identifier, each a
// dictionary with "Tag" (a number), and optionally "Label" (a string) and "Image" (an image),
// and the identifier lists the shared CUI_ToolbarDelegate answers with. A registered record's
// toolbar is named by the integer value of its identifier, found by the lookups and made by the
// shared delegate.

#include "platform/foundation/Object.h"

namespace platform {
class Array;
class Dictionary;
class Toolbar;
} // namespace platform

class CUI_ToolbarObj final : public platform::Object {
public:
    // Empty items and empty allowed and default lists; no selectable or immovable lists.
    explicit CUI_ToolbarObj(platform::Ref<platform::Toolbar> toolbar);

    const platform::Ref<platform::Toolbar>& toolbar() const { return toolbar_; }
    const platform::Ref<platform::Dictionary>& items() const { return items_; }
    const platform::Ref<platform::Array>& allowedIdentifiers() const { return allowed_; }
    const platform::Ref<platform::Array>& defaultIdentifiers() const { return defaults_; }
    platform::Ref<platform::Array> selectableIdentifiers() const { return selectable_; }
    void setSelectableIdentifiers(platform::Ref<platform::Array> list) { selectable_ = list; }
    platform::Ref<platform::Array> immovableIdentifiers() const { return immovable_; }
    void setImmovableIdentifiers(platform::Ref<platform::Array> list) { immovable_ = list; }

    // Keeps the record for good, registers its toolbar for the lookups and gives the toolbar the
    // shared delegate, which fills a toolbar without items with the default ones.
    static void registerRecord(const platform::Ref<CUI_ToolbarObj>& record);
    // The first registered record whose toolbar's identifier has the toolbar's integer value.
    static platform::Ref<CUI_ToolbarObj> recordOf(const platform::Toolbar& toolbar);

private:
    platform::Ref<platform::Toolbar> toolbar_;
    platform::Ref<platform::Dictionary> items_;
    platform::Ref<platform::Array> allowed_;
    platform::Ref<platform::Array> defaults_;
    platform::Ref<platform::Array> selectable_;
    platform::Ref<platform::Array> immovable_;
};

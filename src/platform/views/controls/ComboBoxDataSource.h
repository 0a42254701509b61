#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

class ComboBox;

// Gives a combo box that uses a data source its items, asked each time they are needed. Without
// answers the combo box has no items.
class ComboBoxDataSource {
public:
    virtual ~ComboBoxDataSource();

    virtual std::int64_t numberOfItemsInComboBox(const Ref<ComboBox>& comboBox);
    virtual Ref<Object> comboBoxObjectValueForItemAtIndex(const Ref<ComboBox>& comboBox,
                                                          std::int64_t index);
};

} // namespace platform

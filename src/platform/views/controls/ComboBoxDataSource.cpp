#include "platform/views/controls/ComboBoxDataSource.h"

namespace platform {

ComboBoxDataSource::~ComboBoxDataSource() = default;

std::int64_t ComboBoxDataSource::numberOfItemsInComboBox(const Ref<ComboBox>&) {
    return 0;
}

Ref<Object> ComboBoxDataSource::comboBoxObjectValueForItemAtIndex(const Ref<ComboBox>&,
                                                                  std::int64_t) {
    return nullptr;
}

} // namespace platform

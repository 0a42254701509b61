#include "platform/views/controls/ComboBoxDelegate.h"

namespace platform {

void ComboBoxDelegate::comboBoxWillPopUp(const Ref<Notification>&) {}

void ComboBoxDelegate::comboBoxWillDismiss(const Ref<Notification>&) {}

void ComboBoxDelegate::comboBoxSelectionIsChanging(const Ref<Notification>&) {}

void ComboBoxDelegate::comboBoxSelectionDidChange(const Ref<Notification>&) {}

} // namespace platform

#pragma once

#include "platform/views/TextFieldDelegate.h"

namespace platform {

// What a combo box tells its delegate besides the editing of a text field. The notifications
// carry the combo box as their object.
class ComboBoxDelegate : public TextFieldDelegate {
public:
    // Before the list of items opens.
    virtual void comboBoxWillPopUp(const Ref<Notification>& notification);
    // Before the list closes, whether an item was chosen or not.
    virtual void comboBoxWillDismiss(const Ref<Notification>& notification);
    // The user moved through the open list; nothing is chosen yet.
    virtual void comboBoxSelectionIsChanging(const Ref<Notification>& notification);
    // The user chose an item, from the list or with the arrow keys.
    virtual void comboBoxSelectionDidChange(const Ref<Notification>& notification);
};

} // namespace platform

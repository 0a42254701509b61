#pragma once

// Internal to the platform: the toolkit's own (non-native) file dialog showing a SavePanel or an
// OpenPanel, so that the panel's delegate can be asked about every item the list shows, about
// the chosen items before the dialog accepts them, and told of the user's moves.

#include "platform/foundation/Object.h"

#include <QFileDialog>
#include <QStringList>

namespace platform {
class OpenSavePanelDelegate;
class SavePanel;
} // namespace platform

namespace platform::detail {

class EnabledItemsModel;

class FileDialog : public QFileDialog {
public:
    // Reads the panel's properties; the panel outlives the dialog.
    FileDialog(SavePanel& panel, QWidget* parent);

    // The paths chosen, as the delegate confirmed them; empty until the dialog accepts.
    const QStringList& chosen() const { return chosen_; }

    // Accepting asks the delegate first, and for a save over an existing file the user.
    void done(int result) override;

private:
    bool confirmChoice();
    Ref<SavePanel> owner() const;
    std::shared_ptr<OpenSavePanelDelegate> delegate() const;

    SavePanel& panel_;
    EnabledItemsModel* enabledItems_;
    QStringList chosen_;
};

} // namespace platform::detail

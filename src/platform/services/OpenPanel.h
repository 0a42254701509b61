#pragma once

#include "platform/services/SavePanel.h"

namespace platform {

// The panel in which the user chooses files or directories to open.
class OpenPanel : public SavePanel {
public:
    OpenPanel();
    static Ref<OpenPanel> openPanel();

    bool canChooseFiles() const { return canChooseFiles_; }
    void setCanChooseFiles(bool can) { canChooseFiles_ = can; }
    // The panel then chooses directories; files stay in view only while canChooseFiles is set.
    bool canChooseDirectories() const { return canChooseDirectories_; }
    void setCanChooseDirectories(bool can) { canChooseDirectories_ = can; }
    bool allowsMultipleSelection() const { return allowsMultipleSelection_; }
    void setAllowsMultipleSelection(bool allows) { allowsMultipleSelection_ = allows; }

    // The items chosen when the panel last ended with OK (URLs), empty otherwise.
    Ref<Array> URLs() const;

protected:
    void prepare(detail::FileDialog& dialog) const override;

private:
    bool canChooseFiles_ = true;
    bool canChooseDirectories_ = false;
    bool allowsMultipleSelection_ = false;
};

} // namespace platform

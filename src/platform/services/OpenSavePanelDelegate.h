#pragma once

#include "platform/foundation/Object.h"

namespace platform {

class Error;
class SavePanel;
class String;
class URL;

// What an open or save panel tells and asks its delegate while the user works in it. Each method
// answers what the panel does without a delegate.
class OpenSavePanelDelegate {
public:
    virtual ~OpenSavePanelDelegate();

    // The user confirmed the name in a save panel's name field. The answer is the name to save
    // under; none or an empty name keeps the panel open.
    virtual Ref<String> panelUserEnteredFilenameConfirmed(const Ref<SavePanel>& panel,
                                                          const Ref<String>& filename,
                                                          bool confirmed);
    virtual void panelSelectionDidChange(const Ref<SavePanel>& panel);
    virtual void panelDidChangeToDirectoryURL(const Ref<SavePanel>& panel, const Ref<URL>& url);
    // The user switches the file list between its plain form and its detailed form (expanding).
    virtual void panelWillExpand(const Ref<SavePanel>& panel, bool expanding);
    // Whether the item is enabled in the file list; a disabled item cannot be chosen.
    virtual bool panelShouldEnableURL(const Ref<SavePanel>& panel, const Ref<URL>& url);
    // Asked for each chosen item before the panel ends with OK; false keeps the panel open, and
    // an error put in *error is shown to the user.
    virtual bool panelValidateURLError(const Ref<SavePanel>& panel, const Ref<URL>& url,
                                       Ref<Error>* error);
};

} // namespace platform

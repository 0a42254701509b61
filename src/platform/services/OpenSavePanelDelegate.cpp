#include "platform/services/OpenSavePanelDelegate.h"

#include "platform/foundation/String.h"

namespace platform {

OpenSavePanelDelegate::~OpenSavePanelDelegate() = default;

Ref<String> OpenSavePanelDelegate::panelUserEnteredFilenameConfirmed(const Ref<SavePanel>&,
                                                                     const Ref<String>& filename,
                                                                     bool) {
    return filename;
}
void OpenSavePanelDelegate::panelSelectionDidChange(const Ref<SavePanel>&) {}
void OpenSavePanelDelegate::panelDidChangeToDirectoryURL(const Ref<SavePanel>&, const Ref<URL>&) {}
void OpenSavePanelDelegate::panelWillExpand(const Ref<SavePanel>&, bool) {}
bool OpenSavePanelDelegate::panelShouldEnableURL(const Ref<SavePanel>&, const Ref<URL>&) {
    return true;
}
bool OpenSavePanelDelegate::panelValidateURLError(const Ref<SavePanel>&, const Ref<URL>&,
                                                  Ref<Error>*) {
    return true;
}

} // namespace platform

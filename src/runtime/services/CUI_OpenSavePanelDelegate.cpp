#include "runtime/services/CUI_OpenSavePanelDelegate.h"

#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"

#include "platform/foundation/Error.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/services/SavePanel.h"

using platform::Ref;

void CUI_OpenSavePanelDelegate::deliver(std::int64_t event, const Ref<platform::SavePanel>& panel,
                                        const Ref<platform::Object>& object) {
    const std::int64_t tag = Additions::tag(*panel);
    DialogCallbackCall(event, tag, tag, object);
}

Ref<platform::String> CUI_OpenSavePanelDelegate::panelUserEnteredFilenameConfirmed(
    const Ref<platform::SavePanel>& panel, const Ref<platform::String>& filename, bool confirmed) {
    DialogEventSetStringObj(filename);
    DialogEventSetBoolVal(confirmed);
    deliver(PanelEvent::UserEnteredFilename, panel, filename);
    return DialogEventStringObj();
}

void CUI_OpenSavePanelDelegate::panelSelectionDidChange(const Ref<platform::SavePanel>& panel) {
    deliver(PanelEvent::SelectionDidChange, panel, panel);
}

void CUI_OpenSavePanelDelegate::panelDidChangeToDirectoryURL(const Ref<platform::SavePanel>& panel,
                                                             const Ref<platform::URL>& url) {
    DialogEventSetUrlObj(url);
    deliver(PanelEvent::DidChangeToDirectory, panel, url);
}

void CUI_OpenSavePanelDelegate::panelWillExpand(const Ref<platform::SavePanel>& panel,
                                                bool expanding) {
    DialogEventSetBoolVal(expanding);
    deliver(PanelEvent::WillExpand, panel, panel);
}

bool CUI_OpenSavePanelDelegate::panelShouldEnableURL(const Ref<platform::SavePanel>& panel,
                                                     const Ref<platform::URL>& url) {
    DialogEventSetBoolVal(true);
    DialogEventSetUrlObj(url);
    deliver(PanelEvent::ShouldEnableURL, panel, url);
    return DialogEventBoolVal();
}

bool CUI_OpenSavePanelDelegate::panelValidateURLError(const Ref<platform::SavePanel>& panel,
                                                      const Ref<platform::URL>& url,
                                                      Ref<platform::Error>* error) {
    DialogEventSetBoolVal(true);
    DialogEventSetUrlObj(url);
    DialogEventSetErrorObj(nullptr);
    deliver(PanelEvent::ValidateURL, panel, nullptr);
    const bool valid = DialogEventBoolVal();
    if (!valid && error)
        *error = std::dynamic_pointer_cast<platform::Error>(DialogEventErrorObj());
    return valid;
}

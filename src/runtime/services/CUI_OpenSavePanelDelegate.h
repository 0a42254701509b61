#pragma once

// The delegate a program gives its open and save panels. Each message becomes a panel event
// (see EventCodes.h) for the dialog callback, with the panel's tag as both tags: the shared event
// record is prepared with the message's values and the default answer, the callback is called,
// and the panel gets what the record holds afterwards.

#include "platform/foundation/Object.h"
#include "platform/services/OpenSavePanelDelegate.h"

#include <cstdint>

class CUI_OpenSavePanelDelegate : public platform::Object, public platform::OpenSavePanelDelegate {
public:
    // Answers the record's stringObj: the callback may put another name there, or none to keep
    // the panel open.
    platform::Ref<platform::String>
    panelUserEnteredFilenameConfirmed(const platform::Ref<platform::SavePanel>& panel,
                                      const platform::Ref<platform::String>& filename,
                                      bool confirmed) override;
    void panelSelectionDidChange(const platform::Ref<platform::SavePanel>& panel) override;
    void panelDidChangeToDirectoryURL(const platform::Ref<platform::SavePanel>& panel,
                                      const platform::Ref<platform::URL>& url) override;
    void panelWillExpand(const platform::Ref<platform::SavePanel>& panel, bool expanding) override;
    bool panelShouldEnableURL(const platform::Ref<platform::SavePanel>& panel,
                              const platform::Ref<platform::URL>& url) override;
    // A callback that refuses may leave an error in the record's errorObj, which the panel
    // shows; the record's errorObj is cleared before the call.
    bool panelValidateURLError(const platform::Ref<platform::SavePanel>& panel,
                               const platform::Ref<platform::URL>& url,
                               platform::Ref<platform::Error>* error) override;

private:
    // The one path of every panel event.
    static void deliver(std::int64_t event, const platform::Ref<platform::SavePanel>& panel,
                        const platform::Ref<platform::Object>& object);
};

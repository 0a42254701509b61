#pragma once

// The data source of a preview panel: it asks the dialog callback for the number of items
// (PreviewEvent::NumberOfItems, the record's longVal, 0 unless the callback says otherwise) and
// for each item (PreviewEvent::ItemAtIndex with the index as the tag, the record's urlObj, none
// unless the callback gives one), with the panel as the object.

#include "platform/foundation/Object.h"
#include "platform/services/PreviewPanel.h"

class CUI_QLPreviewPanelDelegate : public platform::Object,
                                   public platform::PreviewPanelDataSource {
public:
    std::int64_t
    numberOfPreviewItemsInPreviewPanel(const platform::Ref<platform::PreviewPanel>& panel) override;
    platform::Ref<platform::URL>
    previewPanelPreviewItemAtIndex(const platform::Ref<platform::PreviewPanel>& panel,
                                   std::int64_t index) override;

    // The panel may be controlled by this object: it becomes the panel's data source, until
    // endPreviewPanelControl.
    bool acceptsPreviewPanelControl(const platform::Ref<platform::PreviewPanel>&) const {
        return true;
    }
    void beginPreviewPanelControl(const platform::Ref<platform::PreviewPanel>& panel);
    void endPreviewPanelControl(const platform::Ref<platform::PreviewPanel>& panel);
};

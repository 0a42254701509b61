#include "runtime/services/CUI_QLPreviewPanelDelegate.h"

#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"

#include "platform/foundation/URL.h"

using platform::Ref;

std::int64_t CUI_QLPreviewPanelDelegate::numberOfPreviewItemsInPreviewPanel(
    const Ref<platform::PreviewPanel>& panel) {
    DialogEventSetLongVal(0);
    DialogCallbackCall(PreviewEvent::NumberOfItems, 0, 0, panel);
    return DialogEventLongVal();
}

Ref<platform::URL>
CUI_QLPreviewPanelDelegate::previewPanelPreviewItemAtIndex(const Ref<platform::PreviewPanel>& panel,
                                                           std::int64_t index) {
    DialogEventSetUrlObj(nullptr);
    DialogCallbackCall(PreviewEvent::ItemAtIndex, index, 0, panel);
    return DialogEventUrlObj();
}

void CUI_QLPreviewPanelDelegate::beginPreviewPanelControl(
    const Ref<platform::PreviewPanel>& panel) {
    panel->setDataSource(std::static_pointer_cast<CUI_QLPreviewPanelDelegate>(self()));
}

void CUI_QLPreviewPanelDelegate::endPreviewPanelControl(const Ref<platform::PreviewPanel>& panel) {
    panel->setDataSource(nullptr);
}

#include "runtime/services/CUI_FileManagerDelegate.h"

#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"

#include "platform/foundation/Error.h"
#include "platform/foundation/URL.h"

using platform::Ref;

bool CUI_FileManagerDelegate::ask(std::int64_t event, bool answer,
                                  const Ref<platform::Error>& error, const Ref<platform::URL>& item,
                                  const Ref<platform::URL>& destination) {
    DialogEventSetBoolVal(answer);
    if (error)
        DialogEventSetErrorObj(error);
    DialogEventSetUrlObj(item);
    if (destination)
        DialogEventSetOtherUrlObj(destination);
    DialogCallbackCall(event, 0, 0, item);
    return DialogEventBoolVal();
}

bool CUI_FileManagerDelegate::fileManagerShouldMoveItemAtURLToURL(
    const Ref<platform::FileManager>&, const Ref<platform::URL>& source,
    const Ref<platform::URL>& destination) {
    return ask(FileManagerEvent::ShouldMove, true, nullptr, source, destination);
}

bool CUI_FileManagerDelegate::fileManagerShouldProceedAfterErrorMovingItemAtURLToURL(
    const Ref<platform::FileManager>&, const Ref<platform::Error>& error,
    const Ref<platform::URL>& source, const Ref<platform::URL>& destination) {
    return ask(FileManagerEvent::ShouldProceedAfterMoveError, false, error, source, destination);
}

bool CUI_FileManagerDelegate::fileManagerShouldCopyItemAtURLToURL(
    const Ref<platform::FileManager>&, const Ref<platform::URL>& source,
    const Ref<platform::URL>& destination) {
    return ask(FileManagerEvent::ShouldCopy, true, nullptr, source, destination);
}

bool CUI_FileManagerDelegate::fileManagerShouldProceedAfterErrorCopyingItemAtURLToURL(
    const Ref<platform::FileManager>&, const Ref<platform::Error>& error,
    const Ref<platform::URL>& source, const Ref<platform::URL>& destination) {
    return ask(FileManagerEvent::ShouldProceedAfterCopyError, false, error, source, destination);
}

bool CUI_FileManagerDelegate::fileManagerShouldRemoveItemAtURL(const Ref<platform::FileManager>&,
                                                               const Ref<platform::URL>& item) {
    return ask(FileManagerEvent::ShouldRemove, true, nullptr, item, nullptr);
}

#pragma once

// The delegate a program gives a file manager. Each question about an item becomes a file
// manager event (see EventCodes.h) for the dialog callback, with 0 as both tags and the item as
// the object: the shared event record holds the item (urlObj), the destination (otherUrlObj),
// the error (errorObj) and the default answer (boolVal), and the manager gets boolVal as the
// callback left it. Errors while removing are not asked about: they stop the removal.

#include "platform/foundation/Object.h"
#include "platform/services/FileManagerDelegate.h"

#include <cstdint>

class CUI_FileManagerDelegate : public platform::Object, public platform::FileManagerDelegate {
public:
    bool
    fileManagerShouldMoveItemAtURLToURL(const platform::Ref<platform::FileManager>& manager,
                                        const platform::Ref<platform::URL>& source,
                                        const platform::Ref<platform::URL>& destination) override;
    bool fileManagerShouldProceedAfterErrorMovingItemAtURLToURL(
        const platform::Ref<platform::FileManager>& manager,
        const platform::Ref<platform::Error>& error, const platform::Ref<platform::URL>& source,
        const platform::Ref<platform::URL>& destination) override;
    bool
    fileManagerShouldCopyItemAtURLToURL(const platform::Ref<platform::FileManager>& manager,
                                        const platform::Ref<platform::URL>& source,
                                        const platform::Ref<platform::URL>& destination) override;
    bool fileManagerShouldProceedAfterErrorCopyingItemAtURLToURL(
        const platform::Ref<platform::FileManager>& manager,
        const platform::Ref<platform::Error>& error, const platform::Ref<platform::URL>& source,
        const platform::Ref<platform::URL>& destination) override;
    bool fileManagerShouldRemoveItemAtURL(const platform::Ref<platform::FileManager>& manager,
                                          const platform::Ref<platform::URL>& item) override;

private:
    // The one path of every question: the record is prepared, the callback asked, and the
    // answer read back.
    static bool ask(std::int64_t event, bool answer, const platform::Ref<platform::Error>& error,
                    const platform::Ref<platform::URL>& item,
                    const platform::Ref<platform::URL>& destination);
};

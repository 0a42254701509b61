#pragma once

#include "platform/foundation/Object.h"

namespace platform {

class Error;
class FileManager;
class URL;

// What a file manager asks its delegate for each item of an operation. Each method answers what
// the manager does without a delegate: every item is done, and an error stops the operation.
class FileManagerDelegate {
public:
    virtual ~FileManagerDelegate();

    // Asked once, for the item named in the call; false leaves it where it is.
    virtual bool fileManagerShouldMoveItemAtURLToURL(const Ref<FileManager>& manager,
                                                     const Ref<URL>& source,
                                                     const Ref<URL>& destination);
    virtual bool fileManagerShouldProceedAfterErrorMovingItemAtURLToURL(
        const Ref<FileManager>& manager, const Ref<Error>& error, const Ref<URL>& source,
        const Ref<URL>& destination);
    // Asked for the item and each item inside it; false leaves that item (and what it holds)
    // out of the copy.
    virtual bool fileManagerShouldCopyItemAtURLToURL(const Ref<FileManager>& manager,
                                                     const Ref<URL>& source,
                                                     const Ref<URL>& destination);
    virtual bool fileManagerShouldProceedAfterErrorCopyingItemAtURLToURL(
        const Ref<FileManager>& manager, const Ref<Error>& error, const Ref<URL>& source,
        const Ref<URL>& destination);
    // Asked for the item and each item inside it; false keeps that item (and what it holds).
    virtual bool fileManagerShouldRemoveItemAtURL(const Ref<FileManager>& manager,
                                                  const Ref<URL>& item);
    virtual bool fileManagerShouldProceedAfterErrorRemovingItemAtURL(
        const Ref<FileManager>& manager, const Ref<Error>& error, const Ref<URL>& item);
};

} // namespace platform

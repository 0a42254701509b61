#pragma once

#include "platform/foundation/Object.h"

#include <memory>

namespace platform {

class Error;
class FileManagerDelegate;
class URL;

// Moves, copies and removes files and whole directories of the local file system, asking its
// delegate about each item. An operation either finishes (with the items the delegate left out
// and the errors it chose to go past) or, when a question stops it, leaves the file system as it
// found it: a stopped copy or move removes what it had made at the destination, and a move
// removes nothing of its source until it has copied all it could. Errors are in
// POSIXErrorDomain with the system's error number; symbolic links are copied as links.
class FileManager : public Object {
public:
    static Ref<FileManager> defaultManager();

    std::shared_ptr<FileManagerDelegate> delegate() const { return delegate_.lock(); }
    // Not owned, as delegates are not.
    void setDelegate(const std::shared_ptr<FileManagerDelegate>& delegate) { delegate_ = delegate; }

    // The destination must not exist yet. On failure *error (when given) says why.
    bool moveItemAtURLToURL(const Ref<URL>& source, const Ref<URL>& destination,
                            Ref<Error>* error = nullptr);
    bool copyItemAtURLToURL(const Ref<URL>& source, const Ref<URL>& destination,
                            Ref<Error>* error = nullptr);
    bool removeItemAtURL(const Ref<URL>& item, Ref<Error>* error = nullptr);

private:
    std::weak_ptr<FileManagerDelegate> delegate_;
};

} // namespace platform

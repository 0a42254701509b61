#include "platform/services/FileManagerDelegate.h"

namespace platform {

FileManagerDelegate::~FileManagerDelegate() = default;

bool FileManagerDelegate::fileManagerShouldMoveItemAtURLToURL(const Ref<FileManager>&,
                                                              const Ref<URL>&, const Ref<URL>&) {
    return true;
}
bool FileManagerDelegate::fileManagerShouldProceedAfterErrorMovingItemAtURLToURL(
    const Ref<FileManager>&, const Ref<Error>&, const Ref<URL>&, const Ref<URL>&) {
    return false;
}
bool FileManagerDelegate::fileManagerShouldCopyItemAtURLToURL(const Ref<FileManager>&,
                                                              const Ref<URL>&, const Ref<URL>&) {
    return true;
}
bool FileManagerDelegate::fileManagerShouldProceedAfterErrorCopyingItemAtURLToURL(
    const Ref<FileManager>&, const Ref<Error>&, const Ref<URL>&, const Ref<URL>&) {
    return false;
}
bool FileManagerDelegate::fileManagerShouldRemoveItemAtURL(const Ref<FileManager>&,
                                                           const Ref<URL>&) {
    return true;
}
bool FileManagerDelegate::fileManagerShouldProceedAfterErrorRemovingItemAtURL(
    const Ref<FileManager>&, const Ref<Error>&, const Ref<URL>&) {
    return false;
}

} // namespace platform

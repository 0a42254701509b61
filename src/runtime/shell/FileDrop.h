#pragma once

// Files dropped on a window or its content view: the one implementation of the drop events of
// both, which differ only in their codes, their tags and whether files pass when no file type
// and no extension is set.

#include "platform/foundation/Object.h"

#include <cstdint>
#include <functional>

namespace platform {
class Array;
class DraggingInfo;
class View;
} // namespace platform

struct FileDropTarget {
    std::int64_t enteredEvent;
    std::int64_t exitedEvent;
    std::int64_t performEvent;
    // The tag and window tag the dialog callback gets; the current output window becomes the
    // window tag's absolute value.
    std::int64_t tag;
    std::int64_t wndTag;
    // MIME types a file passes by conforming to, and extensions (without the dot) it passes by
    // having when its type does not conform.
    platform::Ref<platform::Array> fileTypes;
    platform::Ref<platform::Array> fileExtensions;
    // Whether files pass when neither list is set.
    bool passesWithoutLists;
    std::function<void(bool)> setDragInside;
    // Whether the entering and the drop hand the callback the list of file URLs as the object.
    bool filesAsObject = false;
};

// Whether the view registered for the file-names type; a view that did not takes no files.
bool FileDropRegistered(const platform::View& view);

// Accepts the drag with the link operation, after telling the dialog callback, when it offers
// files that all pass; answers the operation (the callback may change it), 0 when refused. The
// record's drag, file list and first file are cleared again before it returns.
std::uint64_t FileDropEntered(const FileDropTarget& target,
                              const platform::Ref<platform::DraggingInfo>& drag);
void FileDropExited(const FileDropTarget& target,
                    const platform::Ref<platform::DraggingInfo>& drag);
// Hands the files to the dialog callback, then ends the drag as FileDropExited does. Always
// answers true.
bool FileDropPerform(const FileDropTarget& target,
                     const platform::Ref<platform::DraggingInfo>& drag);

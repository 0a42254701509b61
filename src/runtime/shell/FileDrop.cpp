#include "runtime/shell/FileDrop.h"

#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/app/DraggingInfo.h"
#include "platform/app/Pasteboard.h"
#include "platform/app/Workspace.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/views/View.h"

using platform::Array;
using platform::Ref;
using platform::String;

namespace {

// The paths of the dropped files; none when the drag offers no file names.
Ref<Array> droppedPaths(const platform::DraggingInfo& drag) {
    const auto pasteboard = drag.draggingPasteboard();
    return pasteboard ? std::dynamic_pointer_cast<Array>(pasteboard->propertyListForType(
                            *String::fromUtf8(platform::FilenamesPboardType)))
                      : nullptr;
}

// A file passes by its type when a type list is set; a file whose type does not conform still
// passes by its extension when an extension list is set.
bool passes(const String& path, const FileDropTarget& target) {
    if (target.fileTypes) {
        const auto workspace = platform::Workspace::sharedWorkspace();
        const auto type = workspace->typeOfFile(path);
        for (const auto& wanted : *target.fileTypes)
            if (const auto name = std::dynamic_pointer_cast<String>(wanted);
                type && name && workspace->typeConformsToType(*type, *name))
                return true;
    }
    if (target.fileExtensions) {
        const auto extension = path.pathExtension();
        return !extension->isEmpty() && target.fileExtensions->containsObject(extension);
    }
    return !target.fileTypes && target.passesWithoutLists;
}

Ref<Array> fileURLs(const Array& paths) {
    const auto urls = Array::arrayWithCapacity(paths.count());
    for (const auto& path : paths)
        if (const auto text = std::dynamic_pointer_cast<String>(path))
            urls->addObject(platform::URL::fileURLWithPath(*text));
    return urls;
}

void clearDropRecord() {
    DialogEventSetDragInfo(nullptr);
    DialogEventSetArrayObj(nullptr);
    DialogEventSetUrlObj(nullptr);
}

} // namespace

bool FileDropRegistered(const platform::View& view) {
    const auto types = view.registeredDraggedTypes();
    return types && types->containsObject(String::fromUtf8(platform::FilenamesPboardType));
}

std::uint64_t FileDropEntered(const FileDropTarget& target,
                              const Ref<platform::DraggingInfo>& drag) {
    DialogEventSetLongVal(0);
    CurrentOutputWindowTagSet(target.wndTag);
    const auto paths = drag ? droppedPaths(*drag) : nullptr;
    if (!paths || paths->count() == 0)
        return 0;
    DialogEventSetDragInfo(drag);
    for (const auto& path : *paths) {
        const auto text = std::dynamic_pointer_cast<String>(path);
        if (!text || !passes(*text, target)) {
            // A refused drag leaves nothing of itself in the record.
            DialogEventSetDragInfo(nullptr);
            return 0;
        }
    }
    const auto urls = fileURLs(*paths);
    DialogEventSetArrayObj(urls);
    DialogEventSetUrlObj(std::static_pointer_cast<platform::URL>(urls->firstObject()));
    if (target.setDragInside)
        target.setDragInside(true);
    DialogEventSetLongVal(static_cast<std::int64_t>(platform::DragOperation::Link));
    DialogCallbackCall(target.enteredEvent, target.tag, target.wndTag,
                       target.filesAsObject ? urls : nullptr);
    clearDropRecord();
    return static_cast<std::uint64_t>(DialogEventLongVal());
}

void FileDropExited(const FileDropTarget& target, const Ref<platform::DraggingInfo>& drag) {
    CurrentOutputWindowTagSet(target.wndTag);
    DialogEventSetDragInfo(drag);
    if (target.setDragInside)
        target.setDragInside(false);
    DialogCallbackCall(target.exitedEvent, target.tag, target.wndTag, nullptr);
    clearDropRecord();
}

bool FileDropPerform(const FileDropTarget& target, const Ref<platform::DraggingInfo>& drag) {
    CurrentOutputWindowTagSet(target.wndTag);
    const auto paths = drag ? droppedPaths(*drag) : nullptr;
    const auto urls = paths ? fileURLs(*paths) : Array::array();
    DialogEventSetArrayObj(urls);
    DialogEventSetUrlObj(std::static_pointer_cast<platform::URL>(urls->firstObject()));
    DialogEventSetDragInfo(drag);
    DialogEventSetBoolVal(false);
    DialogCallbackCall(target.performEvent, target.tag, target.wndTag,
                       target.filesAsObject ? urls : nullptr);
    FileDropExited(target, drag);
    return true;
}

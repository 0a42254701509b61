#pragma once

#include "platform/foundation/Object.h"

#include <cstddef>

namespace platform {

class Data;
class String;

// Bounds on what an archive may hold, so that reading a hostile file costs bounded time and
// memory. The archiver keeps to the same bounds, so everything it writes can be read back.
struct ArchiveLimits {
    // Nesting of arrays, dictionaries and attributed strings; the root collection is level 1.
    int maxDepth = 64;
    // Objects of every kind, collections and dictionary keys included.
    std::size_t maxObjects = std::size_t(1) << 22;
    // The size of an archive, in bytes.
    std::size_t maxBytes = std::size_t(64) << 20;
    // The memory the objects of an archive take once decoded, estimated as ObjectCost bytes per
    // object (the object, the count of its references, the reference its collection holds and
    // the allocator's rounding), plus two bytes per UTF-16 unit of its text (twice for a URL,
    // which keeps its text and its path), the bytes of its data, four bytes per pixel of its
    // picture and EntryCost bytes per dictionary entry. It keeps a small file of many tiny
    // objects, or a small picture of many pixels, from taking a hundred times its size in
    // memory.
    std::size_t maxDecodedBytes = std::size_t(256) << 20;
    static constexpr std::size_t ObjectCost = 128;
    static constexpr std::size_t EntryCost = 64;
};

// The application's archive file form: a tree of objects in CBOR (RFC 8949). The file starts
// with the self-describing CBOR tag and the tag "POND", followed by a two-entry array of the
// format version and the root object. Strings, numbers (integers, doubles and booleans stay what
// they were), null, arrays, dictionaries, data, URLs, colours, the geometry values (points,
// sizes, rectangles, ranges), attributed strings, fonts and images (as PNG) can be archived;
// any other object makes archiving fail. Objects are
// archived by value: an object reached twice is read back as two equal objects.
class Archiver {
public:
    // The archive of the tree under root, or none when the tree holds an object that cannot be
    // archived or goes beyond the limits (which a cycle always does).
    static Ref<Data> archivedDataWithRootObject(const Ref<Object>& root,
                                                const ArchiveLimits& limits = {});
    // Writes the archive to a temporary file in the same folder and renames it to path, so that
    // path holds either its earlier contents or the whole archive; the file and then the folder
    // are synced, so that a power loss after a true answer keeps the new archive. False when the
    // tree cannot be archived or the file cannot be written.
    static bool archiveRootObjectToFile(const Ref<Object>& root, const String& path);

    // The root object of an archive, or none when data is not a complete, well-formed archive
    // within the limits.
    static Ref<Object> unarchiveObjectWithData(const Data& data, const ArchiveLimits& limits = {});
    // The same for the regular file at path; none when there is no such file. Whatever is at
    // path when it is opened decides: a device or a pipe put there after any earlier look is
    // refused without waiting for it.
    static Ref<Object> unarchiveObjectWithFile(const String& path);
};

} // namespace platform

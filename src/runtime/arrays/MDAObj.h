#pragma once

#include "platform/foundation/Object.h"

#include <array>
#include <concepts>
#include <cstdint>
#include <span>
#include <utility>

namespace platform {
class Array;
class Data;
class MutableString;
class String;
class URL;
enum class ComparisonSelector;
} // namespace platform

// A dynamic array of any number of dimensions whose elements are arbitrary objects, addressed
// by lists of indices, outermost first. With dims 1 the root array holds the elements; with more
// dimensions it holds arrays of arrays, dims - 1 levels deep, whose last level holds the
// elements. Rows of one level may differ in length. An empty slot holds the shared null object.
//
// Storing or inserting past the end grows every level on the way (upper levels with empty
// arrays, the last with nulls); reading past the end gives none; removing past the end does
// nothing. A list holding fewer indices than it should, a negative index, a missing root array
// and a level whose entry is not an array all address nothing; so does, for storing, inserting
// and appending, an index past the longest row an array can hold (a store that fails changes
// nothing). When storing meets a null where a
// row should be, the null becomes an empty row, as it would past the end.
class MDAObj : public platform::Object {
public:
    using IndexList = std::span<const std::int64_t>;

    MDAObj() = default;
    MDAObj(platform::Ref<platform::Array> array, std::int64_t dims);
    ~MDAObj() override;
    static platform::Ref<MDAObj> create(platform::Ref<platform::Array> array, std::int64_t dims);

    const platform::Ref<platform::Array>& array() const { return array_; }
    void setArray(platform::Ref<platform::Array> array) { array_ = std::move(array); }
    std::int64_t dims() const { return dims_; }
    void setDims(std::int64_t dims) { dims_ = dims; }

    // Reading: the element, or none for an empty slot or a place past the end.
    template <std::integral... Rest>
    platform::Ref<platform::Object> object(std::int64_t first, Rest... rest) const {
        const std::array<std::int64_t, sizeof...(Rest)> list{static_cast<std::int64_t>(rest)...};
        return objectvArgs(first, list);
    }
    platform::Ref<platform::Object> objectvArgs(std::int64_t first, IndexList rest) const;
    // As objectvArgs with all indices in the list, except that an empty slot gives the null.
    platform::Ref<platform::Object> objectv(IndexList indices) const;

    // Appends the object to the end of the row the indices lead to; the last index is not used.
    template <std::integral... Indices>
    void addObject(platform::Ref<platform::Object> object, Indices... indices) {
        const std::array<std::int64_t, sizeof...(Indices)> list{
            static_cast<std::int64_t>(indices)...};
        addObjectvArgs(std::move(object), list);
    }
    void addObjectvArgs(platform::Ref<platform::Object> object, IndexList indices);

    // Replaces the slot (none empties it).
    template <std::integral... Indices>
    void setObject(platform::Ref<platform::Object> object, Indices... indices) {
        const std::array<std::int64_t, sizeof...(Indices)> list{
            static_cast<std::int64_t>(indices)...};
        setObjectvArgs(std::move(object), list);
    }
    void setObjectvArgs(platform::Ref<platform::Object> object, IndexList indices);

    // Inserts before the slot, moving later entries on; none inserts nothing.
    template <std::integral... Indices>
    void insertObject(platform::Ref<platform::Object> object, Indices... indices) {
        const std::array<std::int64_t, sizeof...(Indices)> list{
            static_cast<std::int64_t>(indices)...};
        insertObjectvArgs(std::move(object), list);
    }
    void insertObjectvArgs(platform::Ref<platform::Object> object, IndexList indices);

    // Removes the slot, moving later entries back.
    template <std::integral... Rest>
    void remove(std::int64_t first, Rest... rest) {
        const std::array<std::int64_t, sizeof...(Rest)> list{static_cast<std::int64_t>(rest)...};
        removevArgs(first, list);
    }
    void removevArgs(std::int64_t first, IndexList rest);
    void removeAll();

    // Removes every null, at every level; empty rows stay.
    void removeNulls();
    void removeNullsFromArray(const platform::Ref<platform::Array>& array) const;

    // Removes the nulls, then sorts every innermost row by the comparison named selector
    // ("compare:", "caseInsensitiveCompare:", "localizedCompare:"; none means "compare:").
    // Elements that do not answer the named comparison are compared with "compare:"; elements
    // that cannot be compared with each other at all order numbers first, then strings, then
    // the rest in their earlier order.
    void sortUsingSelector(const platform::Ref<platform::String>& selector);
    void sortArrayUsingSelector(const platform::Ref<platform::Array>& array,
                                const platform::Ref<platform::String>& selector) const;

    // The length of the row that dims - 1 indices lead to (of the root with fewer than two
    // dimensions), 0 past the end.
    std::int64_t countv(IndexList indices) const;

    // The file form: an archive (platform::Archiver) of an array holding dims and then the root
    // array's entries. Writing replaces the file only when the whole archive could be written;
    // it fails for an element the archive cannot hold. Reading replaces the root array and
    // dims, and on failure leaves no root array and dims 0.
    bool writeToURL(const platform::Ref<platform::URL>& url) const;
    bool readFromURL(const platform::Ref<platform::URL>& url);
    // The same file form in memory.
    platform::Ref<platform::Data> archivedData() const;
    bool readFromData(const platform::Data& data);

    // The listing: one line per entry, ended by a carriage return, indented five blanks per
    // level, "<empty>" for an empty row.
    platform::Ref<platform::String> description() const override;
    platform::Ref<platform::String> descriptionWithEmptyArraysNulls(bool emptyArrays,
                                                                    bool nulls) const;
    platform::Ref<platform::String>
    descriptionWithTagEmptyArraysNulls(std::int64_t tag, bool emptyArrays, bool nulls) const;
    // The table: one line per non-empty row, each element followed by a tab (with one
    // dimension, one element per line); a tab at the very end is dropped.
    platform::Ref<platform::String> text() const;

    // The steps the operations above are made of.
    void padArrayToIndex(const platform::Ref<platform::Array>& array, std::int64_t index) const;
    void nullPadArrayToIndexInsert(const platform::Ref<platform::Array>& array, std::int64_t index,
                                   bool insert) const;
    platform::Ref<platform::Array>
    arraySubarrayAtIndexGrow(const platform::Ref<platform::Array>& array, std::int64_t index,
                             bool grow) const;
    std::int64_t descriptionIndentStringEmptyArraysNulls(
        const platform::Ref<platform::Array>& array, std::int64_t level,
        const platform::Ref<platform::MutableString>& string, bool emptyArrays, bool nulls) const;
    void textWithArrayString(const platform::Ref<platform::Array>& array,
                             const platform::Ref<platform::MutableString>& string) const;

private:
    platform::Array* innermostArray(std::int64_t first, IndexList rest, bool grow) const;
    const platform::Ref<platform::Object>* slot(std::int64_t first, IndexList rest) const;
    void sortLevel(platform::Array& array, platform::ComparisonSelector comparison) const;
    platform::Ref<platform::Array> fileRoot() const;
    bool adoptFileRoot(const platform::Ref<platform::Object>& root);

    platform::Ref<platform::Array> array_;
    std::int64_t dims_ = 0;
};

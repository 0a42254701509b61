#include "runtime/arrays/MDAObj.h"

#include "platform/foundation/Archiver.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Comparison.h"
#include "platform/foundation/Data.h"
#include "platform/foundation/MutableString.h"
#include "platform/foundation/Null.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string>
#include <typeinfo>
#include <vector>

using platform::Array;
using platform::ComparisonResult;
using platform::ComparisonSelector;
using platform::MutableString;
using platform::Object;
using platform::Ref;
using platform::String;

namespace {

const Object* nullObject() {
    static const Object* const instance = platform::Null::null().get();
    return instance;
}

// The array an object is, or none. The exact-type test comes first: it is the common case and
// far cheaper than the cast.
Array* asArray(Object* object) {
    if (!object)
        return nullptr;
    if (typeid(*object) == typeid(Array))
        return static_cast<Array*>(object);
    return dynamic_cast<Array*>(object);
}

// The entry at index, which must be inside the array, without taking a reference to it.
const Ref<Object>& entryAt(const Array& array, std::int64_t index) {
    return *(array.begin() + index);
}

std::int64_t countOf(const Array& array) {
    return static_cast<std::int64_t>(array.count());
}

// The most entries a row can be grown to hold.
constexpr std::int64_t MaxRowLength = PTRDIFF_MAX / sizeof(Ref<Object>);

// Whether a store may grow rows up to index. A store checks all its indices before anything
// grows, so that one that cannot land leaves the array as it was.
bool growable(std::int64_t index) {
    return index >= 0 && index < MaxRowLength;
}

bool allGrowable(MDAObj::IndexList indices) {
    return std::all_of(indices.begin(), indices.end(), growable);
}

// The row at index of an upper level. Growing, a missing row or a null in its place becomes a
// new empty row; any other object there is not a row, and the result is none.
Array* subarray(Array& array, std::int64_t index, bool grow) {
    if (index < 0 || (grow && !growable(index)))
        return nullptr;
    if (countOf(array) <= index) {
        if (!grow)
            return nullptr;
        while (countOf(array) <= index)
            array.addObject(Array::array());
    }
    const Ref<Object>& entry = entryAt(array, index);
    if (grow && entry.get() == nullObject())
        array.replaceObjectAtIndexWithObject(static_cast<std::size_t>(index), Array::array());
    return asArray(entryAt(array, index).get());
}

void nullPad(Array& array, std::int64_t index, bool insert) {
    if (!growable(index))
        return;
    const std::int64_t length = insert ? index : index + 1;
    while (countOf(array) < length)
        array.addObject(platform::Null::null());
}

void removeNullsIn(Array& array) {
    const auto isNull = [](const Ref<Object>& entry) { return entry.get() == nullObject(); };
    if (std::any_of(array.begin(), array.end(), isNull)) {
        std::vector<Ref<Object>> kept;
        kept.reserve(array.count());
        std::copy_if(array.begin(), array.end(), std::back_inserter(kept),
                     [&](const Ref<Object>& entry) { return !isNull(entry); });
        array.removeAllObjects();
        for (auto& entry : kept)
            array.addObject(std::move(entry));
    }
    for (const auto& entry : array)
        if (Array* row = asArray(entry.get()))
            removeNullsIn(*row);
}

// Where objects that cannot be compared with each other go: numbers, then strings, then the
// rest.
int kindRank(const Object& object) {
    if (platform::respondsToComparison(object, ComparisonSelector::CaseInsensitiveCompare))
        return 1;
    return platform::respondsToComparison(object, ComparisonSelector::Compare) ? 0 : 2;
}

// The named comparison where the elements answer it, else compare:, else the kind order.
ComparisonResult order(const Object& a, const Object& b, ComparisonSelector selector) {
    if (selector != ComparisonSelector::Compare)
        if (const auto result = platform::compareBySelector(a, b, selector))
            return *result;
    if (const auto result = platform::compareBySelector(a, b, ComparisonSelector::Compare))
        return *result;
    const int rankA = kindRank(a);
    const int rankB = kindRank(b);
    if (rankA == rankB)
        return ComparisonResult::Same;
    return rankA < rankB ? ComparisonResult::Ascending : ComparisonResult::Descending;
}

void sortElements(Array& array, ComparisonSelector selector) {
    array.sortUsingComparator(
        [selector](const Ref<Object>& a, const Ref<Object>& b) { return order(*a, *b, selector); });
}

// The format directive %@ reads a const Object*; passing exactly that type through the variable
// arguments keeps the read well defined.
const Object* formatArgument(const Ref<String>& string) {
    return string.get();
}

// Whether a list of count indices is enough for an operation that consumes needed of them.
bool enoughIndices(std::size_t count, std::int64_t needed) {
    return needed <= 0 || static_cast<std::uint64_t>(needed) <= count;
}

} // namespace

MDAObj::MDAObj(Ref<Array> array, std::int64_t dims) : array_(std::move(array)), dims_(dims) {}

MDAObj::~MDAObj() = default;

Ref<MDAObj> MDAObj::create(Ref<Array> array, std::int64_t dims) {
    return std::make_shared<MDAObj>(std::move(array), dims);
}

Array* MDAObj::innermostArray(std::int64_t first, IndexList rest, bool grow) const {
    Array* row = array_.get();
    for (std::int64_t level = 0; row && level < dims_ - 1; ++level)
        row = subarray(*row, level == 0 ? first : rest[static_cast<std::size_t>(level - 1)], grow);
    return row;
}

const Ref<Object>* MDAObj::slot(std::int64_t first, IndexList rest) const {
    if (dims_ < 1 || !enoughIndices(rest.size() + 1, dims_))
        return nullptr;
    const Array* row = innermostArray(first, rest, false);
    const std::int64_t last = dims_ == 1 ? first : rest[static_cast<std::size_t>(dims_ - 2)];
    if (!row || last < 0 || last >= countOf(*row))
        return nullptr;
    return &entryAt(*row, last);
}

Ref<Object> MDAObj::objectvArgs(std::int64_t first, IndexList rest) const {
    const Ref<Object>* element = slot(first, rest);
    return element && element->get() != nullObject() ? *element : nullptr;
}

Ref<Object> MDAObj::objectv(IndexList indices) const {
    if (indices.empty())
        return nullptr;
    const Ref<Object>* element = slot(indices[0], indices.subspan(1));
    return element ? *element : nullptr;
}

void MDAObj::setObjectvArgs(Ref<Object> object, IndexList indices) {
    if (dims_ < 1 || indices.empty() || !enoughIndices(indices.size(), dims_) ||
        !allGrowable(indices.first(static_cast<std::size_t>(dims_))))
        return;
    Array* row = innermostArray(indices[0], indices.subspan(1), true);
    const std::int64_t last = indices[static_cast<std::size_t>(dims_ - 1)];
    if (!row)
        return;
    nullPad(*row, last, false);
    row->replaceObjectAtIndexWithObject(static_cast<std::size_t>(last),
                                        object ? std::move(object) : platform::Null::null());
}

void MDAObj::insertObjectvArgs(Ref<Object> object, IndexList indices) {
    if (!object || dims_ < 1 || indices.empty() || !enoughIndices(indices.size(), dims_) ||
        !allGrowable(indices.first(static_cast<std::size_t>(dims_))))
        return;
    Array* row = innermostArray(indices[0], indices.subspan(1), true);
    const std::int64_t last = indices[static_cast<std::size_t>(dims_ - 1)];
    if (!row)
        return;
    nullPad(*row, last, true);
    row->insertObjectAtIndex(std::move(object), static_cast<std::size_t>(last));
}

void MDAObj::addObjectvArgs(Ref<Object> object, IndexList indices) {
    if (!object || !array_ || dims_ < 1)
        return;
    if (dims_ == 1) {
        array_->addObject(std::move(object));
        return;
    }
    if (!enoughIndices(indices.size(), dims_) ||
        !allGrowable(indices.first(static_cast<std::size_t>(dims_ - 1))))
        return;
    if (Array* row = innermostArray(indices[0], indices.subspan(1), true))
        row->addObject(std::move(object));
}

void MDAObj::removevArgs(std::int64_t first, IndexList rest) {
    if (dims_ < 1 || !enoughIndices(rest.size() + 1, dims_))
        return;
    Array* row = innermostArray(first, rest, false);
    const std::int64_t last = dims_ == 1 ? first : rest[static_cast<std::size_t>(dims_ - 2)];
    if (row && last >= 0 && last < countOf(*row))
        row->removeObjectAtIndex(static_cast<std::size_t>(last));
}

void MDAObj::removeAll() {
    if (array_)
        array_->removeAllObjects();
}

void MDAObj::removeNulls() {
    removeNullsFromArray(array_);
}

void MDAObj::removeNullsFromArray(const Ref<Array>& array) const {
    if (array)
        removeNullsIn(*array);
}

void MDAObj::sortUsingSelector(const Ref<String>& selector) {
    sortArrayUsingSelector(array_, selector);
}

void MDAObj::sortArrayUsingSelector(const Ref<Array>& array, const Ref<String>& selector) const {
    if (!array)
        return;
    const ComparisonSelector comparison =
        (selector ? platform::comparisonSelectorNamed(selector->utf8()) : std::nullopt)
            .value_or(ComparisonSelector::Compare);
    removeNullsIn(*array);
    sortLevel(*array, comparison);
}

// Sorts the rows among the entries, and the entries themselves when any is an element. The
// entries are sorted after the visit, not during it, so the visit never sees them move.
void MDAObj::sortLevel(Array& array, ComparisonSelector comparison) const {
    if (dims_ == 1) {
        sortElements(array, comparison);
        return;
    }
    bool hasElements = false;
    for (const auto& entry : array) {
        if (Array* row = asArray(entry.get()))
            sortLevel(*row, comparison);
        else
            hasElements = true;
    }
    if (hasElements)
        sortElements(array, comparison);
}

std::int64_t MDAObj::countv(IndexList indices) const {
    if (!array_)
        return 0;
    if (dims_ < 2)
        return countOf(*array_);
    if (indices.empty() || !enoughIndices(indices.size(), dims_ - 1))
        return 0;
    const Array* row = innermostArray(indices[0], indices.subspan(1), false);
    return row ? countOf(*row) : 0;
}

Ref<Array> MDAObj::fileRoot() const {
    if (!array_ || dims_ < 0)
        return nullptr;
    auto root = Array::arrayWithCapacity(array_->count() + 1);
    root->addObject(platform::Number::numberWithInteger(dims_));
    for (const auto& entry : *array_)
        root->addObject(entry);
    return root;
}

bool MDAObj::writeToURL(const Ref<platform::URL>& url) const {
    const Ref<Array> root = fileRoot();
    return root && url && url->isFileURL() &&
           platform::Archiver::archiveRootObjectToFile(root, *url->path());
}

Ref<platform::Data> MDAObj::archivedData() const {
    const Ref<Array> root = fileRoot();
    return root ? platform::Archiver::archivedDataWithRootObject(root) : nullptr;
}

bool MDAObj::readFromURL(const Ref<platform::URL>& url) {
    return adoptFileRoot(url && url->isFileURL()
                             ? platform::Archiver::unarchiveObjectWithFile(*url->path())
                             : nullptr);
}

bool MDAObj::readFromData(const platform::Data& data) {
    return adoptFileRoot(platform::Archiver::unarchiveObjectWithData(data));
}

bool MDAObj::adoptFileRoot(const Ref<Object>& root) {
    const Ref<Array> array = root ? root->as<Array>() : nullptr;
    const Ref<Object> first = array ? array->firstObject() : nullptr;
    const auto* dims = first ? dynamic_cast<const platform::Number*>(first.get()) : nullptr;
    if (!dims || !dims->isInteger() || dims->integerValue() < 0) {
        array_ = nullptr;
        dims_ = 0;
        return false;
    }
    dims_ = dims->integerValue();
    array->removeObjectAtIndex(0);
    array_ = array;
    return true;
}

Ref<String> MDAObj::description() const {
    return descriptionWithEmptyArraysNulls(true, true);
}

Ref<String> MDAObj::descriptionWithEmptyArraysNulls(bool emptyArrays, bool nulls) const {
    auto string = MutableString::create(u"\r");
    descriptionIndentStringEmptyArraysNulls(array_, 0, string, emptyArrays, nulls);
    return string;
}

Ref<String> MDAObj::descriptionWithTagEmptyArraysNulls(std::int64_t tag, bool emptyArrays,
                                                       bool nulls) const {
    auto string = MutableString::create();
    string->appendFormat("< mda %ld >\r", static_cast<long>(tag));
    descriptionIndentStringEmptyArraysNulls(array_, -1, string, emptyArrays, nulls);
    return string;
}

std::int64_t MDAObj::descriptionIndentStringEmptyArraysNulls(const Ref<Array>& array,
                                                             std::int64_t level,
                                                             const Ref<MutableString>& string,
                                                             bool emptyArrays, bool nulls) const {
    if (!array || !string)
        return level;
    const auto indent = String::fromUtf8(
        std::string(static_cast<std::size_t>(std::max<std::int64_t>(level + 1, 0) * 5), ' '));
    long index = 0;
    for (const auto& entry : *array) {
        if (Array* row = asArray(entry.get())) {
            if (row->count() > 0) {
                string->appendFormat("%@%ld: \r", formatArgument(indent), index);
                descriptionIndentStringEmptyArraysNulls(
                    std::static_pointer_cast<Array>(row->self()), level + 1, string, emptyArrays,
                    nulls);
            } else if (emptyArrays) {
                string->appendFormat("%@%ld: <empty>\r", formatArgument(indent), index);
            }
        } else if (nulls || entry.get() != nullObject()) {
            string->appendFormat("%@%ld: %@\r", formatArgument(indent), index,
                                 formatArgument(entry->description()));
        }
        ++index;
    }
    return level;
}

Ref<String> MDAObj::text() const {
    auto string = MutableString::create();
    textWithArrayString(array_, string);
    if (string->hasSuffix(*String::fromUtf8("\t")))
        string->deleteCharactersInRange({static_cast<std::int64_t>(string->length()) - 1, 1});
    return string;
}

void MDAObj::textWithArrayString(const Ref<Array>& array, const Ref<MutableString>& string) const {
    if (!array || !string)
        return;
    static const Ref<String> lineFeed = String::fromUtf8("\n");
    static const Ref<String> tab = String::fromUtf8("\t");
    for (const auto& entry : *array) {
        if (Array* row = asArray(entry.get())) {
            if (row->count() > 0) {
                textWithArrayString(std::static_pointer_cast<Array>(row->self()), string);
                string->appendString(*lineFeed);
            }
        } else {
            string->appendString(*entry->description());
            string->appendString(dims_ < 2 ? *lineFeed : *tab);
        }
    }
}

void MDAObj::padArrayToIndex(const Ref<Array>& array, std::int64_t index) const {
    if (array && growable(index))
        while (countOf(*array) <= index)
            array->addObject(Array::array());
}

void MDAObj::nullPadArrayToIndexInsert(const Ref<Array>& array, std::int64_t index,
                                       bool insert) const {
    if (array)
        nullPad(*array, index, insert);
}

Ref<Array> MDAObj::arraySubarrayAtIndexGrow(const Ref<Array>& array, std::int64_t index,
                                            bool grow) const {
    Array* row = array ? subarray(*array, index, grow) : nullptr;
    return row ? std::static_pointer_cast<Array>(row->self()) : nullptr;
}

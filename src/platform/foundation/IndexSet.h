#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>
#include <vector>

namespace platform {

// A mutable set of non-negative indexes, such as the selected rows of a table, kept as sorted
// runs of consecutive indexes so that "rows 0 to 99,999" costs one run. Iteration visits the
// indexes in ascending order. Negative indexes and ranges are never members: adding them does
// nothing.
class IndexSet : public Object {
public:
    IndexSet() = default;
    static Ref<IndexSet> indexSet();
    static Ref<IndexSet> indexSetWithIndex(std::int64_t index);
    static Ref<IndexSet> indexSetWithIndexesInRange(Range range);

    std::int64_t count() const;
    bool containsIndex(std::int64_t index) const;
    bool containsIndexes(const IndexSet& other) const;
    // NotFound for an empty set.
    std::int64_t firstIndex() const;
    std::int64_t lastIndex() const;
    // The nearest member after (or before) index, or NotFound.
    std::int64_t indexGreaterThanIndex(std::int64_t index) const;
    std::int64_t indexLessThanIndex(std::int64_t index) const;

    void addIndex(std::int64_t index) { addIndexesInRange({index, 1}); }
    void addIndexesInRange(Range range);
    void addIndexes(const IndexSet& other);
    void removeIndex(std::int64_t index) { removeIndexesInRange({index, 1}); }
    void removeIndexesInRange(Range range);
    void removeAllIndexes() { runs_.clear(); }
    // Moves every member at or after index by delta, as rows move when rows are inserted
    // (delta > 0) or removed (delta < 0) at index. Shifting down removes the members from
    // index + delta up to index first, which are the rows that went.
    void shiftIndexesStartingAtIndexBy(std::int64_t index, std::int64_t delta);

    // The runs of consecutive members, in order; never two that touch.
    const std::vector<Range>& ranges() const { return runs_; }
    std::vector<std::int64_t> indexes() const;

    class const_iterator {
    public:
        using value_type = std::int64_t;
        using difference_type = std::ptrdiff_t;
        std::int64_t operator*() const { return index_; }
        const_iterator& operator++();
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        friend bool operator==(const const_iterator&, const const_iterator&) = default;

    private:
        friend class IndexSet;
        const_iterator(std::vector<Range>::const_iterator run,
                       std::vector<Range>::const_iterator end);
        std::vector<Range>::const_iterator run_, end_;
        std::int64_t index_ = 0;
    };
    const_iterator begin() const { return {runs_.begin(), runs_.end()}; }
    const_iterator end() const { return {runs_.end(), runs_.end()}; }

    // "(empty)" or the runs, as "[0-2, 5]".
    Ref<String> description() const override;
    bool isEqual(const Object& other) const override;
    std::size_t hash() const override;

private:
    std::vector<Range> runs_;
};

} // namespace platform

#include "platform/foundation/IndexSet.h"

#include "platform/foundation/String.h"

#include <algorithm>
#include <functional>
#include <string>

namespace platform {

namespace {

// The first run that ends after index, the one that would hold it or come after it.
std::vector<Range>::const_iterator runEndingAfter(const std::vector<Range>& runs,
                                                  std::int64_t index) {
    return std::upper_bound(runs.begin(), runs.end(), index,
                            [](std::int64_t i, const Range& run) { return i < run.maxRange(); });
}

} // namespace

Ref<IndexSet> IndexSet::indexSet() {
    return std::make_shared<IndexSet>();
}

Ref<IndexSet> IndexSet::indexSetWithIndex(std::int64_t index) {
    return indexSetWithIndexesInRange({index, 1});
}

Ref<IndexSet> IndexSet::indexSetWithIndexesInRange(Range range) {
    auto set = indexSet();
    set->addIndexesInRange(range);
    return set;
}

std::int64_t IndexSet::count() const {
    std::int64_t total = 0;
    for (const Range& run : runs_)
        total += run.length;
    return total;
}

bool IndexSet::containsIndex(std::int64_t index) const {
    const auto run = runEndingAfter(runs_, index);
    return run != runs_.end() && run->contains(index);
}

bool IndexSet::containsIndexes(const IndexSet& other) const {
    return std::all_of(other.runs_.begin(), other.runs_.end(), [&](const Range& wanted) {
        const auto run = runEndingAfter(runs_, wanted.location);
        return run != runs_.end() && run->location <= wanted.location &&
               run->maxRange() >= wanted.maxRange();
    });
}

std::int64_t IndexSet::firstIndex() const {
    return runs_.empty() ? NotFound : runs_.front().location;
}

std::int64_t IndexSet::lastIndex() const {
    return runs_.empty() ? NotFound : runs_.back().maxRange() - 1;
}

std::int64_t IndexSet::indexGreaterThanIndex(std::int64_t index) const {
    if (index == NotFound)
        return NotFound;
    const auto run = runEndingAfter(runs_, index + 1);
    return run == runs_.end() ? NotFound : std::max(run->location, index + 1);
}

std::int64_t IndexSet::indexLessThanIndex(std::int64_t index) const {
    auto run = runEndingAfter(runs_, index - 1);
    if (run != runs_.end() && run->location < index)
        return std::min(run->maxRange() - 1, index - 1);
    if (run == runs_.begin())
        return NotFound;
    return std::prev(run)->maxRange() - 1;
}

void IndexSet::addIndexesInRange(Range range) {
    if (range.location < 0 || range.length <= 0)
        return;
    // Runs that overlap or touch the new one merge with it.
    auto first =
        std::lower_bound(runs_.begin(), runs_.end(), range.location,
                         [](const Range& run, std::int64_t i) { return run.maxRange() < i; });
    auto last = first;
    Range merged = range;
    while (last != runs_.end() && last->location <= range.maxRange()) {
        const std::int64_t end = std::max(merged.maxRange(), last->maxRange());
        merged.location = std::min(merged.location, last->location);
        merged.length = end - merged.location;
        ++last;
    }
    runs_.insert(runs_.erase(first, last), merged);
}

void IndexSet::addIndexes(const IndexSet& other) {
    for (const Range& run : other.runs_)
        addIndexesInRange(run);
}

void IndexSet::removeIndexesInRange(Range range) {
    if (range.length <= 0)
        return;
    std::vector<Range> kept;
    kept.reserve(runs_.size() + 1);
    for (const Range& run : runs_) {
        if (run.maxRange() <= range.location || run.location >= range.maxRange()) {
            kept.push_back(run);
            continue;
        }
        if (run.location < range.location)
            kept.push_back({run.location, range.location - run.location});
        if (run.maxRange() > range.maxRange())
            kept.push_back({range.maxRange(), run.maxRange() - range.maxRange()});
    }
    runs_ = std::move(kept);
}

void IndexSet::shiftIndexesStartingAtIndexBy(std::int64_t index, std::int64_t delta) {
    if (delta == 0 || index < 0)
        return;
    if (delta < 0) {
        // The members in the rows that went are lost, and so are those the shift would take
        // below zero.
        const std::int64_t from = std::max<std::int64_t>(0, index + delta);
        removeIndexesInRange({from, std::max(index, -delta) - from});
    }
    std::vector<Range> moved;
    moved.reserve(runs_.size() + 1);
    for (const Range& run : runs_) {
        if (run.maxRange() <= index) {
            moved.push_back(run);
        } else if (run.location >= index) {
            moved.push_back({run.location + delta, run.length});
        } else {
            moved.push_back({run.location, index - run.location});
            moved.push_back({index + delta, run.maxRange() - index});
        }
    }
    runs_.clear();
    for (const Range& run : moved)
        addIndexesInRange(run);
}

std::vector<std::int64_t> IndexSet::indexes() const {
    return {begin(), end()};
}

IndexSet::const_iterator::const_iterator(std::vector<Range>::const_iterator run,
                                         std::vector<Range>::const_iterator end)
    : run_(run), end_(end), index_(run == end ? 0 : run->location) {}

IndexSet::const_iterator& IndexSet::const_iterator::operator++() {
    if (++index_ >= run_->maxRange()) {
        ++run_;
        index_ = run_ == end_ ? 0 : run_->location;
    }
    return *this;
}

Ref<String> IndexSet::description() const {
    if (runs_.empty())
        return String::fromUtf8("(empty)");
    std::string text = "[";
    for (const Range& run : runs_) {
        if (text.size() > 1)
            text += ", ";
        text += std::to_string(run.location);
        if (run.length > 1)
            text += "-" + std::to_string(run.maxRange() - 1);
    }
    return String::fromUtf8(text + "]");
}

bool IndexSet::isEqual(const Object& other) const {
    const auto* set = dynamic_cast<const IndexSet*>(&other);
    return set && set->runs_ == runs_;
}

std::size_t IndexSet::hash() const {
    std::size_t value = runs_.size();
    for (const Range& run : runs_)
        value = value * 31 + std::hash<std::int64_t>{}(run.location) * 7 +
                std::hash<std::int64_t>{}(run.length);
    return value;
}

} // namespace platform

// Index sets: the members each change leaves, read back through iteration, the runs and the
// neighbour queries.

#include "platform/foundation/IndexSet.h"
#include "platform/foundation/String.h"

#include <gtest/gtest.h>

#include <functional>

using namespace platform;

namespace {

using Change = std::function<void(IndexSet&)>;

Change add(std::int64_t location, std::int64_t length) {
    return [=](IndexSet& s) { s.addIndexesInRange({location, length}); };
}
Change remove(std::int64_t location, std::int64_t length) {
    return [=](IndexSet& s) { s.removeIndexesInRange({location, length}); };
}
Change shift(std::int64_t index, std::int64_t delta) {
    return [=](IndexSet& s) { s.shiftIndexesStartingAtIndexBy(index, delta); };
}

TEST(IndexSetChanges, LeaveTheMembersInMergedRuns) {
    struct Case {
        const char* name;
        std::vector<Change> changes;
        const char* runs;
    };
    const Case cases[] = {
        {"touching runs merge", {add(0, 2), add(4, 2), add(2, 2)}, "[0-5]"},
        {"overlapping runs merge", {add(5, 3), add(0, 2), add(1, 6)}, "[0-7]"},
        {"negative and empty add nothing", {add(-2, 3), add(4, 0)}, "(empty)"},
        {"removal splits a run", {add(0, 10), remove(3, 2)}, "[0-2, 5-9]"},
        {"removal across runs", {add(0, 3), add(5, 3), remove(2, 4)}, "[0-1, 6-7]"},
        {"insert splits at the index", {add(0, 4), shift(2, 2)}, "[0-1, 4-5]"},
        {"insert before moves all", {add(3, 1), add(7, 1), shift(0, 1)}, "[4, 8]"},
        {"delete drops the removed rows", {add(0, 6), remove(2, 1), shift(3, -2)}, "[0-3]"},
        {"delete joins what it closes up", {add(0, 2), add(5, 2), shift(5, -3)}, "[0-3]"},
        {"delete past zero drops those", {add(0, 4), add(8, 1), shift(1, -3)}, "[0, 5]"},
    };
    for (const Case& c : cases) {
        IndexSet set;
        for (const Change& change : c.changes)
            change(set);
        EXPECT_EQ(set.description()->utf8(), c.runs) << c.name;
        std::int64_t counted = 0;
        for (std::int64_t index : set) {
            EXPECT_TRUE(set.containsIndex(index)) << c.name << " " << index;
            ++counted;
        }
        EXPECT_EQ(counted, set.count()) << c.name;
    }
}

TEST(IndexSetQueries, AnswerTheNeighboursAndEnds) {
    IndexSet set;
    set.addIndexesInRange({2, 3});
    set.addIndex(9);
    struct Case {
        std::int64_t from, greater, less;
    };
    const Case cases[] = {
        {0, 2, NotFound}, {2, 3, NotFound}, {4, 9, 3},
        {5, 9, 4},        {9, NotFound, 4}, {20, NotFound, 9},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(set.indexGreaterThanIndex(c.from), c.greater) << c.from;
        EXPECT_EQ(set.indexLessThanIndex(c.from), c.less) << c.from;
    }
    EXPECT_EQ(set.firstIndex(), 2);
    EXPECT_EQ(set.lastIndex(), 9);
    EXPECT_EQ(set.indexes(), (std::vector<std::int64_t>{2, 3, 4, 9}));
    EXPECT_TRUE(set.containsIndexes(*IndexSet::indexSetWithIndexesInRange({3, 2})));
    EXPECT_FALSE(set.containsIndexes(*IndexSet::indexSetWithIndexesInRange({4, 2})));
    EXPECT_EQ(IndexSet().firstIndex(), NotFound);
}

} // namespace

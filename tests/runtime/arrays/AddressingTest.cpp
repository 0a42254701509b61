#include "ArraysTesting.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <span>
#include <vector>

namespace {

using namespace arraystesting;

Ref<MDAObj> emptyArray(std::int64_t dims) {
    return MDAObj::create(Array::array(), dims);
}

TEST(Growth, StoringPastTheEndGrowsEveryLevel) {
    auto mda = emptyArray(2);
    const auto o = str("o");
    mda->setObject(o, 3, 5);
    EXPECT_EQ(shape(mda->array()), "(() () () (<null> <null> <null> <null> <null> o))");
    EXPECT_EQ(mda->object(3, 5), o);
    EXPECT_EQ(mda->object(3, 2), nullptr);
    EXPECT_EQ(mda->object(7, 0), nullptr);
    EXPECT_EQ(mda->object(3, 6), nullptr);
    EXPECT_EQ(mda->object(1, 0), nullptr);
    const std::vector<std::int64_t> three{3};
    EXPECT_EQ(mda->countv(three), 6);
}

TEST(Growth, ObjectvGivesTheNullOfAnEmptySlot) {
    auto mda = emptyArray(2);
    mda->setObject(str("o"), 1, 2);
    const std::vector<std::int64_t> emptySlot{1, 0}, pastTheEnd{1, 3}, stored{1, 2};
    EXPECT_EQ(mda->objectv(emptySlot), null());
    EXPECT_EQ(mda->objectv(pastTheEnd), nullptr);
    EXPECT_EQ(shape(mda->objectv(stored)), "o");
    const std::vector<std::int64_t> rest{2};
    EXPECT_EQ(shape(mda->objectvArgs(1, rest)), "o");
}

TEST(Growth, ThreeDimensionsGrowUpperLevelsWithRows) {
    auto mda = emptyArray(3);
    mda->setObject(num(9), 1, 2, 0);
    EXPECT_EQ(shape(mda->array()), "(() (() () (9)))");
    EXPECT_EQ(shape(mda->object(1, 2, 0)), "9");
    const std::vector<std::int64_t> rowOf9{1, 2}, missing{0, 5};
    EXPECT_EQ(mda->countv(rowOf9), 1);
    EXPECT_EQ(mda->countv(missing), 0);
}

TEST(StoreAndInsert, AtTheSameIndexOfAnEmptyRow) {
    auto inserted = emptyArray(1);
    inserted->insertObject(str("o"), 2);
    EXPECT_EQ(shape(inserted->array()), "(<null> <null> o)");

    auto stored = emptyArray(1);
    stored->setObject(str("o"), 2);
    EXPECT_EQ(shape(stored->array()), "(<null> <null> o)");
    stored->setObject(str("p"), 2);
    EXPECT_EQ(shape(stored->array()), "(<null> <null> p)");
    stored->setObject(nullptr, 0);
    stored->setObject(nullptr, 2);
    EXPECT_EQ(shape(stored->array()), "(<null> <null> <null>)");
}

TEST(StoreAndInsert, InsertingMovesLaterEntriesOn) {
    auto mda = MDAObj::create(Array::arrayWithObjects({row({str("a"), str("b")})}), 2);
    mda->insertObject(str("x"), 0, 1);
    mda->insertObject(str("z"), 0, 3);
    mda->insertObject(str("w"), 0, 0);
    mda->insertObject(nullptr, 0, 9);
    EXPECT_EQ(shape(mda->array()), "((w a x b z))");
}

TEST(Appending, UsesTheRowAndIgnoresTheLastIndex) {
    auto mda = emptyArray(2);
    mda->addObject(str("a"), 1, 9);
    mda->addObject(str("b"), 1, 0);
    mda->addObject(nullptr, 1, 0);
    EXPECT_EQ(shape(mda->array()), "(() (a b))");

    auto flat = emptyArray(1);
    flat->addObject(str("a"), 5);
    flat->addObject(str("b"), 0);
    EXPECT_EQ(shape(flat->array()), "(a b)");
}

TEST(Removing, TakesTheSlotOutAndMovesLaterEntriesBack) {
    auto mda = emptyArray(2);
    mda->setObject(str("o"), 3, 5);
    mda->remove(3, 5);
    EXPECT_EQ(shape(mda->array()), "(() () () (<null> <null> <null> <null> <null>))");
    mda->setObject(str("p"), 3, 2);
    mda->remove(3, 0);
    EXPECT_EQ(shape(mda->object(3, 1)), "p");
    // Past the end of a row, of the rows, and with a negative index: nothing.
    mda->remove(3, 4);
    mda->remove(9, 0);
    mda->remove(3, -1);
    EXPECT_EQ(shape(mda->array()), "(() () () (<null> p <null> <null>))");

    auto flat = MDAObj::create(row({str("a"), str("b"), str("c")}), 1);
    flat->remove(1);
    flat->remove(2);
    EXPECT_EQ(shape(flat->array()), "(a c)");
    flat->removeAll();
    EXPECT_EQ(shape(flat->array()), "()");
}

TEST(RemovingNulls, EmptiesRowsAtEveryLevelButKeepsThem) {
    auto mda = emptyArray(2);
    mda->setObject(str("o"), 3, 5);
    mda->remove(3, 5);
    mda->removeNulls();
    EXPECT_EQ(shape(mda->array()), "(() () () ())");

    auto deep = MDAObj::create(
        row({null(), row({null(), row({str("a"), null(), str("b")}), null()}), str("c")}), 3);
    deep->removeNulls();
    EXPECT_EQ(shape(deep->array()), "(((a b)) c)");
}

// Indices that address nothing: the operation reads none, changes nothing and counts 0.
TEST(AddressingNothing, LeavesTheArrayAsItWas) {
    auto mda = MDAObj::create(row({row({str("a")}), str("not a row")}), 2);
    const std::string before = shape(mda->array());
    // Appending does not use the last index, so it lands in a row that exists or can be made
    // whatever the last index is.
    constexpr std::int64_t last = std::numeric_limits<std::int64_t>::max();
    struct Case {
        const char* what;
        std::vector<std::int64_t> indices;
        bool appendLands;
    };
    const Case cases[] = {
        {"negative first index", {-1, 0}, false},
        {"negative last index", {0, -1}, true},
        {"first index past the longest row", {last, 0}, false},
        {"last index past the longest row, in a new row", {2, last}, true},
        {"too few indices", {0}, false},
        {"no indices", {}, false},
        {"an element where a row should be", {1, 0}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(mda->objectv(c.indices), nullptr);
        mda->setObjectvArgs(str("x"), c.indices);
        mda->insertObjectvArgs(str("x"), c.indices);
        if (!c.indices.empty()) {
            if (!c.appendLands)
                mda->addObjectvArgs(str("x"), c.indices);
            mda->removevArgs(c.indices[0], std::span(c.indices).subspan(1));
            EXPECT_EQ(mda->objectvArgs(c.indices[0], std::span(c.indices).subspan(1)), nullptr);
        }
        EXPECT_EQ(shape(mda->array()), before);
    }
    const std::vector<std::int64_t> elementRow{1};
    EXPECT_EQ(mda->countv(elementRow), 0);
}

TEST(AddressingNothing, NoRootOrNoDimensions) {
    MDAObj noRoot;
    noRoot.setDims(2);
    noRoot.setObject(str("x"), 0, 0);
    noRoot.addObject(str("x"), 0, 0);
    noRoot.remove(0, 0);
    noRoot.removeAll();
    noRoot.removeNulls();
    noRoot.sortUsingSelector(nullptr);
    EXPECT_EQ(noRoot.object(0, 0), nullptr);
    EXPECT_EQ(noRoot.countv({}), 0);
    EXPECT_EQ(noRoot.description()->utf8(), "\r");
    EXPECT_EQ(noRoot.text()->utf8(), "");

    auto noDims = emptyArray(0);
    noDims->setObject(str("x"), 0);
    noDims->insertObject(str("x"), 0);
    noDims->addObject(str("x"), 0);
    EXPECT_EQ(noDims->object(0), nullptr);
    EXPECT_EQ(shape(noDims->array()), "()");
}

TEST(AddressingNothing, AStoreReplacesANullRowWithARow) {
    auto mda = MDAObj::create(row({null()}), 2);
    mda->setObject(str("a"), 0, 1);
    EXPECT_EQ(shape(mda->array()), "((<null> a))");
}

TEST(Counting, CountsTheRowTheIndicesLeadTo) {
    auto mda = MDAObj::create(row({row({str("a"), str("b")}), row({})}), 2);
    const std::vector<std::int64_t> first{0}, second{1}, missing{5}, negative{-1};
    EXPECT_EQ(mda->countv(first), 2);
    EXPECT_EQ(mda->countv(second), 0);
    EXPECT_EQ(mda->countv(missing), 0);
    EXPECT_EQ(mda->countv(negative), 0);
    auto flat = MDAObj::create(row({str("a"), null(), str("b")}), 1);
    EXPECT_EQ(flat->countv({}), 3);
}

} // namespace

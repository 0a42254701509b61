#include "ArraysTesting.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <span>
#include <vector>

namespace {

using namespace arraystesting;
using Indices = std::vector<std::int64_t>;

Ref<MDAObj> emptyArray(std::int64_t dims) {
    return MDAObj::create(Array::array(), dims);
}

// One change to an array: set, insert, add (append), remove or drop the nulls ('n'), with the
// shape the array has after it.
struct Step {
    char op;
    Indices at;
    const char* value;
    const char* shape;
};

void play(MDAObj& mda, std::initializer_list<Step> steps) {
    for (const Step& s : steps) {
        const Ref<Object> value = s.value ? str(s.value) : nullptr;
        if (s.op == 's')
            mda.setObjectvArgs(value, s.at);
        else if (s.op == 'i')
            mda.insertObjectvArgs(value, s.at);
        else if (s.op == 'a')
            mda.addObjectvArgs(value, s.at);
        else if (s.op == 'r')
            mda.removevArgs(s.at[0], std::span(s.at).subspan(1));
        else
            mda.removeNulls();
        EXPECT_EQ(shape(mda.array()), s.shape) << s.op << " " << (s.value ? s.value : "");
    }
}

// Stores grow every level as far as they need, nulls filling the gaps; appending uses the row
// and ignores the last index; removing takes the slot out and moves later entries back.
TEST(Changes, InTwoDimensions) {
    auto mda = emptyArray(2);
    play(*mda, {
                   {'s', {3, 5}, "o", "(() () () (<null> <null> <null> <null> <null> o))"},
                   {'r', {3, 5}, nullptr, "(() () () (<null> <null> <null> <null> <null>))"},
                   {'s', {3, 2}, "p", "(() () () (<null> <null> p <null> <null>))"},
                   {'r', {3, 0}, nullptr, "(() () () (<null> p <null> <null>))"},
                   {'r', {3, 4}, nullptr, "(() () () (<null> p <null> <null>))"},
                   {'n', {}, nullptr, "(() () () (p))"},
                   {'i', {3, 0}, "w", "(() () () (w p))"},
                   {'i', {3, 2}, "z", "(() () () (w p z))"},
                   {'i', {3, 9}, nullptr, "(() () () (w p z))"},
                   {'a', {1, 9}, "a", "(() (a) () (w p z))"},
                   {'a', {1, 0}, "b", "(() (a b) () (w p z))"},
                   {'a', {1, 0}, nullptr, "(() (a b) () (w p z))"},
                   {'s', {1, 1}, nullptr, "(() (a <null>) () (w p z))"},
               });
}

TEST(Changes, InOneAndThreeDimensions) {
    auto flat = emptyArray(1);
    play(*flat, {
                    {'i', {2}, "o", "(<null> <null> o)"},
                    {'s', {2}, "p", "(<null> <null> p)"},
                    {'s', {0}, "q", "(q <null> p)"},
                    {'a', {5}, "a", "(q <null> p a)"},
                    {'r', {1}, nullptr, "(q p a)"},
                    {'r', {3}, nullptr, "(q p a)"},
                });
    flat->removeAll();
    EXPECT_EQ(shape(flat->array()), "()");

    auto deep = emptyArray(3);
    play(*deep,
         {{'s', {1, 2, 0}, "9", "(() (() () (9)))"}, {'a', {1, 2, 7}, "z", "(() (() () (9 z)))"}});
    auto nulls = MDAObj::create(
        row({null(), row({null(), row({str("a"), null(), str("b")}), null()}), str("c")}), 3);
    play(*nulls, {{'n', {}, nullptr, "(((a b)) c)"}});
    // A null where a row should be becomes a row when stored through.
    play(*MDAObj::create(row({null()}), 2), {{'s', {0, 1}, "a", "((<null> a))"}});
}

// Reading gives none outside the rows, the row at the index equal to the count included;
// objectv alone gives the null of an empty slot.
TEST(Reading, FindsOnlyWhatIsStored) {
    auto mda = MDAObj::create(row({row({str("a"), null()}), row({}), str("not a row")}), 2);
    struct Case {
        Indices at;
        const char* object;
        const char* objectv;
    };
    const Case cases[] = {
        {{0, 0}, "a", "a"},
        {{0, 1}, "<none>", "<null>"},
        {{0, 2}, "<none>", "<none>"},
        {{1, 0}, "<none>", "<none>"},
        {{2, 0}, "<none>", "<none>"},
        {{3, 0}, "<none>", "<none>"},
        {{-1, 0}, "<none>", "<none>"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shape(mda->objectvArgs(c.at[0], std::span(c.at).subspan(1))), c.object)
            << c.at[0] << "," << c.at[1];
        EXPECT_EQ(shape(mda->objectv(c.at)), c.objectv) << c.at[0] << "," << c.at[1];
    }
    struct Count {
        Indices at;
        std::int64_t count;
    };
    for (const Count& c :
         {Count{{0}, 2}, Count{{1}, 0}, Count{{2}, 0}, Count{{3}, 0}, Count{{-1}, 0}})
        EXPECT_EQ(mda->countv(c.at), c.count) << c.at[0];
    EXPECT_EQ(MDAObj::create(row({str("a"), null(), str("b")}), 1)->countv({}), 3);
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
        Indices indices;
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
        }
        EXPECT_EQ(shape(mda->array()), before);
    }
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

    // Every index but the last is checked before anything grows.
    auto deep = emptyArray(3);
    deep->addObject(str("x"), 0, std::numeric_limits<std::int64_t>::max(), 0);
    EXPECT_EQ(shape(deep->array()), "()");

    auto noDims = emptyArray(0);
    noDims->setObject(str("x"), 0);
    noDims->insertObject(str("x"), 0);
    noDims->addObject(str("x"), 0);
    EXPECT_EQ(shape(noDims->array()), "()");
}

} // namespace

#include "FoundationTesting.h"

#include "platform/foundation/Array.h"
#include "platform/foundation/Data.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/MutableString.h"
#include "platform/foundation/Null.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/foundation/Value.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace platform {
namespace {

using namespace foundation_testing;

Ref<Number> integer(std::int64_t value) {
    return Number::numberWithInteger(value);
}
Ref<Number> real(double value) {
    return Number::numberWithDouble(value);
}

// --- Number ---

TEST(NumberKinds, ConversionsAndDescriptionFollowTheKind) {
    struct Case {
        Ref<Number> number;
        Number::Kind kind;
        const char* description;
        std::int64_t longValue;
        double doubleValue;
        bool boolValue;
    };
    using K = Number::Kind;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {integer(-12), K::Integer, "-12", -12, -12.0, true},
        {integer(INT64_MIN), K::Integer, "-9223372036854775808", INT64_MIN, -9223372036854775808.0,
         true},
        {real(3.5), K::Double, "3.5", 3, 3.5, true},
        {real(2.0), K::Double, "2", 2, 2.0, true},
        {real(-2.7), K::Double, "-2.7", -2, -2.7, true},
        {real(1e30), K::Double, "1e+30", INT64_MAX, 1e30, true},
        {real(-1e30), K::Double, "-1e+30", INT64_MIN, -1e30, true},
        {Number::numberWithBool(true), K::Bool, "1", 1, 1.0, true},
        {Number::numberWithBool(false), K::Bool, "0", 0, 0.0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.description);
        EXPECT_EQ(c.number->kind(), c.kind);
        EXPECT_EQ(c.number->description()->utf8(), c.description);
        EXPECT_EQ(c.number->longValue(), c.longValue);
        EXPECT_EQ(c.number->doubleValue(), c.doubleValue);
        EXPECT_EQ(c.number->boolValue(), c.boolValue);
    }
    EXPECT_EQ(real(nan)->description()->utf8(), "nan");
    EXPECT_EQ(real(nan)->longValue(), 0);
}

TEST(NumberEquality, ComparesExactlyByValueAcrossKinds) {
    struct Case {
        Ref<Number> a;
        Ref<Number> b;
        ComparisonResult order;
    };
    using R = ComparisonResult;
    const std::int64_t twoTo53 = std::int64_t{1} << 53;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {integer(2), real(2.0), R::Same},
        {Number::numberWithBool(true), integer(1), R::Same},
        {Number::numberWithBool(false), real(-0.0), R::Same},
        {integer(2), real(2.5), R::Ascending},
        {integer(-2), real(-2.5), R::Descending},
        {integer(twoTo53 + 1), real(static_cast<double>(twoTo53)), R::Descending},
        {integer(INT64_MAX), real(9223372036854775808.0), R::Ascending},
        {real(0.1), real(0.2), R::Ascending},
        {real(nan), real(nan), R::Same},
        {real(nan), integer(0), R::Ascending},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(text(c.a) + " vs " + text(c.b));
        EXPECT_EQ(c.a->compare(*c.b), c.order);
        EXPECT_EQ(c.b->compare(*c.a), static_cast<R>(-static_cast<int>(c.order)));
        EXPECT_EQ(c.a->isEqual(*c.b), c.order == R::Same);
        if (c.order == R::Same) {
            EXPECT_EQ(c.a->hash(), c.b->hash());
        }
    }
    EXPECT_FALSE(integer(1)->isEqual(*str("1")));
}

// --- Array ---

TEST(ArrayContents, IndexOutsideTheArrayReadsNoneAndChangesNothing) {
    const auto array = Array::arrayWithObjects({str("a"), str("b")});
    EXPECT_EQ(array->objectAtIndex(2), nullptr);
    EXPECT_EQ(array->objectAtIndex(SIZE_MAX), nullptr);
    array->removeObjectAtIndex(2);
    array->replaceObjectAtIndexWithObject(2, str("x"));
    array->insertObjectAtIndex(str("x"), 3);
    array->addObject(nullptr);
    array->insertObjectAtIndex(nullptr, 0);
    array->replaceObjectAtIndexWithObject(0, nullptr);
    EXPECT_EQ(texts(*array), (std::vector<std::string>{"a", "b"}));

    const auto empty = Array::array();
    empty->removeLastObject();
    EXPECT_EQ(empty->firstObject(), nullptr);
    EXPECT_EQ(empty->lastObject(), nullptr);
}

TEST(ArrayContents, EditsKeepOrder) {
    const auto array = Array::arrayWithCapacity(8);
    array->addObject(str("b"));
    array->insertObjectAtIndex(str("a"), 0);
    array->insertObjectAtIndex(str("d"), 2);
    array->insertObjectAtIndex(str("c"), 2);
    EXPECT_EQ(texts(*array), (std::vector<std::string>{"a", "b", "c", "d"}));
    array->replaceObjectAtIndexWithObject(1, str("B"));
    array->removeObjectAtIndex(0);
    array->removeLastObject();
    EXPECT_EQ(texts(*array), (std::vector<std::string>{"B", "c"}));
    EXPECT_EQ(text(array->firstObject()), "B");
    EXPECT_EQ(text(array->lastObject()), "c");
    // A copy is a new array; the array itself is shared by reference.
    const auto copy = Array::arrayWithArray(*array);
    const Ref<Array> same = array;
    array->removeAllObjects();
    EXPECT_EQ(same->count(), 0u);
    EXPECT_EQ(copy->count(), 2u);
}

TEST(ArrayContents, SearchAndEqualityUseIsEqual) {
    const auto array = Array::arrayWithObjects({str("a"), integer(2), str("a")});
    EXPECT_EQ(array->indexOfObject(str("a")), 0);
    EXPECT_EQ(array->indexOfObject(real(2.0)), 1);
    EXPECT_EQ(array->indexOfObject(str("z")), NotFound);
    EXPECT_FALSE(array->containsObject(nullptr));
    EXPECT_TRUE(array->isEqual(*Array::arrayWithObjects({str("a"), real(2), str("a")})));
    EXPECT_FALSE(array->isEqual(*Array::arrayWithObjects({integer(2), str("a"), str("a")})));
    EXPECT_FALSE(array->isEqual(*Array::arrayWithObjects({str("a"), integer(2)})));
}

TEST(ArraySorting, IsStableAndSurvivesAnInconsistentComparator) {
    const auto array = Array::array();
    for (const std::int64_t n : {31, 12, 35, 10, 22, 38, 11, 20})
        array->addObject(integer(n));
    // Orders by tens only, so numbers of the same ten keep their order.
    const Array::Comparator byTens = [](const Ref<Object>& a, const Ref<Object>& b) {
        return integer(a->as<Number>()->longValue() / 10)
            ->compare(*integer(b->as<Number>()->longValue() / 10));
    };
    const auto sorted = array->sortedArrayUsingComparator(byTens);
    EXPECT_EQ(texts(*sorted),
              (std::vector<std::string>{"12", "10", "11", "22", "20", "31", "35", "38"}));
    EXPECT_EQ(text(array->firstObject()), "31");

    int calls = 0;
    array->sortUsingComparator([&](const Ref<Object>&, const Ref<Object>&) {
        return ++calls % 2 ? ComparisonResult::Ascending : ComparisonResult::Descending;
    });
    auto after = texts(*array);
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, (std::vector<std::string>{"10", "11", "12", "20", "22", "31", "35", "38"}));
    array->sortUsingComparator(nullptr);
    EXPECT_EQ(array->count(), 8u);
}

TEST(ArrayDescription, PropertyListStyleWithNestedIndentation) {
    EXPECT_EQ(text(Array::array()), "()");
    EXPECT_EQ(text(Dictionary::dictionary()), "{\n}");
    EXPECT_EQ(text(Array::arrayWithObjects({str("a"), str("b")})), "(\n    a,\n    b\n)");

    const auto inner = Dictionary::dictionary();
    inner->setObjectForKey(str("v"), str("k"));
    inner->setObjectForKey(Array::arrayWithObjects({str("a b")}), str("l"));
    const auto nested = Array::arrayWithObjects(
        {integer(1), Array::arrayWithObjects({str("two words"), Array::array()}), inner,
         Null::null(), str(""), str("say \"hi\"\n"), str("/tmp/a-b_c.txt")});
    EXPECT_EQ(text(nested), "(\n"
                            "    1,\n"
                            "    (\n"
                            "        \"two words\",\n"
                            "        ()\n"
                            "    ),\n"
                            "    {\n"
                            "        k = v;\n"
                            "        l = (\n"
                            "            \"a b\"\n"
                            "        );\n"
                            "    },\n"
                            "    <null>,\n"
                            "    \"\",\n"
                            "    \"say \\\"hi\\\"\\n\",\n"
                            "    /tmp/a-b_c.txt\n"
                            ")");
}

// --- Dictionary ---

TEST(DictionaryContents, KeepsInsertionOrderAndReplacesInPlace) {
    const auto dictionary = Dictionary::dictionary();
    dictionary->setObjectForKey(integer(1), str("Tag"));
    dictionary->setObjectForKey(str("Deal"), str("Label"));
    dictionary->setObjectForKey(str("card"), str("Image"));
    dictionary->setObjectForKey(integer(7), str("Tag"));
    EXPECT_EQ(texts(*dictionary->allKeys()), (std::vector<std::string>{"Tag", "Label", "Image"}));
    EXPECT_EQ(texts(*dictionary->allValues()), (std::vector<std::string>{"7", "Deal", "card"}));

    dictionary->removeObjectForKey(str("Tag"));
    dictionary->setObjectForKey(integer(8), str("Tag"));
    std::vector<std::string> order;
    for (const auto& [key, value] : *dictionary)
        order.push_back(text(key) + "=" + text(value));
    EXPECT_EQ(order, (std::vector<std::string>{"Label=Deal", "Image=card", "Tag=8"}));
}

TEST(DictionaryContents, RemovalFromTheMiddleAndAbsentValuesAndKeys) {
    const auto dictionary = Dictionary::dictionary();
    for (const char* key : {"a", "b", "c", "d"})
        dictionary->setObjectForKey(str(key)->uppercaseString(), str(key));
    dictionary->removeObjectForKey(str("b"));
    dictionary->removeObjectForKey(str("missing"));
    dictionary->setObjectForKey(str("v"), nullptr);
    dictionary->setObjectForKey(nullptr, str("d")); // an absent value removes
    EXPECT_EQ(texts(*dictionary->allValues()), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(text(dictionary->objectForKey(str("c"))), "C");
    EXPECT_EQ(dictionary->objectForKey(str("b")), nullptr);
}

TEST(DictionaryContents, KeysMatchByValue) {
    const auto dictionary = Dictionary::dictionary();
    dictionary->setObjectForKey(str("two"), integer(2));
    EXPECT_EQ(text(dictionary->objectForKey(real(2.0))), "two");
    dictionary->setObjectForKey(str("TWO"), real(2.0));
    EXPECT_EQ(dictionary->count(), 1u);
    EXPECT_EQ(dictionary->objectForKey(nullptr), nullptr);

    const auto key = MutableString::stringWithString(*str("name"));
    dictionary->setObjectForKey(str("Ann"), key);
    key->setString(*str("changed"));
    EXPECT_EQ(text(dictionary->objectForKey(str("name"))), "Ann");
    EXPECT_EQ(dictionary->objectForKey(key), nullptr);
}

TEST(DictionaryContents, EqualityIgnoresOrderAndSharingIsByReference) {
    const auto a = Dictionary::dictionary();
    a->setObjectForKey(integer(1), str("x"));
    a->setObjectForKey(integer(2), str("y"));
    const auto b = Dictionary::dictionary();
    b->setObjectForKey(real(2.0), str("y"));
    b->setObjectForKey(integer(1), str("x"));
    EXPECT_TRUE(a->isEqual(*b));
    const Ref<Dictionary> same = b;
    same->setObjectForKey(integer(3), str("x"));
    EXPECT_FALSE(a->isEqual(*b));
    // A dictionary holding every entry of another, and more, is not equal to it.
    b->setObjectForKey(integer(1), str("x"));
    b->setObjectForKey(integer(4), str("z"));
    EXPECT_FALSE(a->isEqual(*b));
}

// Collections as dictionary keys: equal ones hash alike, different ones spread.
TEST(CollectionHashes, FollowTheContent) {
    std::vector<std::size_t> hashes;
    for (int i = 0; i < 1000; ++i) {
        const auto dictionary = Dictionary::dictionary();
        dictionary->setObjectForKey(Null::null(), integer(i));
        hashes.push_back(Array::arrayWithObjects({integer(i)})->hash());
        hashes.push_back(Array::arrayWithObjects({Array::arrayWithObjects({integer(i)})})->hash());
        hashes.push_back(dictionary->hash());
    }
    std::sort(hashes.begin(), hashes.end());
    EXPECT_GT(std::unique(hashes.begin(), hashes.end()) - hashes.begin(), 2990);

    const auto a = Dictionary::dictionary();
    a->setObjectForKey(integer(1), str("x"));
    a->setObjectForKey(Array::arrayWithObjects({str("v")}), Array::arrayWithObjects({str("k")}));
    const auto b = Dictionary::dictionary();
    b->setObjectForKey(MutableString::create(u"k"), Array::arrayWithObjects({str("k")}));
    b->setObjectForKey(real(1.0), str("x"));
    b->setObjectForKey(Array::arrayWithObjects({str("v")}), Array::arrayWithObjects({str("k")}));
    EXPECT_EQ(Array::arrayWithObjects({a, real(2.0)})->hash(),
              Array::arrayWithObjects({b, integer(2)})->hash());
}

// --- Data ---

TEST(DataBytes, DescriptionGroupsFourBytes) {
    struct Case {
        std::vector<std::uint8_t> bytes;
        const char* description;
    };
    const Case cases[] = {
        {{}, "<>"},
        {{0x0a, 0x1b}, "<0a1b>"},
        {{0, 1, 2, 3, 4}, "<00010203 04>"},
        {{0xde, 0xad, 0xbe, 0xef, 0, 1, 2, 0xff}, "<deadbeef 000102ff>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text(Data::create(c.bytes)), c.description);
    const auto data = Data::dataWithBytes("abc", 3);
    EXPECT_TRUE(data->isEqual(*Data::create({'a', 'b', 'c'})));
    EXPECT_EQ(data->hash(), Data::create({'a', 'b', 'c'})->hash());
    EXPECT_FALSE(data->isEqual(*Data::create({'a', 'b'})));
    EXPECT_EQ(Data::dataWithBytes(nullptr, 3)->length(), 0u);
}

// --- URL ---

TEST(URLComponents, FileURLIsPercentEncodedAndKeepsTheDecodedPath) {
    struct Case {
        const char* path;
        const char* absoluteString;
        const char* lastComponent;
        const char* extension;
    };
    const Case cases[] = {
        {"/tmp/no such dir/é.txt", "file:///tmp/no%20such%20dir/%C3%A9.txt", "é.txt", "txt"},
        {"/tmp/no such dir/a#b?.tar.gz", "file:///tmp/no%20such%20dir/a%23b%3F.tar.gz",
         "a#b?.tar.gz", "gz"},
        {"/tmp/no such dir/README", "file:///tmp/no%20such%20dir/README", "README", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const auto url = URL::fileURLWithPath(*str(c.path));
        EXPECT_TRUE(url->isFileURL());
        EXPECT_EQ(text(url->absoluteString()), c.absoluteString);
        EXPECT_EQ(text(url->path()), c.path);
        EXPECT_EQ(text(url->lastPathComponent()), c.lastComponent);
        EXPECT_EQ(text(url->pathExtension()), c.extension);
        EXPECT_TRUE(url->isEqual(*URL::URLWithString(*str(c.absoluteString))));
    }
}

TEST(URLComponents, RelativePathsAndDirectories) {
    const auto relative = URL::fileURLWithPath(*str("some file.txt"));
    EXPECT_EQ(text(relative->path()), (QDir::currentPath() + "/some file.txt").toStdString());

    const QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const auto url = URL::fileURLWithPath(*str(directory.path().toUtf8().constData()));
    EXPECT_TRUE(text(url->absoluteString()).ends_with('/'));
    EXPECT_EQ(text(url->path()), directory.path().toStdString());

    const auto child = url->URLByAppendingPathComponent(*str("x y.txt"));
    EXPECT_EQ(text(child->path()), directory.path().toStdString() + "/x y.txt");
    EXPECT_TRUE(text(child->absoluteString()).ends_with("/x%20y.txt"));
}

TEST(URLComponents, WebURLs) {
    const auto url = URL::URLWithString(*str("https://example.com/docs/read%20me.md"));
    ASSERT_NE(url, nullptr);
    EXPECT_FALSE(url->isFileURL());
    EXPECT_EQ(text(url->path()), "/docs/read me.md");
    EXPECT_EQ(text(url->lastPathComponent()), "read me.md");
    EXPECT_EQ(text(url->pathExtension()), "md");
    EXPECT_EQ(text(url), "https://example.com/docs/read%20me.md");

    EXPECT_EQ(text(URL::URLWithString(*str("https://example.com"))
                       ->URLByAppendingPathComponent(*str("a b"))),
              "https://example.com/a%20b");
    EXPECT_EQ(URL::URLWithString(*str("")), nullptr);
    EXPECT_EQ(URL::URLWithString(*str("http://[::1")), nullptr);
}

// --- Value ---

TEST(ValueBoxes, KindAccessorsAndDescriptions) {
    struct Case {
        Ref<Value> value;
        Value::Kind kind;
        const char* description;
    };
    using K = Value::Kind;
    const Case cases[] = {
        {Value::valueWithPoint({1, 2}), K::Point, "{1, 2}"},
        {Value::valueWithSize({3.5, 4}), K::Size, "{3.5, 4}"},
        {Value::valueWithRect({1, 2, 3, 4}), K::Rect, "{{1, 2}, {3, 4}}"},
        {Value::valueWithRange({5, 6}), K::Range, "{5, 6}"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.description);
        EXPECT_EQ(c.value->kind(), c.kind);
        EXPECT_EQ(text(c.value), c.description);
        // Reading a value of another kind gives the zero value.
        EXPECT_EQ(c.value->pointValue() == Point{}, c.kind != K::Point);
        EXPECT_EQ(c.value->sizeValue() == Size{}, c.kind != K::Size);
        EXPECT_EQ(c.value->rectValue() == Rect{}, c.kind != K::Rect);
        EXPECT_EQ(c.value->rangeValue() == Range{}, c.kind != K::Range);
        EXPECT_EQ(c.value->pointerValue(), nullptr);
    }
    EXPECT_EQ(Value::valueWithRect({1, 2, 3, 4})->rectValue(), Rect(1, 2, 3, 4));
    EXPECT_TRUE(Value::valueWithPoint({1, 2})->isEqual(*Value::valueWithPoint({1, 2})));
    EXPECT_EQ(Value::valueWithPoint({1, 2})->hash(), Value::valueWithPoint({1, 2})->hash());
    EXPECT_FALSE(Value::valueWithPoint({1, 2})->isEqual(*Value::valueWithSize({1, 2})));
    EXPECT_FALSE(Value::valueWithRange({1, 2})->isEqual(*Value::valueWithRange({1, 3})));
    int target = 0;
    const auto pointer = Value::valueWithPointer(&target);
    EXPECT_EQ(pointer->pointerValue(), &target);
    EXPECT_TRUE(pointer->isEqual(*Value::valueWithPointer(&target)));
}

// Rectangles that only touch have no common area, and the common area of overlapping ones
// starts where the later edges are; half-open containment and the union skip empty ones.
TEST(Geometry, IntersectionContainmentAndUnion) {
    const Rect a{0, 0, 10, 10};
    EXPECT_EQ(a.intersection({10, 0, 5, 5}), Rect{});
    EXPECT_EQ(a.intersection({0, 10, 5, 5}), Rect{});
    EXPECT_FALSE(a.intersects({10, 0, 5, 5}));
    EXPECT_EQ(a.intersection({5, 4, 10, 10}), Rect(5, 4, 5, 6));
    EXPECT_TRUE(a.containsPoint({0, 0}));
    EXPECT_FALSE(a.containsPoint({10, 5}));
    EXPECT_EQ(a.unionWith({20, -5, 5, 5}), Rect(0, -5, 25, 15));
    EXPECT_EQ(Rect(3, 3, 0, 5).unionWith(a), a);
}

} // namespace
} // namespace platform

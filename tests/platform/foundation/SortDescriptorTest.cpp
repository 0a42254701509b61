// Sort descriptors ordering rows as a table sorts them: by a dictionary's value under the key
// or by the object itself, with the named comparison, ties broken by later descriptors.

#include "platform/foundation/SortDescriptor.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Number.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

Ref<Object> row(const char* name, std::int64_t score) {
    auto d = Dictionary::dictionary();
    d->setObjectForKey(String::fromUtf8(name), String::fromUtf8("name"));
    d->setObjectForKey(Number::numberWithInteger(score), String::fromUtf8("score"));
    return d;
}

std::string names(const Array& rows) {
    std::string text;
    for (const auto& r : rows) {
        const auto value =
            r->as<Dictionary>() ? r->as<Dictionary>()->objectForKey(String::fromUtf8("name")) : r;
        text += (text.empty() ? "" : " ") + value->description()->utf8();
    }
    return text;
}

TEST(SortDescriptorSorting, OrdersByKeySelectorAndDirection) {
    struct D {
        const char* key;
        bool ascending;
        const char* selector = "compare:";
    };
    struct Case {
        const char* name;
        std::vector<D> descriptors;
        const char* order;
    };
    const Case cases[] = {
        {"numbers ascending", {D("score", true)}, "bo Al ann cy"},
        {"numbers descending, ties keep order", {D("score", false)}, "cy Al ann bo"},
        {"tie broken by the next", {D("score", true), D("name", false)}, "bo ann Al cy"},
        {"case-sensitive names", {D("name", true)}, "Al ann bo cy"},
        {"case-insensitive names", {D("name", false, "caseInsensitiveCompare:")}, "cy bo ann Al"},
        {"unknown selector keeps order", {D("name", true, "frobnicate:")}, "Al bo cy ann"},
        {"missing key keeps order", {D("age", true)}, "Al bo cy ann"},
    };
    for (const Case& c : cases) {
        auto rows =
            Array::arrayWithObjects({row("Al", 2), row("bo", 1), row("cy", 3), row("ann", 2)});
        auto descriptors = Array::array();
        for (const D& d : c.descriptors)
            descriptors->addObject(
                std::make_shared<SortDescriptor>(d.key, d.ascending, d.selector));
        SortDescriptor::sortArrayUsingDescriptors(*rows, descriptors);
        EXPECT_EQ(names(*rows), c.order) << c.name;
    }
}

TEST(SortDescriptorSorting, AnEmptyKeyComparesTheRowsThemselves) {
    auto rows = Array::arrayWithObjects(
        {String::fromUtf8("b"), String::fromUtf8("c"), String::fromUtf8("a")});
    SortDescriptor::sortArrayUsingDescriptors(
        *rows,
        Array::arrayWithObjects(
            {SortDescriptor::sortDescriptorWithKeyAscending("", true)->reversedSortDescriptor()}));
    EXPECT_EQ(names(*rows), "c b a");
}

} // namespace

#include "ArraysTesting.h"

#include "platform/drawing/Color.h"
#include "platform/foundation/Archiver.h"
#include "platform/foundation/Data.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/URL.h"
#include "platform/foundation/Value.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

using namespace arraystesting;
namespace fs = std::filesystem;

Ref<platform::URL> urlOf(const fs::path& path) {
    return platform::URL::fileURLWithPath(*platform::String::fromUtf8(path.string()));
}

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

Ref<Array> everyKind() {
    auto dictionary = platform::Dictionary::dictionary();
    dictionary->setObjectForKey(num(1), str("one"));
    return row({
        row({str("text"), num(-7), platform::Number::numberWithDouble(2.0),
             platform::Number::numberWithBool(true), null()}),
        row({}),
        row({row({str("nested")}), dictionary, platform::Data::create({0, 255}),
             platform::URL::URLWithString(*platform::String::fromUtf8("https://example.org/a")),
             platform::Color::colorWithRed(0.25, 0.5, 0.75, 1),
             platform::Value::valueWithRect(platform::Rect(1, 2, 3, 4)),
             platform::Value::valueWithRange({5, 6})}),
    });
}

TEST(FileForm, WritingAndReadingRestoresEntriesAndDims) {
    TemporaryFolder folder;
    const auto url = urlOf(folder.path() / "grid.mda");
    auto written = MDAObj::create(everyKind(), 2);
    const std::string before = shape(written->array());
    ASSERT_TRUE(written->writeToURL(url));
    // The leading number is only in the file.
    EXPECT_EQ(shape(written->array()), before);

    MDAObj read;
    ASSERT_TRUE(read.readFromURL(url));
    EXPECT_EQ(read.dims(), 2);
    ASSERT_NE(read.array(), nullptr);
    EXPECT_TRUE(read.array()->isEqual(*written->array()));
    const auto two = read.object(0, 2)->as<platform::Number>();
    ASSERT_NE(two, nullptr);
    EXPECT_TRUE(two->isDouble());
    EXPECT_EQ(read.objectv(std::vector<std::int64_t>{0, 4}), null());
}

TEST(FileForm, AnElementTheArchiveCannotHoldFailsAndKeepsTheEarlierFile) {
    TemporaryFolder folder;
    const fs::path path = folder.path() / "grid.mda";
    auto mda = MDAObj::create(row({row({str("kept")})}), 2);
    ASSERT_TRUE(mda->writeToURL(urlOf(path)));
    const std::string earlier = contents(path);

    int somewhere = 0;
    mda->addObject(platform::Value::valueWithPointer(&somewhere), 0, 0);
    EXPECT_FALSE(mda->writeToURL(urlOf(path)));
    EXPECT_EQ(contents(path), earlier);
    mda->remove(0, 1);
    mda->addObject(std::make_shared<MDAObj>(), 0, 0);
    EXPECT_FALSE(mda->writeToURL(urlOf(path)));
    EXPECT_EQ(contents(path), earlier);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(FileForm, UnwritablePlacesFail) {
    TemporaryFolder folder;
    auto mda = MDAObj::create(row({str("a")}), 1);
    EXPECT_FALSE(mda->writeToURL(urlOf(folder.path() / "missing" / "grid.mda")));
    EXPECT_FALSE(mda->writeToURL(urlOf(folder.path())));
    EXPECT_FALSE(mda->writeToURL(
        platform::URL::URLWithString(*platform::String::fromUtf8("https://example.org/grid"))));
    EXPECT_FALSE(mda->writeToURL(nullptr));
    MDAObj noRoot;
    EXPECT_FALSE(noRoot.writeToURL(urlOf(folder.path() / "none.mda")));
    EXPECT_FALSE(fs::exists(folder.path() / "none.mda"));
}

// Every failed read leaves no root array and no dimensions, whatever the object held before.
TEST(FileForm, FilesThatAreNotArraysOfTheirDimensionsAreRefused) {
    TemporaryFolder folder;
    const fs::path path = folder.path() / "grid.mda";
    ASSERT_TRUE(MDAObj::create(row({row({str("a"), num(1)})}), 2)->writeToURL(urlOf(path)));
    const std::string valid = contents(path);

    struct Case {
        const char* what;
        std::string bytes;
    };
    std::vector<Case> cases = {
        {"empty file", ""},
        {"text", "dims=2\na\t1\n"},
        {"truncated", valid.substr(0, valid.size() - 1)},
        {"trailing bytes", valid + '\0'},
        {"corrupt header", "X" + valid.substr(1)},
    };
    const std::pair<const char*, Ref<Object>> badRoots[] = {
        {"negative dims", row({num(-1), row({})})},
        {"double dims", row({platform::Number::numberWithDouble(2), row({})})},
        {"boolean dims", row({platform::Number::numberWithBool(true)})},
        {"string dims", row({str("2")})},
        {"empty root", row({})},
        {"not an array", str("2")},
    };
    for (const auto& [what, root] : badRoots) {
        const auto data = platform::Archiver::archivedDataWithRootObject(root);
        ASSERT_NE(data, nullptr) << what;
        cases.push_back({what, std::string(data->bytes().begin(), data->bytes().end())});
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(path, c.bytes);
        auto mda = MDAObj::create(row({str("old")}), 1);
        EXPECT_FALSE(mda->readFromURL(urlOf(path)));
        EXPECT_EQ(mda->array(), nullptr);
        EXPECT_EQ(mda->dims(), 0);
    }
    MDAObj mda;
    EXPECT_FALSE(mda.readFromURL(urlOf(folder.path() / "missing.mda")));
    EXPECT_FALSE(mda.readFromURL(urlOf(folder.path())));
    EXPECT_FALSE(mda.readFromURL(nullptr));
}

TEST(FileForm, EveryPrefixOfAValidFileIsRefused) {
    const auto data = MDAObj::create(everyKind(), 2)->archivedData();
    ASSERT_NE(data, nullptr);
    for (std::size_t length = 0; length < data->length(); ++length) {
        MDAObj mda;
        EXPECT_FALSE(mda.readFromData(*platform::Data::dataWithBytes(data->bytes().data(), length)))
            << length;
    }
    MDAObj whole;
    EXPECT_TRUE(whole.readFromData(*data));
}

TEST(FileForm, ZeroDimensionsAreAValidFile) {
    auto data = MDAObj::create(row({}), 0)->archivedData();
    ASSERT_NE(data, nullptr);
    MDAObj mda;
    EXPECT_TRUE(mda.readFromData(*data));
    EXPECT_EQ(mda.dims(), 0);
    EXPECT_EQ(shape(mda.array()), "()");
    EXPECT_EQ(MDAObj::create(row({}), -1)->archivedData(), nullptr);
}

} // namespace

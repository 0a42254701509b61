#include "ArraysTesting.h"

#include "platform/foundation/Archiver.h"
#include "platform/foundation/Data.h"
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

TEST(FileForm, WritingAndReadingRestoresEntriesAndDims) {
    TemporaryFolder folder;
    const auto url = urlOf(folder.path() / "grid.mda");
    auto written = MDAObj::create(
        row({row({str("text"), num(-7), platform::Number::numberWithDouble(2.0), null()}), row({}),
             row({row({str("nested")})})}),
        2);
    const std::string before = shape(written->array());
    ASSERT_TRUE(written->writeToURL(url));
    EXPECT_EQ(shape(written->array()), before) << "the leading number is only in the file";

    MDAObj read;
    ASSERT_TRUE(read.readFromURL(url));
    EXPECT_EQ(read.dims(), 2);
    ASSERT_NE(read.array(), nullptr);
    EXPECT_TRUE(read.array()->isEqual(*written->array()));
    EXPECT_TRUE(read.object(0, 2)->as<platform::Number>()->isDouble());
    EXPECT_EQ(read.objectv(std::vector<std::int64_t>{0, 3}), null());

    MDAObj none;
    ASSERT_TRUE(none.readFromData(*MDAObj::create(row({}), 0)->archivedData()));
    EXPECT_EQ(none.dims(), 0);
    EXPECT_EQ(shape(none.array()), "()");
}

TEST(FileForm, AWriteThatCannotBeDoneFailsAndKeepsTheEarlierFile) {
    TemporaryFolder folder;
    const fs::path path = folder.path() / "grid.mda";
    ASSERT_TRUE(MDAObj::create(row({str("kept")}), 1)->writeToURL(urlOf(path)));
    const std::string earlier = contents(path);
    int somewhere = 0;
    MDAObj noRoot;
    struct Case {
        const char* what;
        Ref<MDAObj> mda;
        Ref<platform::URL> url;
    };
    const Case cases[] = {
        {"an element the archive cannot hold",
         MDAObj::create(row({platform::Value::valueWithPointer(&somewhere)}), 1), urlOf(path)},
        {"an array inside", MDAObj::create(row({std::make_shared<MDAObj>()}), 1), urlOf(path)},
        {"negative dims", MDAObj::create(row({}), -1), urlOf(path)},
        {"no root", std::make_shared<MDAObj>(), urlOf(path)},
        {"not a file", MDAObj::create(row({}), 1),
         platform::URL::URLWithString(*platform::String::fromUtf8("https://example.org/grid"))},
        {"no place", MDAObj::create(row({}), 1), nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(c.mda->writeToURL(c.url));
        EXPECT_EQ(contents(path), earlier);
    }
}

// Every failed read leaves no root array and no dimensions, whatever the object held before.
TEST(FileForm, DataThatIsNotAnArrayOfItsDimensionsIsRefused) {
    const auto valid = MDAObj::create(row({row({str("a"), num(1)})}), 2)->archivedData();
    ASSERT_NE(valid, nullptr);
    const auto bytes = [](const Ref<platform::Data>& data) {
        return std::vector<std::uint8_t>(data->bytes().begin(), data->bytes().end());
    };
    auto truncated = bytes(valid);
    truncated.pop_back();
    std::vector<std::pair<const char*, std::vector<std::uint8_t>>> cases = {
        {"empty", {}}, {"text", {'d', '=', '2'}}, {"truncated", truncated}};
    const std::pair<const char*, Ref<Object>> badRoots[] = {
        {"negative dims", row({num(-1), row({})})},
        {"double dims", row({platform::Number::numberWithDouble(2), row({})})},
        {"boolean dims", row({platform::Number::numberWithBool(true)})},
        {"string dims", row({str("2")})},
        {"empty root", row({})},
        {"not an array", str("2")},
    };
    for (const auto& [what, root] : badRoots)
        cases.emplace_back(what, bytes(platform::Archiver::archivedDataWithRootObject(root)));
    for (const auto& [what, data] : cases) {
        SCOPED_TRACE(what);
        auto mda = MDAObj::create(row({str("old")}), 1);
        EXPECT_FALSE(mda->readFromData(*platform::Data::create(data)));
        EXPECT_EQ(mda->array(), nullptr);
        EXPECT_EQ(mda->dims(), 0);
    }
    TemporaryFolder folder;
    MDAObj mda;
    EXPECT_FALSE(mda.readFromURL(urlOf(folder.path() / "missing.mda")));
    EXPECT_FALSE(mda.readFromURL(nullptr));
}

} // namespace

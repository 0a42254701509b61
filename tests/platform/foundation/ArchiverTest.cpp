#include "FoundationTesting.h"

#include "platform/detail/ImagePeer.h"
#include "platform/drawing/AttributedString.h"
#include "platform/drawing/Color.h"
#include "platform/drawing/Font.h"
#include "platform/drawing/Image.h"
#include "platform/foundation/Archiver.h"
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
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// The folders synced through fsync while this program runs, each as the names it held then.
std::vector<std::vector<std::string>> syncedFolders;
// A path and a pipe that takes its place just before the path is next opened, by any thread.
std::pair<std::string, std::string> pipeAtOpen;
std::mutex pipeAtOpenLock;

} // namespace
} // namespace platform

// This program's fsync and open come before the system's, which they then call: fsync records
// the folders synced, open puts the pipe in place.
extern "C" int fsync(int fd) {
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        std::vector<std::string> names;
        const auto folder = std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd));
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename());
        platform::syncedFolders.push_back(names);
    }
    static const auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    return real(fd);
}

extern "C" int open(const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = flags & (O_CREAT | O_TMPFILE) ? va_arg(arguments, mode_t) : 0;
    va_end(arguments);
    {
        const std::lock_guard lock(platform::pipeAtOpenLock);
        if (auto& [at, pipe] = platform::pipeAtOpen; !at.empty() && at == path) {
            rename(pipe.c_str(), at.c_str());
            at.clear();
        }
    }
    static const auto real =
        reinterpret_cast<int (*)(const char*, int, ...)>(dlsym(RTLD_NEXT, "open"));
    return real(path, flags, mode);
}
extern "C" int open64(const char* path, int flags, ...) __attribute__((alias("open")));

namespace platform {
namespace {

using namespace foundation_testing;

Ref<Object> roundTrip(const Ref<Object>& object, const ArchiveLimits& limits = {}) {
    const auto data = Archiver::archivedDataWithRootObject(object, limits);
    return data ? Archiver::unarchiveObjectWithData(*data, limits) : nullptr;
}

// The archive of a root given as raw CBOR after the file's header and version.
Ref<Data> archiveOf(std::vector<std::uint8_t> root) {
    std::vector<std::uint8_t> bytes{0xd9, 0xd9, 0xf7, 0xda, 'P', 'O', 'N', 'D', 0x82, 0x01};
    bytes.insert(bytes.end(), root.begin(), root.end());
    return Data::create(std::move(bytes));
}

Ref<Object> unarchive(std::vector<std::uint8_t> root) {
    return Archiver::unarchiveObjectWithData(*archiveOf(std::move(root)));
}

// Every kind comes back equal, of its kind and, for dictionaries, in its order.
TEST(Archiver, EveryKindComesBackAsItWas) {
    auto dictionary = Dictionary::dictionary();
    for (const char* key : {"z", "a", "m"})
        dictionary->setObjectForKey(str("v"), str(key));
    dictionary->setObjectForKey(Number::numberWithInteger(2), Number::numberWithInteger(1));
    const std::u16string loneSurrogate{u'a', 0xD800, u'b'};
    auto attributes = Dictionary::dictionary();
    attributes->setObjectForKey(Font::systemFontOfSize(13), FontAttributeName());
    attributes->setObjectForKey(Color::colorWithRed(1, 0, 0, 1), ForegroundColorAttributeName());
    const std::vector<Ref<Object>> objects = {
        str("Grüße, 🂡"),
        String::create(loneSurrogate),
        MutableString::create(u"mutable"),
        Number::numberWithInteger(std::numeric_limits<std::int64_t>::min()),
        Number::numberWithInteger(std::numeric_limits<std::int64_t>::max()),
        Number::numberWithDouble(2.0),
        Number::numberWithDouble(-0.1),
        Number::numberWithDouble(std::numeric_limits<double>::infinity()),
        Number::numberWithBool(true),
        Null::null(),
        Array::arrayWithObjects({str("a"), Array::arrayWithObjects({Null::null()})}),
        dictionary,
        Data::create({0, 1, 0xfe, 0xff}),
        URL::fileURLWithPath(*str("/tmp/a b.txt")),
        URL::URLWithString(*str("https://example.org/x?y=1")),
        Color::colorWithRed(0.1, 0.2, 0.3, 0.4),
        Value::valueWithRect(Rect(1, 2, 3, 4)),
        Value::valueWithRange({7, std::numeric_limits<std::int64_t>::max()}),
        AttributedString::create(str("Pik"), attributes),
    };
    for (const auto& object : objects) {
        SCOPED_TRACE(object->description()->utf8());
        const auto back = roundTrip(object);
        ASSERT_NE(back, nullptr);
        EXPECT_TRUE(back->isEqual(*object));
        // Archived again it gives the same bytes: kinds, code units and order all came back.
        EXPECT_TRUE(Archiver::archivedDataWithRootObject(back)->isEqual(
            *Archiver::archivedDataWithRootObject(object)));
        if (const auto number = object->as<Number>()) {
            EXPECT_EQ(back->as<Number>()->kind(), number->kind());
        }
    }
    const auto nan = roundTrip(Number::numberWithDouble(std::nan("")));
    ASSERT_NE(nan, nullptr);
    EXPECT_TRUE(std::isnan(nan->as<Number>()->doubleValue()));
}

// A picture comes back pixel for pixel, and its pixels count against the decoded budget.
TEST(Archiver, ImagesComeBackAsTheirPictures) {
    const auto image = std::make_shared<Image>(Size{64, 32});
    image->peer().image.setPixelColor(3, 2, QColor(10, 20, 30, 40));
    const auto back = std::dynamic_pointer_cast<Image>(roundTrip(image));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->peer().image.convertToFormat(image->peer().image.format()),
              image->peer().image);
    ArchiveLimits budget;
    budget.maxDecodedBytes = 8 << 10;
    EXPECT_EQ(Archiver::archivedDataWithRootObject(image, budget), nullptr);
    EXPECT_EQ(
        Archiver::unarchiveObjectWithData(*Archiver::archivedDataWithRootObject(image), budget),
        nullptr);
}

TEST(Archiver, ObjectsItCannotHoldMakeTheWholeArchiveFail) {
    int somewhere = 0;
    EXPECT_EQ(Archiver::archivedDataWithRootObject(Value::valueWithPointer(&somewhere)), nullptr);
    EXPECT_EQ(Archiver::archivedDataWithRootObject(
                  Array::arrayWithObjects({str("a"), std::make_shared<Object>()})),
              nullptr);
    EXPECT_EQ(Archiver::archivedDataWithRootObject(nullptr), nullptr);
    // A cycle goes past the nesting limit.
    auto cycle = Array::array();
    cycle->addObject(cycle);
    EXPECT_EQ(Archiver::archivedDataWithRootObject(cycle), nullptr);
    cycle->removeAllObjects();
}

Ref<Object> nested(int levels) {
    Ref<Object> object = str("core");
    for (int i = 0; i < levels; ++i)
        object = Array::arrayWithObjects({object});
    return object;
}

TEST(Archiver, LimitsHoldOnBothSides) {
    ArchiveLimits limits;
    limits.maxDepth = 8;
    EXPECT_NE(roundTrip(nested(8), limits), nullptr);
    EXPECT_EQ(Archiver::archivedDataWithRootObject(nested(9), limits), nullptr);
    const auto deep = Archiver::archivedDataWithRootObject(nested(9));
    ASSERT_NE(deep, nullptr);
    EXPECT_EQ(Archiver::unarchiveObjectWithData(*deep, limits), nullptr);

    ArchiveLimits few;
    few.maxObjects = 4;
    const auto three = Array::arrayWithObjects({str("a"), str("b"), str("c")});
    EXPECT_NE(roundTrip(three, few), nullptr);
    three->addObject(str("d"));
    EXPECT_EQ(Archiver::archivedDataWithRootObject(three, few), nullptr);
    EXPECT_EQ(Archiver::unarchiveObjectWithData(*Archiver::archivedDataWithRootObject(three), few),
              nullptr);

    ArchiveLimits small;
    small.maxBytes = 16;
    EXPECT_EQ(Archiver::archivedDataWithRootObject(str("a long enough string"), small), nullptr);
    EXPECT_EQ(Archiver::unarchiveObjectWithData(
                  *Archiver::archivedDataWithRootObject(str("a long enough string")), small),
              nullptr);

    // 500 URLs take about 75 KB once decoded.
    auto urls = Array::array();
    for (int i = 0; i < 500; ++i)
        urls->addObject(URL::URLWithString(*String::fromUtf8("a:" + std::to_string(i))));
    ArchiveLimits budget;
    budget.maxDecodedBytes = 128 << 10;
    EXPECT_NE(roundTrip(urls, budget), nullptr);
    budget.maxDecodedBytes = 64 << 10;
    EXPECT_EQ(Archiver::archivedDataWithRootObject(urls, budget), nullptr);
    EXPECT_EQ(
        Archiver::unarchiveObjectWithData(*Archiver::archivedDataWithRootObject(urls), budget),
        nullptr);
}

// Hand-made CBOR that a hostile file could hold. None of it may allocate by a declared size or
// recurse without bound.
TEST(Archiver, HostileInputIsRefused) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> root;
    };
    std::vector<Case> cases = {
        {"array declaring 2^60 entries", {0x9b, 0x10, 0, 0, 0, 0, 0, 0, 0}},
        {"map declaring 2^60 entries", {0xbb, 0x10, 0, 0, 0, 0, 0, 0, 0}},
        {"text declaring 2^62 bytes", {0x7b, 0x40, 0, 0, 0, 0, 0, 0, 0, 'a'}},
        {"bytes declaring 2^62 bytes", {0x5b, 0x40, 0, 0, 0, 0, 0, 0, 0, 'a'}},
        {"integer above the 64-bit range", {0x1b, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff}},
        {"integer below the 64-bit range", {0x3b, 0x80, 0, 0, 0, 0, 0, 0, 0}},
        {"undefined", {0xf7}},
        {"simple value", {0xf0}},
        {"unknown tag", {0xc1, 0x01}},
        {"colour of three components", {0xda, 'P', 'O', 'N', 0x01, 0x83, 0x01, 0x01, 0x01}},
        {"colour of strings", {0xda, 'P', 'O', 'N', 0x01, 0x84, 0x61, 'a', 1, 1, 1}},
        {"range of doubles", {0xda, 'P', 'O', 'N', 0x05, 0x82, 0xf9, 0x3c, 0x00, 0x01}},
        {"odd UTF-16 bytes", {0xda, 'P', 'O', 'N', 0x06, 0x41, 'a'}},
        {"URL that is not text", {0xd8, 0x20, 0x01}},
        {"map with a key and no value", {0xa1, 0x01}},
        {"invalid UTF-8", {0x62, 0xc3, 0x28}},
        {"break outside a container", {0xff}},
    };
    cases.push_back({"nesting far past the limit", std::vector<std::uint8_t>(100000, 0x81)});
    // Four megabytes, within the object limit, that would take half a gigabyte once decoded.
    std::vector<std::uint8_t> dictionaries{0x9a, 0x00, 0x3f, 0xff, 0xff};
    dictionaries.resize(dictionaries.size() + 0x3fffff, 0xa0);
    cases.push_back({"four million empty dictionaries", std::move(dictionaries)});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(unarchive(c.root), nullptr);
    }
}

TEST(Archiver, ReadsWellFormedCborItDoesNotWriteItself) {
    const auto indefinite = unarchive({0x9f, 0x01, 0x7f, 0x61, 'a', 0x61, 'b', 0xff, 0xff});
    ASSERT_NE(indefinite, nullptr);
    EXPECT_EQ(indefinite->description()->utf8(), "(\n    1,\n    ab\n)");
    const auto half = unarchive({0xf9, 0x3c, 0x00});
    ASSERT_NE(half, nullptr);
    EXPECT_TRUE(half->as<Number>()->isDouble());
    EXPECT_EQ(half->as<Number>()->doubleValue(), 1.0);
    const auto lowest = unarchive({0x3b, 0x7f, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff});
    ASSERT_NE(lowest, nullptr);
    EXPECT_EQ(lowest->as<Number>()->integerValue(), std::numeric_limits<std::int64_t>::min());
}

TEST(Archiver, TheHeaderIdentifiesTheFile) {
    EXPECT_NE(unarchive({0x01}), nullptr);
    std::vector<std::uint8_t> otherVersion{0xd9, 0xd9, 0xf7, 0xda, 'P', 'O',
                                           'N',  'D',  0x82, 0x02, 0x01};
    EXPECT_EQ(Archiver::unarchiveObjectWithData(*Data::create(otherVersion)), nullptr);
    std::vector<std::uint8_t> bare{0x82, 0x01, 0x01};
    EXPECT_EQ(Archiver::unarchiveObjectWithData(*Data::create(bare)), nullptr);
    const auto data = Archiver::archivedDataWithRootObject(str("x"));
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(std::string(data->bytes().begin(), data->bytes().begin() + 8),
              "\xd9\xd9\xf7\xdaPOND");
}

TEST(Archiver, FilesAreReplacedWholeOrNotAtAll) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto path = String::fromUtf8(folder.filePath("a.archive").toStdString());
    ASSERT_TRUE(Archiver::archiveRootObjectToFile(str("first"), *path));
    EXPECT_FALSE(Archiver::archiveRootObjectToFile(std::make_shared<Object>(), *path));
    const auto back = Archiver::unarchiveObjectWithFile(*path);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->description()->utf8(), "first");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    EXPECT_FALSE(Archiver::archiveRootObjectToFile(
        str("x"), *String::fromUtf8(folder.filePath("no/such/folder").toStdString())));
    EXPECT_FALSE(Archiver::archiveRootObjectToFile(str("x"), *str("")));
}

TEST(Archiver, TheFolderIsSyncedOnceTheArchiveIsInPlace) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    syncedFolders.clear();
    ASSERT_TRUE(Archiver::archiveRootObjectToFile(
        str("x"), *String::fromUtf8(folder.filePath("a.archive").toStdString())));
    EXPECT_EQ(syncedFolders, (std::vector<std::vector<std::string>>{{"a.archive"}}));
}

// Waiting for the pipe would wait for ever: no one writes into it.
TEST(Archiver, APipeInTheFilesPlaceWhenItIsOpenedIsNotWaitedFor) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = folder.filePath("a.archive").toStdString();
    const std::string pipe = folder.filePath("pipe").toStdString();
    ASSERT_TRUE(Archiver::archiveRootObjectToFile(str("file"), *String::fromUtf8(path)));
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::unique_lock lock(pipeAtOpenLock);
    pipeAtOpen = {path, pipe};
    lock.unlock();
    EXPECT_EQ(Archiver::unarchiveObjectWithFile(*String::fromUtf8(path)), nullptr);
    lock.lock();
    EXPECT_TRUE(pipeAtOpen.first.empty());
}

TEST(Archiver, OnlyRegularFilesOfBoundedSizeAreRead) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    EXPECT_EQ(Archiver::unarchiveObjectWithFile(*str("/dev/zero")), nullptr);
    EXPECT_EQ(Archiver::unarchiveObjectWithFile(*String::fromUtf8(folder.path().toStdString())),
              nullptr);
    // A sparse file just over the size limit is refused without being read.
    QFile huge(folder.filePath("huge"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(static_cast<qint64>(ArchiveLimits().maxBytes) + 1));
    huge.close();
    EXPECT_EQ(Archiver::unarchiveObjectWithFile(*String::fromUtf8(huge.fileName().toStdString())),
              nullptr);
}

} // namespace
} // namespace platform

#include "runtime/services/CUI_CursorAnimator.h"

#include "ServicesTesting.h"

#include "platform/app/Bundle.h"
#include "platform/app/Timer.h"
#include "platform/drawing/Image.h"
#include "platform/foundation/String.h"
#include "platform/services/Cursor.h"

using platform::Ref;
using shelltest::ShellTest;

namespace {

// A black bitmap one pixel high and `width` pixels wide, so that each frame tells itself by its
// width.
void writeBitmap(const fs::path& file, std::uint32_t width) {
    const std::uint32_t row = (width * 3 + 3) & ~3u;
    std::vector<unsigned char> bytes(54 + row, 0);
    const auto put = [&](std::size_t at, std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, static_cast<std::uint32_t>(bytes.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, width, 4);
    put(22, 1, 4);
    put(26, 1, 2);
    put(28, 24, 2);
    put(34, row, 4);
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

TEST_F(ShellTest, ACursorAnimatorOfThreeImagesShowsOneTwoThreeOne) {
    const fs::path resources = platform::Bundle::main()->resourcePath()->utf8();
    fs::create_directories(resources);
    for (std::uint32_t frame = 1; frame <= 3; ++frame)
        writeBitmap(resources / ("walk" + std::to_string(frame) + ".bmp"), frame);
    const auto animator = std::make_shared<CUI_CursorAnimator>();
    animator->setName(platform::String::fromUtf8("walk"));
    animator->setExtension(platform::String::fromUtf8("bmp"));
    animator->setNumImages(3);
    animator->setHotSpot({1, 0});
    // Long enough never to fire by itself: the test fires it.
    animator->startWithInterval(3600);

    std::vector<double> widths;
    for (int firing = 0; firing < 4; ++firing) {
        animator->timer()->fire();
        widths.push_back(platform::Cursor::currentCursor()->image()->size().width);
    }
    animator->setName(platform::String::fromUtf8("missing"));
    animator->timer()->fire();
    animator->stop();

    EXPECT_EQ(widths, (std::vector<double>{1, 2, 3, 1}));
    EXPECT_EQ(platform::Cursor::currentCursor()->image()->size().width, 1) << "kept when missing";
    EXPECT_EQ(platform::Cursor::currentCursor()->hotSpot().x, 1);
    for (int frame = 1; frame <= 3; ++frame)
        fs::remove(resources / ("walk" + std::to_string(frame) + ".bmp"));
}

} // namespace

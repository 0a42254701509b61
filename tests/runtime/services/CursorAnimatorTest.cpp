#include "runtime/services/CUI_CursorAnimator.h"

#include "ServicesTesting.h"

#include "platform/app/Bundle.h"
#include "platform/app/Timer.h"
#include "platform/drawing/Image.h"
#include "platform/services/Cursor.h"

using platform::Ref;
using shelltest::ShellTest;

namespace {

TEST_F(ShellTest, ACursorAnimatorOfThreeImagesShowsOneTwoThreeOne) {
    const fs::path resources = platform::Bundle::main()->resourcePath()->utf8();
    fs::create_directories(resources);
    for (std::uint32_t frame = 1; frame <= 3; ++frame)
        servicestest::writeBitmap(resources / ("walk" + std::to_string(frame) + ".bmp"), frame);
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

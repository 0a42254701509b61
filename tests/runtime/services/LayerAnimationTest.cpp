#include "runtime/services/CUI_AnimationEffectDelegate.h"
#include "runtime/services/CUI_CAAnimationDelegate.h"

#include "ServicesTesting.h"

#include "platform/foundation/Number.h"
#include "platform/foundation/Value.h"
#include "platform/testing/EventWait.h"
#include "platform/views/View.h"

using platform::Point;
using platform::Ref;

namespace {

enum class Interruption { None, Removed, ViewGone };

struct LayerCase : servicestest::Row {
    const char* keyPath;
    double toX, toY;
    bool withCallback;
    Interruption interruption;
    const char* heard;
    bool finished;
    // Where the animated property ends: the opacity in x, or the frame's centre.
    double afterX, afterY;
};

const LayerCase layerCases[] = {
    {"OpacityFadesInToTheEnd", "opacity", 1, 0, true, Interruption::None, "01", true, 1, 0},
    {"PositionMovesTheCentre", "position", 100, 80, true, Interruption::None, "01", true, 100, 80},
    {"RemovedStopsUnfinishedWhereItWas", "opacity", 1, 0, true, Interruption::Removed, "01", false,
     0, 0},
    {"AGoneViewStopsIt", "position", 100, 80, true, Interruption::ViewGone, "01", false, 0, 0},
    {"NoCallbackStillAnimates", "opacity", 0.25, 0, false, Interruption::None, "", true, 0.25, 0},
    {"UnknownKeyPathChangesNothing", "bounds", 0, 0, true, Interruption::None, "01", true, 30, 20},
};

Point shownValue(const std::string& keyPath, const platform::View& view) {
    return keyPath == "opacity" ? Point{view.alphaValue(), 0}
                                : Point{view.frame().midX(), view.frame().midY()};
}

class LayerAnimations : public shelltest::ShellTest,
                        public ::testing::WithParamInterface<LayerCase> {};

TEST_P(LayerAnimations, ReportStartAndStopAndLeaveTheViewWhereTheyEnd) {
    const LayerCase& row = GetParam();
    static std::string heard;
    heard.clear();
    const auto delegate = std::make_shared<CUI_CAAnimationDelegate>();
    if (row.withCallback)
        delegate->setCallback([](std::int64_t code, const Ref<platform::Object>&, void*) {
            heard += std::to_string(code);
        });
    auto view = std::make_shared<platform::View>(platform::Rect{10, 10, 40, 20});
    view->setAlphaValue(0.5);
    const auto animation = platform::LayerAnimation::animationWithKeyPath(row.keyPath);
    animation->setFromValue(row.keyPath == std::string("opacity")
                                ? Ref<platform::Object>(platform::Number::numberWithDouble(0))
                                : platform::Value::valueWithPoint({30, 20}));
    animation->setToValue(row.keyPath == std::string("opacity")
                              ? Ref<platform::Object>(platform::Number::numberWithDouble(row.toX))
                              : platform::Value::valueWithPoint({row.toX, row.toY}));
    animation->setDuration(0.05);
    animation->setDelegate(delegate);

    animation->addToView(view);
    EXPECT_EQ(animation->view(), view);
    if (row.interruption == Interruption::Removed)
        animation->removeFromView();
    if (row.interruption == Interruption::ViewGone)
        view.reset();
    platform::testing::runEventsUntil([&] { return !animation->isRunning(); });

    EXPECT_FALSE(animation->isRunning());
    EXPECT_EQ(heard, row.heard);
    EXPECT_EQ(delegate->finished(), row.finished);
    if (view) {
        EXPECT_EQ(shownValue(row.keyPath, *view), (Point{row.afterX, row.afterY}));
    }
}
INSTANTIATE_TEST_SUITE_P(Rows, LayerAnimations, ::testing::ValuesIn(layerCases),
                         servicestest::rowName);

TEST(AnimationEffects, ThePoofEndsWithItsContext) {
    static int context;
    static void* heard = nullptr;
    const auto delegate = std::make_shared<CUI_AnimationEffectDelegate>();
    delegate->setCallback([](void* contextInfo) { heard = contextInfo; });
    platform::showAnimationEffect(platform::AnimationEffect::Poof, {200, 200}, {}, delegate,
                                  &context);
    EXPECT_EQ(heard, nullptr);
    platform::testing::runEventsUntil([] { return heard != nullptr; });
    EXPECT_EQ(heard, &context);
}

} // namespace

#include "runtime/services/CUI_AnimationDelegate.h"

#include "ServicesTesting.h"

#include <sstream>

using platform::Ref;

namespace {

// What the callback heard, one entry a call: the code, and the progress for a mark.
std::string& heardCalls() {
    static std::string calls;
    return calls;
}

struct AnimationCase : servicestest::Row {
    bool withCallback;
    bool refuseStart;
    const char* heard;
    float progressAfter;
};

class Animations : public shelltest::ShellTest,
                   public ::testing::WithParamInterface<AnimationCase> {};

TEST_P(Animations, RunAsTheDelegateAnswers) {
    const AnimationCase& row = GetParam();
    heardCalls().clear();
    const auto delegate = std::make_shared<CUI_AnimationDelegate>();
    static bool refuse;
    refuse = row.refuseStart;
    if (row.withCallback)
        delegate->setCallback([](std::int64_t code, const Ref<platform::Object>&, void* data) {
            auto& self = *static_cast<CUI_AnimationDelegate*>(data);
            std::ostringstream call;
            call << code;
            if (code == AnimationDelegateEvent::DidReachProgressMark)
                call << "@" << self.progress();
            if (code == AnimationDelegateEvent::ShouldStart && refuse)
                self.setShouldStart(false);
            if (code == AnimationDelegateEvent::ValueForProgress)
                self.setValueForProgress(self.valueForProgress() / 2);
            heardCalls() += (heardCalls().empty() ? "" : " ") + call.str();
        });
    delegate->setUserData(delegate.get());
    const auto animation =
        std::make_shared<platform::Animation>(0.05, platform::AnimationCurve::Linear);
    animation->setDelegate(delegate);
    animation->addProgressMark(0.5f);
    animation->addProgressMark(0.25f);

    animation->startAnimation();

    EXPECT_FALSE(animation->isAnimating());
    EXPECT_EQ(animation->currentProgress(), row.progressAfter);
    EXPECT_EQ(animation->currentValue(),
              row.withCallback ? row.progressAfter / 2 : row.progressAfter);
    EXPECT_EQ(heardCalls(), row.heard);
    EXPECT_EQ(delegate->progress(), row.progressAfter) << "the last progress asked about";
}
INSTANTIATE_TEST_SUITE_P(
    Rows, Animations,
    ::testing::Values(AnimationCase{"NoCallbackStartsAndRunsToTheEnd", false, false, "", 1.0f},
                      AnimationCase{"MarksInOrderThenTheEnd", true, false, "2 4@0.25 4@0.5 0 3",
                                    1.0f},
                      AnimationCase{"RefusedStartRunsNothing", true, true, "2 3", 0.0f}),
    servicestest::rowName);

} // namespace

#include "FoundationTesting.h"

#include "platform/foundation/Dictionary.h"
#include "platform/foundation/KeyValueObservation.h"
#include "platform/foundation/Number.h"
#include "platform/views/View.h"

#include <gtest/gtest.h>

#include <functional>

namespace platform {
namespace {

using namespace foundation_testing;
namespace O = KeyValueObservingOptions;

// Writes each message it hears as one line: key, then the change's entries that are present.
class Recorder : public Object {
public:
    std::vector<std::string> heard;
    std::function<void()> onHearing;

    void observeValueForKeyPath(const Ref<String>& keyPath, const Ref<Object>&,
                                const Ref<Dictionary>& change, void* context) override {
        std::string line = keyPath->utf8() + (context ? " ctx" : "");
        for (const auto key :
             {kKeyValueChangeOldKey, kKeyValueChangeNewKey, kKeyValueChangeNotificationIsPriorKey})
            if (const auto value = change->objectForKey(str(std::string(key).c_str())))
                line += " " + std::string(key) + "=" + text(value);
        heard.push_back(line);
        if (onHearing)
            onHearing();
    }
};

TEST(KeyValueObserving, ObserversHearWhatTheirOptionsAsk) {
    int context = 0;
    struct Case {
        const char* name;
        std::uint64_t options;
        std::function<void(View&, Recorder&)> change;
        std::vector<std::string> heard;
    };
    const Case cases[] = {
        {"NewAndOld",
         O::New | O::Old,
         [](View& v, Recorder&) { v.setHidden(true); },
         {"hidden ctx old=0 new=1"}},
        {"PriorThenAfter",
         O::Old | O::Prior,
         [](View& v, Recorder&) { v.setHidden(true); },
         {"hidden ctx old=0 notificationIsPrior=1", "hidden ctx old=0"}},
        {"InitialAtOnce", O::New | O::Initial, [](View&, Recorder&) {}, {"hidden ctx new=0"}},
        {"OtherKeysUnheard",
         O::New,
         [](View& v, Recorder&) {
             v.setFrameOrigin({5, 5});
         },
         {}},
        {"RemovedHearsNothing",
         O::New,
         [](View& v, Recorder& r) {
             v.removeObserver(r, "hidden");
             v.setHidden(true);
         },
         {}},
        {"NestedChangesKeepTheirOldValues",
         O::Old | O::New,
         [](View& v, Recorder&) {
             v.willChangeValueForKey("hidden");
             v.setHidden(true);
             v.didChangeValueForKey("hidden");
         },
         {"hidden ctx old=0 new=1", "hidden ctx old=0 new=1"}},
        {"RemovingItselfWhileHearingIsSafe",
         O::New,
         [](View& v, Recorder& r) {
             r.onHearing = [&] { v.removeObserver(r); };
             v.setHidden(true);
             v.setHidden(false);
         },
         {"hidden ctx new=1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto view = std::make_shared<View>(Rect{0, 0, 10, 10});
        const auto recorder = std::make_shared<Recorder>();
        view->addObserver(recorder, "hidden", c.options, &context);
        c.change(*view, *recorder);
        EXPECT_EQ(recorder->heard, c.heard);
    }
}

TEST(KeyValueObserving, ValuesSetByKeyAreObservableAndGoneObserversAreSkipped) {
    const auto object = std::make_shared<Object>();
    const auto recorder = std::make_shared<Recorder>();
    auto gone = std::make_shared<Recorder>();
    object->addObserver(recorder, "score", O::New | O::Old, nullptr);
    object->addObserver(gone, "score", O::New, nullptr);
    gone.reset();
    object->setValueForKey(Number::numberWithInteger(7), "score");
    object->setValueForKey(nullptr, "score");
    EXPECT_EQ(recorder->heard,
              (std::vector<std::string>{"score old=<null> new=7", "score old=7 new=<null>"}));
}

} // namespace
} // namespace platform

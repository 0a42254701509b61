#include "runtime/services/CUI_InvocationOperation.h"
#include "runtime/services/CUI_NotificationCenter.h"

#include "ServicesTesting.h"

#include "platform/app/Application.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/Number.h"
#include "platform/services/NotificationCenter.h"
#include "platform/services/OperationQueue.h"

#include <mutex>
#include <thread>

using namespace shelltest;
using platform::String;

namespace {

std::vector<std::string>& received() {
    static std::vector<std::string> names;
    return names;
}

void receive(const Ref<platform::Notification>& notification) {
    const auto number = std::dynamic_pointer_cast<platform::Number>(notification->object());
    received().push_back(notification->name()->utf8() + " " +
                         std::to_string(number ? number->integerValue() : -1));
}

TEST_F(ShellTest, ObserversHearTheirNameUntilRemovedOrGone) {
    received().clear();
    const auto center = platform::NotificationCenter::defaultCenter();
    const auto one = platform::Number::numberWithInteger(1);
    auto dealt = std::make_shared<CUI_NotificationCenter>(receive, String::fromUtf8("Dealt"));
    auto fromOne = std::make_shared<CUI_NotificationCenter>(receive, String::fromUtf8("Dealt"));
    auto removed = std::make_shared<CUI_NotificationCenter>(receive, nullptr);
    center->addObserverSelectorNameObject(dealt, CUI_NotificationCenter::receiveSelector(),
                                          dealt->name(), nullptr);
    center->addObserverSelectorNameObject(fromOne, CUI_NotificationCenter::receiveSelector(),
                                          fromOne->name(), one);
    center->addObserverSelectorNameObject(removed, CUI_NotificationCenter::receiveSelector(),
                                          nullptr, nullptr);
    center->removeObserver(*removed);

    center->postNotificationNameObject(String::fromUtf8("Dealt"), one);
    center->postNotificationNameObject(String::fromUtf8("Dealt"),
                                       platform::Number::numberWithInteger(2));
    center->postNotificationNameObject(String::fromUtf8("Scored"), one);
    fromOne.reset();
    center->postNotificationNameObject(String::fromUtf8("Dealt"), one);
    center->removeObserver(*dealt);

    EXPECT_EQ(received(), (std::vector<std::string>{"Dealt 1", "Dealt 1", "Dealt 2", "Dealt 1"}));
}

// An observer whose callback lets go of it hears once; a message sent with another kind of
// object hands the callback none.
TEST_F(ShellTest, AnObserverReleasedByItsOwnCallbackHearsOnce) {
    static Ref<CUI_NotificationCenter> held;
    static std::vector<bool> heard;
    heard.clear();
    held = std::make_shared<CUI_NotificationCenter>(
        [](const Ref<platform::Notification>& notification) {
            heard.push_back(notification != nullptr);
            held.reset();
        },
        String::fromUtf8("Dealt"));
    const auto center = platform::NotificationCenter::defaultCenter();
    center->addObserverSelectorNameObject(held, CUI_NotificationCenter::receiveSelector(),
                                          held->name(), nullptr);
    {
        const auto observer = held;
        EXPECT_TRUE(
            CUI_NotificationCenter::receiveSelector().performOn(*observer, String::create()));
        held = observer;
    }

    center->postNotificationNameObject(String::fromUtf8("Dealt"), nullptr);
    center->postNotificationNameObject(String::fromUtf8("Dealt"), nullptr);

    EXPECT_EQ(heard, (std::vector<bool>{false, true}));
    EXPECT_EQ(held, nullptr);
}

struct Worked {
    std::mutex lock;
    std::thread::id thread;
    std::int64_t object = 0;
};

Worked& worked() {
    static Worked record;
    return record;
}

TEST_F(ShellTest, OperationsWorkOnAWorkerAndCompleteOnTheMainThread) {
    platform::OperationQueue queue;
    auto operation = std::make_shared<CUI_InvocationOperation>(
        [](const Ref<platform::Object>& object) {
            const std::lock_guard hold(worked().lock);
            worked().thread = std::this_thread::get_id();
            worked().object = object->as<platform::Number>()->integerValue();
        },
        platform::Number::numberWithInteger(42));
    std::thread::id completedOn;
    operation->setCompletionBlock([&] {
        completedOn = std::this_thread::get_id();
        platform::Application::shared()->stopModal();
    });
    platform::testing::ModalScript script;
    script.run();

    queue.addOperation(operation);
    runModalWindow();

    const std::lock_guard hold(worked().lock);
    EXPECT_EQ(worked().object, 42);
    EXPECT_NE(worked().thread, std::this_thread::get_id());
    EXPECT_EQ(completedOn, std::this_thread::get_id());
    EXPECT_TRUE(operation->isFinished());
}

} // namespace

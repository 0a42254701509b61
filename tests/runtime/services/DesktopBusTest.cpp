#include "runtime/services/CUI_DistributedNotificationCenter.h"
#include "runtime/services/CUI_StatusBarButtonTarget.h"
#include "runtime/services/CUI_WorkspaceNotificationCenter.h"

#include "ServicesTesting.h"

#include "platform/app/Workspace.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"
#include "platform/services/DistributedNotificationCenter.h"
#include "platform/services/NotificationCenter.h"
#include "platform/services/StatusBar.h"
#include "platform/services/StatusItem.h"
#include "platform/testing/EventWait.h"
#include "platform/testing/PrivateBus.h"
#include "platform/testing/StatusWatcher.h"

#include <spawn.h>
#include <sys/wait.h>

#include <array>
#include <optional>
#include <sstream>

extern char** environ;

using namespace shelltest;
using platform::String;
using platform::testing::PrivateBus;

namespace {

class DesktopBus : public ShellTest {
protected:
    static void SetUpTestSuite() {
        // The login manager knows this process's session by this number.
        ::setenv("XDG_SESSION_ID", "7", 1);
        ASSERT_TRUE(PrivateBus::start());
    }
};

// Runs this test program again, as another process on the bus, for the one test named.
int runInOtherProcess(const char* test) {
    const std::string filter = std::string("--gtest_filter=") + test;
    std::string program = fs::read_symlink("/proc/self/exe").string();
    char* arguments[] = {program.data(), const_cast<char*>("--gtest_also_run_disabled_tests"),
                         const_cast<char*>(filter.c_str()), nullptr};
    pid_t child = 0;
    if (::posix_spawn(&child, program.c_str(), nullptr, nullptr, arguments, environ) != 0)
        return -1;
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Run only by DistributedNotificationsReachObserversOfOtherPrograms, in another process.
TEST_F(DesktopBus, DISABLED_PostCardDealt) {
    const auto info = platform::Dictionary::dictionary();
    info->setObjectForKey(String::fromUtf8("ace"), String::fromUtf8("card"));
    info->setObjectForKey(platform::Number::numberWithInteger(11), String::fromUtf8("value"));
    info->setObjectForKey(platform::Dictionary::dictionary(), String::fromUtf8("left out"));
    platform::DistributedNotificationCenter::defaultCenter()->postNotificationNameObjectUserInfo(
        String::fromUtf8("CardDealt"), String::fromUtf8("deck"), info);
}

struct ObserverRow {
    const char* name;
    const char* object;
    bool hears;
};
constexpr ObserverRow observerRows[] = {
    {"CardDealt", nullptr, true},
    {"CardDealt", "deck", true},
    {"CardDealt", "hand", false},
    {"CardPlayed", nullptr, false},
};
std::array<Ref<platform::Notification>, std::size(observerRows)> received;
template <std::size_t I>
void receive(const Ref<platform::Notification>& notification) {
    received[I] = notification;
}
constexpr CUI_NotificationCenter::Callback receivers[] = {receive<0>, receive<1>, receive<2>,
                                                          receive<3>};

TEST_F(DesktopBus, DistributedNotificationsReachObserversOfOtherPrograms) {
    const auto center = platform::DistributedNotificationCenter::defaultCenter();
    std::vector<Ref<CUI_DistributedNotificationCenter>> observers;
    for (std::size_t i = 0; i < std::size(observerRows); ++i) {
        observers.push_back(std::make_shared<CUI_DistributedNotificationCenter>(
            receivers[i], String::fromUtf8(observerRows[i].name)));
        center->addObserverSelectorNameObject(
            observers.back(), CUI_NotificationCenter::receiveSelector(), observers.back()->name(),
            observerRows[i].object ? String::fromUtf8(observerRows[i].object) : nullptr);
    }

    ASSERT_EQ(runInOtherProcess("DesktopBus.DISABLED_PostCardDealt"), 0);
    platform::testing::runEventsUntil([] { return received[0] != nullptr; });

    for (std::size_t i = 0; i < std::size(observerRows); ++i)
        EXPECT_EQ(received[i] != nullptr, observerRows[i].hears) << "observer " << i;
    ASSERT_TRUE(received[0]);
    EXPECT_EQ(received[0]->name()->utf8(), "CardDealt");
    EXPECT_EQ(received[0]->object()->description()->utf8(), "deck");
    const auto info = std::static_pointer_cast<platform::Dictionary>(received[0]->userInfo());
    EXPECT_EQ(info->description()->utf8(), "{\n    card = ace;\n    value = 11;\n}");
    for (const auto& observer : observers)
        center->removeObserver(*observer);
}

// A signal as "service path interface member [argument]", "-" for no service name, the
// interface's common prefix left out; what is heard without "NSWorkspace" and "Notification".
struct WorkspaceCase : servicestest::Row {
    const char* signal;
    const char* heard;
};

constexpr const char* kLogin = "org.freedesktop.login1";
constexpr const char* kManager = "org.freedesktop.login1.Manager";
constexpr const char* kSession = "/org/freedesktop/login1/session/_3";
const WorkspaceCase workspaceCases[] = {
    {"ScreenSaverStarts", "- /org/freedesktop/ScreenSaver ScreenSaver ActiveChanged 1",
     "ScreensDidSleep"},
    {"MachineGoesToSleep", "login1 /org/freedesktop/login1 login1.Manager PrepareForSleep 1",
     "WillSleep"},
    {"MachineWakes", "login1 /org/freedesktop/login1 login1.Manager PrepareForSleep 0", "DidWake"},
    {"SleepFromAnotherSenderIsIgnored",
     "- /org/freedesktop/login1 login1.Manager PrepareForSleep 1", ""},
    {"ThisSessionLocked", "login1 7 login1.Session Lock", "SessionDidResignActive"},
    {"ThisSessionUnlocked", "login1 7 login1.Session Unlock", "SessionDidBecomeActive"},
    {"OtherSessionLockedIsIgnored", "login1 8 login1.Session Lock", ""},
};

std::vector<std::string>& workspaceHeard() {
    static std::vector<std::string> names;
    return names;
}

class WorkspaceSignals : public DesktopBus, public ::testing::WithParamInterface<WorkspaceCase> {};

TEST_P(WorkspaceSignals, BecomeWorkspaceNotifications) {
    const WorkspaceCase& row = GetParam();
    const auto center = platform::Workspace::sharedWorkspace()->notificationCenter();
    const auto observer = std::make_shared<CUI_WorkspaceNotificationCenter>(
        [](const Ref<platform::Notification>& notification) {
            EXPECT_EQ(notification->object(), platform::Workspace::sharedWorkspace());
            workspaceHeard().push_back(notification->name()->utf8());
        },
        nullptr);
    center->addObserverSelectorNameObject(observer, CUI_NotificationCenter::receiveSelector(),
                                          nullptr, nullptr);
    workspaceHeard().clear();

    std::istringstream words(row.signal);
    std::string service, path, interface, member, argument;
    words >> service >> path >> interface >> member >> argument;
    PrivateBus::emitSignal(service == "-" ? "" : "org.freedesktop." + service,
                           path.size() == 1 ? kSession + path : path,
                           "org.freedesktop." + interface, member,
                           argument.empty() ? std::nullopt : std::optional(argument == "1"));
    // A signal on the same bus that is heard marks the end: what the row's signal does has been
    // done by then.
    const bool onSessionBus = interface == "ScreenSaver";
    if (onSessionBus)
        PrivateBus::emitSignal("", "/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver",
                               "ActiveChanged", false);
    else
        PrivateBus::emitSignal(kLogin, "/org/freedesktop/login1", kManager, "PrepareForSleep",
                               false);
    std::vector<std::string> expected = {onSessionBus ? "NSWorkspaceScreensDidWakeNotification"
                                                      : "NSWorkspaceDidWakeNotification"};
    if (*row.heard)
        expected.push_back(std::string("NSWorkspace") + row.heard + "Notification");
    platform::testing::runEventsUntil([&] { return workspaceHeard().size() >= expected.size(); });
    center->removeObserver(*observer);

    std::sort(expected.begin(), expected.end());
    std::sort(workspaceHeard().begin(), workspaceHeard().end());
    EXPECT_EQ(workspaceHeard(), expected);
}
INSTANTIATE_TEST_SUITE_P(Rows, WorkspaceSignals, ::testing::ValuesIn(workspaceCases),
                         servicestest::rowName);

// Each step "device point...", "!" before the device for a sender that is not the disk service;
// what is heard as "DidMount point", in order.
struct MountCase : servicestest::Row {
    std::vector<const char*> steps;
    const char* heard;
};

const MountCase mountCases[] = {
    {"MountThenUnmount",
     {"sdb1 /media/deck", "sdb1"},
     "DidMount /media/deck; DidUnmount /media/deck; "},
    {"SecondPointOfOneFileSystem",
     {"sdc1 /media/a", "sdc1 /media/a /media/b"},
     "DidMount /media/a; DidMount /media/b; "},
    {"PointMoved",
     {"sdd1 /media/a", "sdd1 /media/b"},
     "DidMount /media/a; DidUnmount /media/a; DidMount /media/b; "},
    {"OtherSenderIsIgnored", {"!sde1 /media/x"}, ""},
};

class MountSignals : public DesktopBus, public ::testing::WithParamInterface<MountCase> {};

TEST_P(MountSignals, BecomeMountNotifications) {
    // The devices of each run are new to the centre, which remembers the points it has seen.
    static int runs = 0;
    const std::string run = std::to_string(++runs);
    const auto center = platform::Workspace::sharedWorkspace()->notificationCenter();
    const auto observer = std::make_shared<CUI_WorkspaceNotificationCenter>(
        [](const Ref<platform::Notification>& notification) {
            const std::string name = notification->name()->utf8();
            const auto info =
                std::static_pointer_cast<platform::Dictionary>(notification->userInfo());
            workspaceHeard().push_back(
                name.substr(11, name.size() - 23) + " " +
                info->objectForKey(String::fromUtf8("NSDevicePath"))->description()->utf8() + "; ");
        },
        nullptr);
    center->addObserverSelectorNameObject(observer, CUI_NotificationCenter::receiveSelector(),
                                          nullptr, nullptr);
    workspaceHeard().clear();

    for (const char* step : GetParam().steps) {
        std::istringstream words(step);
        std::string device, point;
        std::vector<std::string> points;
        words >> device;
        while (words >> point)
            points.push_back(point);
        PrivateBus::emitMountPoints(device.substr(device[0] == '!') + "n" + run, points,
                                    device[0] != '!');
    }
    // A mount heard last marks the end.
    PrivateBus::emitMountPoints("end" + run, {"/media/end"});
    platform::testing::runEventsUntil([] {
        return !workspaceHeard().empty() && workspaceHeard().back() == "DidMount /media/end; ";
    });
    center->removeObserver(*observer);

    std::string heard;
    for (const auto& line : workspaceHeard())
        heard += line;
    EXPECT_EQ(heard, std::string(GetParam().heard) + "DidMount /media/end; ");
}
INSTANTIATE_TEST_SUITE_P(Rows, MountSignals, ::testing::ValuesIn(mountCases),
                         servicestest::rowName);

struct StatusCase : servicestest::Row {
    bool watcherFirst;
    bool withCallback;
};

const StatusCase statusCases[] = {
    {"RegistersWithTheRunningWatcher", true, true},
    {"RegistersWithAWatcherThatComesLater", false, true},
    {"ClickWithoutCallbackDoesNothing", true, false},
};

struct Click {
    Ref<platform::Object> sender;
    void* userData;
    Ref<platform::Object> button;
};
std::vector<Click>& clicks() {
    static std::vector<Click> heardClicks;
    return heardClicks;
}

class StatusItems : public DesktopBus, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(StatusItems, AreShownByTheWatcherAndAnswerItsClick) {
    const StatusCase& row = GetParam();
    clicks().clear();
    std::optional<platform::testing::StatusWatcher> watcher;
    if (row.watcherFirst)
        watcher.emplace();
    const auto item = platform::StatusBar::systemStatusBar()->statusItemWithLength(-1);
    item->setTitle(String::fromUtf8("Pondaro"));
    int userData = 0;
    const auto target = std::make_shared<CUI_StatusBarButtonTarget>(
        row.withCallback ? [](const Ref<platform::Object>& sender, void* data,
                              const Ref<platform::Object>&
                                  button) { clicks().push_back({sender, data, button}); }
                         : CUI_StatusBarButtonTarget::Callback{},
        &userData);
    item->setTarget(target);
    item->setAction(CUI_StatusBarButtonTarget::actionSelector());
    if (!watcher)
        watcher.emplace();
    platform::testing::runEventsUntil(
        [&] { return watcher->items().size() == 1 && item->isRegistered(); });
    ASSERT_EQ(watcher->items().size(), 1u);
    const std::string name = watcher->items()[0];

    EXPECT_EQ(watcher->property(name, "Title"), "Pondaro");
    watcher->activate(name);
    ASSERT_EQ(clicks().size(), row.withCallback ? 1u : 0u);
    if (row.withCallback) {
        EXPECT_EQ(clicks()[0].sender, item);
        EXPECT_EQ(clicks()[0].userData, &userData);
        EXPECT_EQ(clicks()[0].button, item);
    }

    platform::StatusBar::systemStatusBar()->removeStatusItem(item);
    platform::testing::runEventsUntil([&] { return watcher->items().empty(); });
    EXPECT_TRUE(watcher->items().empty()) << "a removed item leaves the bus";
}
INSTANTIATE_TEST_SUITE_P(Rows, StatusItems, ::testing::ValuesIn(statusCases),
                         servicestest::rowName);

} // namespace

#include "runtime/services/CUI_SharingServiceDelegate.h"
#include "runtime/services/CUI_SharingServicePickerDelegate.h"

#include "ServicesTesting.h"

#include "runtime/shell/EventCodes.h"

#include "platform/foundation/Array.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/services/SharingService.h"
#include "platform/services/SharingServicePicker.h"
#include "platform/testing/DesktopServices.h"
#include "platform/testing/EventWait.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/UserActions.h"
#include "platform/windows/Window.h"

using namespace shelltest;
using platform::String;

namespace {

constexpr const char* kText = "Tom & Jerry: 3+4=7?";
constexpr const char* kLink = "https://pondaro.github.io/";

enum class Answer { None, Save, Cancel };

struct ShareCase : servicestest::Row {
    // The menu item the user clicks; one that is not offered dismisses the menu.
    const char* choice;
    // The dialog callback leaves only the copy service on offer.
    bool onlyCopy;
    Answer answer;
    const char* heard;
    // What reached the desktop: the clipboard, the mail's body or the saved file.
    const char* clipboard;
    const char* mail;
    const char* file;
};

const std::string both = std::string(kText) + "\n" + kLink;
const ShareCase shareCases[] = {
    {"CopyPutsTheItemsOnTheClipboard", "Copy", false, Answer::None, "5700 5701", both.c_str(), "",
     ""},
    {"EmailOpensTheMailProgramWithTheItems", "Email", false, Answer::None, "5700 5701", "",
     both.c_str(), ""},
    {"SaveWritesTheFileTheUserNames", "Save to File\u2026", false, Answer::Save, "5700 5701", "",
     "", both.c_str()},
    {"CancelledSaveWritesNothing", "Save to File\u2026", false, Answer::Cancel, "5700 5701", "", "",
     ""},
    {"CallbackNarrowsTheServicesOffered", "Email", true, Answer::None, "5700 5701", "", "", ""},
};

// The picker's events among those the save panel's window sends.
std::vector<std::int64_t> pickerEvents() {
    std::vector<std::int64_t> events;
    for (const std::int64_t event : heardEvents())
        if (event == SharingPickerEvent::ServicesForItems ||
            event == SharingPickerEvent::DidChooseService)
            events.push_back(event);
    return events;
}

std::string fileText(const fs::path& file) {
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class Sharing : public ShellTest, public ::testing::WithParamInterface<ShareCase> {};

TEST_P(Sharing, PickerSharesWithTheServiceChosen) {
    const ShareCase& row = GetParam();
    const servicestest::ScratchDirectory directory;
    const auto saved = directory.path() / "Documents" / "shared.txt";
    platform::testing::MailCatcher mail;
    platform::testing::setClipboardText("");
    const auto window = openWindow(70, {100, 100, 300, 200});
    const auto items = platform::Array::arrayWithObjects(
        {String::fromUtf8(kText), platform::URL::URLWithString(*String::fromUtf8(kLink))});
    const auto delegate = std::make_shared<CUI_SharingServicePickerDelegate>();
    const auto picker = std::make_shared<platform::SharingServicePicker>(items);
    picker->setDelegate(delegate);
    static bool onlyCopy;
    onlyCopy = row.onlyCopy;
    whileHeard() = [delegate] {
        if (heard().back().event != SharingPickerEvent::ServicesForItems &&
            heard().back().event != SharingPickerEvent::DidChooseService)
            return;
        EXPECT_EQ(heard().back().object, delegate->theSharingServicePicker());
        EXPECT_EQ(heard().back().tag + heard().back().wndTag, 0) << "a picker has no tags";
        if (heard().back().event == SharingPickerEvent::ServicesForItems && onlyCopy)
            delegate->setTheProposedServices(
                platform::Array::arrayWithObjects({platform::SharingService::sharingServiceNamed(
                    *platform::SharingServiceNameCopyToClipboard())}));
    };
    DialogCallbackSet(dialogCallback);
    ModalScript script;
    // The panel opens in the user's Documents folder.
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", directory.path().c_str(), 1);
    fs::create_directories(saved.parent_path());
    if (row.answer == Answer::Save)
        script.run().type("shared.txt").press(Key::Return);
    if (row.answer == Answer::Cancel)
        script.run().press(Key::Escape);

    picker->showRelativeToRectOfViewPreferredEdge({10, 10, 50, 20}, window->contentView(), 0);
    const bool chosen = platform::testing::UserActions::chooseInShownMenu({row.choice});
    platform::testing::runEventsUntil([] { return pickerEvents().size() == 2; });
    ::setenv("HOME", home.c_str(), 1);

    EXPECT_EQ(chosen, !row.onlyCopy);
    EXPECT_EQ(servicestest::runsOf(pickerEvents()), row.heard);
    EXPECT_EQ(delegate->theItems(), items);
    const auto service = delegate->theSharingService();
    EXPECT_EQ(service ? service->title()->utf8() : "", chosen ? row.choice : "");
    EXPECT_EQ(platform::testing::clipboardText(), row.clipboard);
    EXPECT_EQ(mail.mails().empty() ? "" : mail.mails()[0].body, row.mail);
    EXPECT_EQ(fs::exists(saved) ? fileText(saved) : "", row.file);
}
INSTANTIATE_TEST_SUITE_P(Rows, Sharing, ::testing::ValuesIn(shareCases), servicestest::rowName);

TEST_F(Sharing, ServiceDelegateKeepsWhatEachShareCarried) {
    const auto delegate = std::make_shared<CUI_SharingServiceDelegate>();
    const auto service =
        platform::SharingService::sharingServiceNamed(*platform::SharingServiceNameSaveToFile());
    service->setDelegate(delegate);
    const auto items = platform::Array::arrayWithObjects({String::fromUtf8(kText)});
    ModalScript script;
    script.run().press(Key::Escape);

    service->performWithItems(items);

    EXPECT_EQ(delegate->theSharingService(), service);
    EXPECT_EQ(delegate->theItems(), items);
    ASSERT_TRUE(delegate->theError());
    EXPECT_EQ(delegate->theError()->code(), 3072);
}

} // namespace

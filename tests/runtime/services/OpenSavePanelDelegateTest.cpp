#include "runtime/services/CUI_OpenSavePanelDelegate.h"

#include "ServicesTesting.h"

#include "platform/services/OpenPanel.h"
#include "platform/testing/ShownFilePanel.h"

#include <algorithm>

using namespace shelltest;

namespace {

class PanelDelegateTest : public ShellTest {
protected:
    template <class Panel>
    Ref<Panel> panel(std::int64_t tag) {
        auto made = std::make_shared<Panel>();
        made->setDelegate(delegate_);
        made->setDirectoryURL(servicestest::urlOf(files_.path()));
        Additions::setTag(*made, tag);
        return made;
    }
    // The events heard with these codes, in order.
    static std::vector<Heard> heardOf(std::initializer_list<std::int64_t> codes) {
        std::vector<Heard> kept;
        std::copy_if(heard().begin(), heard().end(), std::back_inserter(kept), [&](const Heard& h) {
            return std::find(codes.begin(), codes.end(), h.event) != codes.end();
        });
        return kept;
    }

    servicestest::ScratchDirectory files_;
    std::shared_ptr<CUI_OpenSavePanelDelegate> delegate_ =
        std::make_shared<CUI_OpenSavePanelDelegate>();
};

// The callback may disable an item in the panel's list; without it every item is enabled.
TEST_F(PanelDelegateTest, TheListShowsWhatTheCallbackEnables) {
    files_.write("a.txt");
    files_.write("b.txt");
    files_.write("sub/c.txt");
    const auto open = panel<platform::OpenPanel>(5);
    std::vector<std::string> listings;
    ModalScript script;
    for (int run = 0; run < 2; ++run)
        script.run()
            .perform([&] { listings.push_back(platform::testing::shownFilePanel()->listing()); })
            .press(Key::Escape);
    EXPECT_EQ(open->runModal(), platform::ModalResponse::Cancel);
    DialogCallbackSet(dialogCallback);
    whileHeard() = [] {
        if (heard().back().event == PanelEvent::ShouldEnableURL &&
            DialogEventUrlObj()->lastPathComponent()->utf8() == "b.txt")
            DialogEventSetBoolVal(false);
    };
    open->runModal();

    EXPECT_EQ(listings, (std::vector<std::string>{"sub a.txt b.txt", "sub a.txt [b.txt]"}));
    const auto asked = heardOf({PanelEvent::ShouldEnableURL});
    ASSERT_FALSE(asked.empty());
    EXPECT_TRUE(std::all_of(asked.begin(), asked.end(), [](const Heard& h) {
        return h.tag == 5 && h.wndTag == 5 && std::dynamic_pointer_cast<platform::URL>(h.object);
    }));
}

TEST_F(PanelDelegateTest, TheCallbackHearsTheUsersMovesAndSteersTheChoice) {
    files_.write("sub/keep.txt");
    const auto save = panel<platform::SavePanel>(9);
    DialogCallbackSet(dialogCallback);
    int validations = 0;
    std::string entered;
    whileHeard() = [&] {
        const auto& last = heard().back();
        if (last.event == PanelEvent::UserEnteredFilename) {
            entered = testsupport::utf8(DialogEventStringObj());
            DialogEventSetStringObj(platform::String::fromUtf8("renamed.txt"));
        }
        if (last.event == PanelEvent::ValidateURL)
            DialogEventSetBoolVal(++validations > 1);
    };
    ModalScript script;
    // Cancel is the eighth button, after six tool buttons and Save. Escape would only close the
    // name's completion list when the folder's names were already known and the list came up.
    script.run().type("sub").press(Key::Return).clickButton(7);
    // The first Return is refused by the validation, the second passes.
    script.run().type("typed.txt").press(Key::Return).press(Key::Return);

    EXPECT_EQ(save->runModal(), platform::ModalResponse::Cancel);
    EXPECT_EQ(save->runModal(), platform::ModalResponse::OK);

    const auto sub = files_.path() / "sub";
    EXPECT_TRUE(platform::isEqual(save->URL(), servicestest::urlOf(sub / "renamed.txt")));
    const auto events = heardOf({PanelEvent::DidChangeToDirectory, PanelEvent::UserEnteredFilename,
                                 PanelEvent::ValidateURL});
    std::vector<std::int64_t> codes;
    for (const auto& event : events)
        codes.push_back(event.event);
    EXPECT_EQ(codes, (std::vector<std::int64_t>{2903, 2901, 2906, 2901, 2906}));
    EXPECT_TRUE(platform::isEqual(events[0].object, servicestest::urlOf(sub)));
    EXPECT_EQ(std::static_pointer_cast<platform::String>(events[1].object)->utf8(), "typed.txt");
    EXPECT_EQ(entered, "typed.txt");
    EXPECT_TRUE(std::all_of(events.begin(), events.end(),
                            [](const Heard& h) { return h.tag == 9 && h.wndTag == 9; }));
}

} // namespace

#include "runtime/services/CUI_OpenSavePanelDelegate.h"

#include "ServicesTesting.h"

#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/EventCodes.h"

#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/services/OpenPanel.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/ShownFilePanel.h"

#include <algorithm>

using namespace shelltest;
using platform::Ref;
using platform::testing::Key;
using platform::testing::ModalScript;

namespace {

Ref<platform::URL> urlOf(const std::filesystem::path& path) {
    return platform::URL::fileURLWithPath(*platform::String::fromUtf8(path.string()));
}

class PanelDelegateTest : public ShellTest {
protected:
    template <class Panel>
    Ref<Panel> panel(std::int64_t tag) {
        auto made = std::make_shared<Panel>();
        made->setDelegate(delegate_);
        made->setDirectoryURL(urlOf(files_.path()));
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

struct EnableCase {
    const char* name;
    bool refuseB;
    const char* listing;
};
void PrintTo(const EnableCase& c, std::ostream* out) {
    *out << c.name;
}

class PanelEnabling : public PanelDelegateTest, public ::testing::WithParamInterface<EnableCase> {};

TEST_P(PanelEnabling, TheListShowsWhatTheCallbackEnables) {
    files_.write("a.txt");
    files_.write("b.txt");
    files_.write("sub/c.txt");
    const auto open = panel<platform::OpenPanel>(5);
    if (GetParam().refuseB) {
        DialogCallbackSet(dialogCallback);
        whileHeard() = [] {
            const auto& last = heard().back();
            if (last.event == PanelEvent::ShouldEnableURL &&
                DialogEventUrlObj()->lastPathComponent()->utf8() == "b.txt")
                DialogEventSetBoolVal(false);
        };
    }
    std::string listing;
    ModalScript script;
    script.run()
        .perform([&] { listing = platform::testing::shownFilePanel()->listing(); })
        .press(Key::Escape);

    EXPECT_EQ(open->runModal(), platform::ModalResponse::Cancel);

    EXPECT_EQ(listing, GetParam().listing);
    for (const auto& asked : heardOf({PanelEvent::ShouldEnableURL})) {
        EXPECT_EQ(asked.tag, 5);
        EXPECT_EQ(asked.wndTag, 5);
        EXPECT_NE(std::dynamic_pointer_cast<platform::URL>(asked.object), nullptr);
    }
}
INSTANTIATE_TEST_SUITE_P(
    Rows, PanelEnabling,
    ::testing::Values(EnableCase{"NoCallbackEnablesAll", false, "sub a.txt b.txt"},
                      EnableCase{"RefusedItemIsDisabled", true, "sub a.txt [b.txt]"}),
    [](const auto& r) { return std::string(r.param.name); });

TEST_F(PanelDelegateTest, TheCallbackHearsTheUsersMovesAndSteersTheChoice) {
    files_.write("sub/keep.txt");
    const auto save = panel<platform::SavePanel>(9);
    DialogCallbackSet(dialogCallback);
    int validations = 0;
    whileHeard() = [&] {
        const auto& last = heard().back();
        if (last.event == PanelEvent::UserEnteredFilename)
            DialogEventSetStringObj(platform::String::fromUtf8("renamed.txt"));
        if (last.event == PanelEvent::ValidateURL)
            DialogEventSetBoolVal(++validations > 1);
    };
    ModalScript script;
    script.run().type("sub").press(Key::Return).press(Key::Escape);
    // The first Return is refused by the validation, the second passes.
    script.run().type("typed.txt").press(Key::Return).press(Key::Return);

    EXPECT_EQ(save->runModal(), platform::ModalResponse::Cancel);
    EXPECT_EQ(save->runModal(), platform::ModalResponse::OK);

    const auto sub = files_.path() / "sub";
    EXPECT_TRUE(platform::isEqual(save->URL(), urlOf(sub / "renamed.txt")));
    const auto events = heardOf({PanelEvent::DidChangeToDirectory, PanelEvent::UserEnteredFilename,
                                 PanelEvent::ValidateURL});
    std::vector<std::int64_t> codes;
    for (const auto& event : events)
        codes.push_back(event.event);
    EXPECT_EQ(codes, (std::vector<std::int64_t>{2903, 2901, 2906, 2901, 2906}));
    EXPECT_TRUE(platform::isEqual(events[0].object, urlOf(sub)));
    EXPECT_EQ(std::static_pointer_cast<platform::String>(events[1].object)->utf8(), "typed.txt");
    EXPECT_TRUE(std::all_of(events.begin(), events.end(),
                            [](const Heard& h) { return h.tag == 9 && h.wndTag == 9; }));
}

} // namespace

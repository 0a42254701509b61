// The about box shows what the bundle tells of the program, one item to a line.

#include "platform/app/Application.h"
#include "platform/app/Bundle.h"
#include "platform/app/MainQueue.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/ShownAlert.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

TEST(AboutBox, ShowsTheNameThenTheVersionDescriptionAndLicence) {
    std::optional<platform::testing::ShownAlert> shown;
    platform::MainQueue::async([&] { shown = platform::testing::shownAlert(); });
    platform::testing::ModalScript script;
    script.run().clickButton(0);
    platform::Application::shared()->orderFrontStandardAboutPanel();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->messageText, "Pondaro");
    EXPECT_EQ(shown->informativeText, "Version 2.5.1\nA game for the tests\nMIT License");
    EXPECT_EQ(shown->buttonTitles, std::vector<std::string>{"OK"});
}

TEST(BundleResources, LieInTheShareFolderBesideTheExecutablesFolder) {
    const auto executable = std::filesystem::read_symlink("/proc/self/exe");
    const auto expected = executable.parent_path().parent_path() / "share" / "desktop_tests";
    EXPECT_EQ(platform::Bundle::main()->resourcePath()->utf8(), expected.string());
}

} // namespace

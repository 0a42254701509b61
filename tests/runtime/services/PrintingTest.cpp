#include "runtime/console/CUI_PrintToWindowView.h"
#include "runtime/services/CUI_PrintOperationDelegate.h"

#include "ServicesTesting.h"

#include "platform/app/Application.h"
#include "platform/services/PrintInfo.h"
#include "platform/services/PrintOperation.h"

#include <cstdio>

using namespace shelltest;

namespace {

// The text of a PDF file as pdftotext reads it, pages separated by form feeds.
std::string pdfText(const fs::path& pdf) {
    const std::string command = "pdftotext -layout '" + pdf.string() + "' - 2>&1";
    std::string text;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        while (const std::size_t read = std::fread(buffer, 1, sizeof buffer, pipe))
            text.append(buffer, read);
        ::pclose(pipe);
    }
    return text;
}

TEST_F(ShellTest, AConsolePrintedToAPdfFileReadsBackOnItsPages) {
    servicestest::ScratchDirectory files;
    const auto console = CUI_PrintToWindowView::viewWithFrame({0, 0, 400, 100});
    for (int line = 1; line <= 80; ++line)
        console->addString(platform::String::fromUtf8("Line " + std::to_string(line) +
                                                      ": Pondaro deals nine cards\n"));
    const auto info = std::make_shared<platform::PrintInfo>();
    const fs::path pdf = files.path() / "console.pdf";
    info->setJobSavingURL(servicestest::urlOf(pdf));
    const auto operation = platform::PrintOperation::printOperationWithViewPrintInfo(console, info);
    ASSERT_GT(operation->pageCount(), 1);
    const auto delegate = std::make_shared<CUI_PrintOperationDelegate>();
    DialogCallbackSet(dialogCallback);
    bool success = false;
    whileHeard() = [&] {
        success = DialogEventBoolVal();
        platform::Application::shared()->stopModal();
    };
    const auto window = std::make_shared<platform::Window>(platform::Rect{100, 100, 200, 100},
                                                           platform::WindowStyleMask::Titled);
    platform::testing::ModalScript script;
    script.run();

    operation->runOperationModalForWindowCompletionHandler(window, [&](bool done) {
        delegate->printOperationDidRunSuccessContextInfo(operation, done, nullptr);
    });
    platform::Application::shared()->runModalForWindow(window);
    window->close();

    ASSERT_EQ(heardText(), "dialog 5200 0/0\n");
    EXPECT_EQ(heard()[0].object, operation);
    EXPECT_TRUE(success);
    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("Line 1: Pondaro deals nine cards"), std::string::npos) << text;
    EXPECT_NE(text.find("Line 80: Pondaro deals nine cards"), std::string::npos) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), operation->pageCount());
}

TEST_F(ShellTest, APrintToAFileThatCannotBeWrittenFails) {
    const auto console = CUI_PrintToWindowView::viewWithFrame({0, 0, 400, 100});
    const auto info = std::make_shared<platform::PrintInfo>();
    info->setJobSavingURL(servicestest::urlOf("/nonexistent/dir/out.pdf"));
    const auto operation = platform::PrintOperation::printOperationWithViewPrintInfo(console, info);
    EXPECT_FALSE(operation->runOperation());
    // A delegate with a callback of its own tells the end there, not to the dialog callback.
    static int success = -1;
    const auto delegate = std::make_shared<CUI_PrintOperationDelegate>();
    delegate->setCallback(
        [](const Ref<platform::PrintOperation>&, bool done, void*) { success = done; });
    DialogCallbackSet(dialogCallback);
    delegate->printOperationDidRunSuccessContextInfo(operation, false, nullptr);
    EXPECT_EQ(success, 0);
    EXPECT_TRUE(heard().empty());
}

} // namespace

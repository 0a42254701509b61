// A log of cards drawn: each click of Draw prints the card in the console window, Edit > Undo
// (Control+Z) puts the last card back and Edit > Redo (Control+Shift+Z) draws it again. Save…
// writes the log to a file chosen in a save panel; Page… sets the paper and margins in a page
// setup sheet, and Print… prints the console on them to a PDF file chosen the same way. The card
// drawn fades in under the buttons; a card put back goes up in a puff. Resizing the log window
// prints its new size on the standard output. Closing the buttons window ends the program.

#include "runtime/console/CUI_PrintToWindowView.h"
#include "runtime/console/ConsoleOperations.h"
#include "runtime/core/RuntimeInit.h"
#include "runtime/elements/ElementOperations.h"
#include "runtime/services/CUI_AnimationEffectDelegate.h"
#include "runtime/services/CUI_CAAnimationDelegate.h"
#include "runtime/services/CUI_KeyValueObservingObserver.h"
#include "runtime/services/CUI_OpenSavePanelDelegate.h"
#include "runtime/services/CUI_PrintOperationDelegate.h"
#include "runtime/services/CUI_UndoManagerTarget.h"
#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_AppDelegate.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/CUI_PageLayoutDelegate.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/app/Application.h"
#include "platform/drawing/Color.h"
#include "platform/drawing/ParagraphStyle.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/KeyValueObservation.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/foundation/Value.h"
#include "platform/services/AnimationEffect.h"
#include "platform/services/LayerAnimation.h"
#include "platform/services/PageLayout.h"
#include "platform/services/PrintInfo.h"
#include "platform/services/PrintOperation.h"
#include "platform/services/SavePanel.h"
#include "platform/services/UndoManager.h"
#include "platform/views/TextField.h"
#include "platform/views/controls/Button.h"
#include "platform/windows/Menu.h"
#include "platform/windows/MenuItem.h"
#include "platform/windows/Window.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

using platform::Ref;
using platform::String;

namespace {

constexpr std::int64_t kConsoleWindow = 1;
constexpr std::int64_t kButtonsWindow = 2;
constexpr std::int64_t kDraw = 1;
constexpr std::int64_t kSave = 2;
constexpr std::int64_t kPrint = 3;
constexpr std::int64_t kPage = 4;
constexpr std::int64_t kSavePanel = 10;
constexpr std::int64_t kPrintPanel = 11;

const char* const cards[] = {"ace",   "two",  "three", "four", "five",  "six", "seven",
                             "eight", "nine", "ten",   "jack", "queen", "king"};

struct Game {
    std::int64_t drawn = 0;
    std::vector<std::string> log;
    Ref<platform::UndoManager> undo = std::make_shared<platform::UndoManager>();
    Ref<CUI_UndoManagerTarget> target = std::make_shared<CUI_UndoManagerTarget>();
    std::shared_ptr<CUI_OpenSavePanelDelegate> panels =
        std::make_shared<CUI_OpenSavePanelDelegate>();
    Ref<CUI_PrintOperationDelegate> printed = std::make_shared<CUI_PrintOperationDelegate>();
    Ref<CUI_PageLayoutDelegate> pageSetUp = std::make_shared<CUI_PageLayoutDelegate>();
    Ref<CUI_KeyValueObservingObserver> resized = std::make_shared<CUI_KeyValueObservingObserver>();
    Ref<platform::TextField> card;
    Ref<CUI_CAAnimationDelegate> fading = std::make_shared<CUI_CAAnimationDelegate>();
    Ref<CUI_AnimationEffectDelegate> puffed = std::make_shared<CUI_AnimationEffectDelegate>();
};

Game& game() {
    static Game shared;
    return shared;
}

// One line into the console window, the log and the standard output.
void report(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    game().log.push_back(line);
    CurrentOutputWindowTagSet(kConsoleWindow);
    ConsolePrint({String::fromUtf8(line)});
}

// The card drawn fades in where the last one was.
void showCard(const std::string& name) {
    const auto& card = game().card;
    card->setStringValue(String::fromUtf8(name));
    const auto fade = platform::LayerAnimation::animationWithKeyPath("opacity");
    fade->setFromValue(platform::Number::numberWithDouble(0));
    fade->setToValue(platform::Number::numberWithDouble(1));
    fade->setDuration(0.4);
    fade->setDelegate(game().fading);
    fade->addToView(card);
}

// The card put back goes up in a puff over its place, which is left empty.
void takeCardBack() {
    const auto& card = game().card;
    const platform::Rect frame = card->frame();
    const auto window = card->window();
    const platform::Point centre = window->convertPointToScreen(
        card->superview()->convertPointToView({frame.midX(), frame.midY()}, nullptr));
    card->setStringValue(String::create());
    platform::showAnimationEffect(platform::AnimationEffect::Poof, centre, {}, game().puffed,
                                  nullptr);
}

// Every change registers the count it replaces, so undoing it is one more change.
void setDrawn(std::int64_t count) {
    Game& g = game();
    g.undo->registerUndoWithTargetSelectorObject(g.target, CUI_UndoManagerTarget::undoSelector(),
                                                 platform::Number::numberWithInteger(g.drawn));
    if (count > g.drawn) {
        report("You draw the " + std::string(cards[(count - 1) % 13]) + ".");
        showCard(cards[(count - 1) % 13]);
    } else {
        report("The " + std::string(cards[count % 13]) + " goes back.");
        takeCardBack();
    }
    g.drawn = count;
    g.undo->setActionName(String::fromUtf8("Draw"));
}

Ref<platform::URL> chooseFile(std::int64_t tag, const char* name, const char* type) {
    const auto panel = platform::SavePanel::savePanel();
    Additions::setTag(*panel, tag);
    panel->setNameFieldStringValue(String::fromUtf8(name));
    panel->setAllowedFileTypes(platform::Array::arrayWithObjects({String::fromUtf8(type)}));
    panel->setDelegate(game().panels);
    return panel->runModal() == platform::ModalResponse::OK ? panel->URL() : nullptr;
}

void button(std::int64_t tag, std::int64_t, void*) {
    if (tag == kDraw) {
        setDrawn(game().drawn + 1);
    } else if (tag == kSave) {
        if (const auto url = chooseFile(kSavePanel, "cards.txt", "txt")) {
            std::ofstream file(url->path()->utf8());
            for (const auto& line : game().log)
                file << line << '\n';
            report("Saved to " + url->path()->utf8() + ".");
        }
    } else if (tag == kPrint) {
        if (const auto url = chooseFile(kPrintPanel, "cards.pdf", "pdf")) {
            const auto info = platform::PrintInfo::sharedPrintInfo()->copy();
            info->setJobSavingURL(url);
            const auto operation = platform::PrintOperation::printOperationWithViewPrintInfo(
                ConsoleViewOfWindow(WindowWithTag(kConsoleWindow)), info);
            operation->runOperationModalForWindowCompletionHandler(
                WindowWithTag(kButtonsWindow), [operation](bool success) {
                    game().printed->printOperationDidRunSuccessContextInfo(operation, success,
                                                                           nullptr);
                });
        }
    } else if (tag == kPage) {
        const auto layout = platform::PageLayout::pageLayout();
        layout->beginSheetWithPrintInfoModalForWindow(
            nullptr, WindowWithTag(kButtonsWindow), [layout](std::int64_t response) {
                game().pageSetUp->pageLayoutDidEndReturnCodeContextInfo(layout, response, nullptr);
            });
    }
}

void pageSetUp(const Ref<platform::Object>& layout, std::int64_t response, void*) {
    if (response != platform::ModalResponse::OK)
        return;
    const auto info = layout->as<platform::PageLayout>()->printInfo();
    report("Pages are now " +
           std::string(info->orientation() == platform::PaperOrientation::Landscape ? "landscape"
                                                                                    : "portrait") +
           ".");
}

// The panels' events and the end of printing reach the program here.
void dialog(std::int64_t event, std::int64_t tag, std::int64_t, const Ref<platform::Object>&) {
    if (event == PanelEvent::UserEnteredFilename)
        std::printf("panel %lld: name %s\n", static_cast<long long>(tag),
                    DialogEventStringObj()->utf8().c_str());
    else if (event == PrintEvent::OperationDidRun)
        report(DialogEventBoolVal() ? "Printed." : "Printing failed.");
    std::fflush(stdout);
}

void windowEvent(std::int64_t wndTag, std::int64_t event, void*) {
    if (wndTag == kButtonsWindow && event == WindowEvent::WillClose)
        platform::Application::shared()->stopModal();
}

void logWindowResized(const Ref<platform::Object>&, const Ref<String>&,
                      const Ref<platform::Dictionary>& change, void*) {
    const auto frame = change->objectForKey(String::fromUtf8("new"))->as<platform::Value>();
    std::printf("log window: %.0f x %.0f\n", frame->rectValue().size.width,
                frame->rectValue().size.height);
    std::fflush(stdout);
}

// The log window's content view tells of each change of its frame.
void watchLogWindow() {
    const auto view = WindowWithTag(kConsoleWindow)->contentView();
    const auto& observer = game().resized;
    observer->setObject(view);
    observer->setKeyPath(String::fromUtf8("frame"));
    observer->setObserverCallback(logWindowResized);
    view->addObserver(observer, "frame", platform::KeyValueObservingOptions::New, nullptr);
}

void addEditMenu() {
    // Launching builds the main menu the Edit menu joins.
    platform::Application::shared()->finishLaunching();
    const auto main = platform::Application::shared()->mainMenu();
    const auto edit = std::make_shared<platform::MenuItem>(String::fromUtf8("Edit"),
                                                           platform::Selector(), String::create());
    edit->setSubmenu(game().undo->editMenu());
    main->addItem(edit);
}

void openButtons() {
    WindowOpen(kButtonsWindow, String::fromUtf8("Cards"), kParamNotGiven, {420, 200, 395, 120});
    const std::pair<std::int64_t, const char*> buttons[] = {
        {kDraw, "Draw"}, {kSave, "Save\u2026"}, {kPage, "Page\u2026"}, {kPrint, "Print\u2026"}};
    double x = 10;
    for (const auto& [tag, title] : buttons) {
        const auto made =
            ElementCreate(kButtonsWindow, tag, ElementKind::PushButton, {x, 25, 90, 30})
                ->as<platform::Button>();
        made->setTitle(String::fromUtf8(title));
        Additions::setCuiControlCallback(*made, button);
        x += 95;
    }
    game().card = platform::TextField::labelWithString(String::create());
    game().card->setFrame({10, 75, 375, 30});
    game().card->setDrawsBackground(true);
    game().card->setBackgroundColor(platform::Color::whiteColor());
    game().card->setAlignment(platform::TextAlignment::Center);
    WindowWithTag(kButtonsWindow)->contentView()->addSubview(game().card);
}

} // namespace

int main() {
    AppEnsureDelegate();
    RuntimeInit();
    game().pageSetUp->setCallback(pageSetUp);
    game().fading->setCallback([](std::int64_t code, const Ref<platform::Object>&, void*) {
        if (code == CAAnimationDelegateEvent::DidStop && game().fading->finished())
            std::printf("card shown\n");
        std::fflush(stdout);
    });
    game().puffed->setCallback([](void*) {
        std::printf("card gone\n");
        std::fflush(stdout);
    });
    game().target->setCallback([](const Ref<platform::Object>& count) {
        setDrawn(count->as<platform::Number>()->integerValue());
    });
    WindowOpen(kConsoleWindow, String::fromUtf8("Card log"), kParamNotGiven, {20, 200, 380, 300});
    ConsoleViewOfWindow(WindowWithTag(kConsoleWindow));
    watchLogWindow();
    openButtons();
    addEditMenu();
    DialogCallbackSet(dialog);
    WindowCallbackSet(kButtonsWindow, windowEvent, nullptr);
    report("Draw cards; Control+Z puts one back.");
    platform::Application::shared()->runModalForWindow(WindowWithTag(kButtonsWindow));
    return 0;
}

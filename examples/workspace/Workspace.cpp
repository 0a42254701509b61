// A workspace window drawn in the designer (Workspace.ui): a splitter between a pane of tools
// and a text, loaded as a split view that reports each drag of its divider, and a console
// window that prints every event the program hears. The tools pane gets, in code, a stack of
// buttons (the "Hide Hint" button takes the Hint button out of the stack and puts it back, and
// the stack reports the views it detaches and reattaches) and a grid of labelled fields. The
// left pane collapses when the divider is dragged far enough to the left. Closing the window
// ends the program.
//
//     workspace [path/to/Workspace.ui]

#include "runtime/console/ConsoleOperations.h"
#include "runtime/core/RuntimeInit.h"
#include "runtime/elements/GridViewSC.h"
#include "runtime/elements/InterfaceLoading.h"
#include "runtime/elements/StackViewSC.h"
#include "runtime/elements/ViewWiring.h"
#include "runtime/shell/CUI_AppDelegate.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/ViewLookup.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/app/Application.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/String.h"
#include "platform/views/TextField.h"
#include "platform/views/controls/Button.h"
#include "platform/windows/Window.h"

#include <cstdio>
#include <string>

using platform::Rect;
using platform::Ref;
using platform::String;

namespace {

constexpr std::int64_t kConsoleWindow = 1;
constexpr std::int64_t kWorkspaceWindow = 2;
// The view tags of the file and of the views made here.
constexpr std::int64_t kSplit = 10;
constexpr std::int64_t kTools = 11;
constexpr std::int64_t kStack = 20;
constexpr std::int64_t kHint = 22;
constexpr std::int64_t kHideHint = 23;
constexpr std::int64_t kGrid = 30;
// The button that "Hide Hint" takes out of the stack and puts back.
Ref<platform::Button> hint;
// The narrowest the tools pane gets before it collapses.
constexpr float kToolsMinimum = 120;

void report(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    CurrentOutputWindowTagSet(kConsoleWindow);
    ConsolePrint({String::fromUtf8(line)});
}

void heard(std::int64_t event, std::int64_t tag, std::int64_t wndTag,
           const Ref<platform::Object>& object) {
    // Drawing and the dividers' looks come at every repaint and would bury the rest.
    if (event == ViewEvent::DrawRect || event == ViewEvent::ResetCursorRects ||
        event == WindowEvent::DidUpdate || event == SplitViewEvent::DividerColor ||
        event == SplitViewEvent::DividerThickness || event == SplitViewEvent::DrawDivider)
        return;
    std::string line = "event " + std::to_string(event) + " view " + std::to_string(tag) +
                       " window " + std::to_string(wndTag);
    if (tag == kSplit && event >= SplitViewEvent::ConstrainMaxCoordinate)
        line += " at " + std::to_string(DialogEventFloatVal());
    if (const auto views = object ? object->as<platform::Array>() : nullptr)
        line += " views " + std::to_string(views->count());
    report(line);
    // The tools pane keeps its minimum and may collapse past half of it.
    if (tag == kSplit && event == SplitViewEvent::ConstrainMinCoordinate)
        DialogEventSetFloatVal(kToolsMinimum);
    if (tag == kSplit && event == SplitViewEvent::CanCollapseSubview)
        DialogEventSetBoolVal(DialogEventLongVal() == 0);
    // A hidden hint is out of the window's views, where no lookup by tag finds it, so the
    // program keeps it.
    if (event == kControlActionEvent && tag == kHideHint)
        hint->setHidden(!hint->isHidden());
}

void windowEvent(std::int64_t wndTag, std::int64_t event, void*) {
    if (wndTag == kWorkspaceWindow && event == WindowEvent::WillClose)
        platform::Application::shared()->stopModal();
}

Ref<platform::Button> button(const char* title, std::int64_t tag) {
    auto made = std::make_shared<platform::Button>(Rect(0, 0, 110, 28));
    made->setTitle(String::fromUtf8(title));
    made->setTag(tag);
    return made;
}

Ref<platform::TextField> field(const char* text, bool label) {
    auto made = std::make_shared<platform::TextField>(Rect(0, 0, label ? 60 : 100, 24));
    made->setStringValue(String::fromUtf8(text));
    made->setEditable(!label);
    return made;
}

// The stack of buttons at the top of the tools pane and the grid of fields below it.
void fillTools() {
    const auto tools = ViewWithTag(kTools);
    if (!tools)
        return;
    const double width = tools->frame().width();
    const double height = tools->frame().height();
    auto stack = std::make_shared<StackViewSC>(Rect(0, height - 110, width, 110));
    stack->setTag(kStack);
    stack->setOrientation(platform::UserInterfaceLayoutOrientation::Vertical);
    stack->setAlignment(platform::LayoutAttribute::CenterX);
    stack->setAutoresizingMask(platform::AutoresizingMask::WidthSizable |
                               platform::AutoresizingMask::MinYMargin);
    stack->addViewInGravity(button("Deal", 21), platform::StackViewGravity::Top);
    hint = button("Hint", kHint);
    stack->addViewInGravity(hint, platform::StackViewGravity::Top);
    stack->addViewInGravity(button("Hide Hint", kHideHint), platform::StackViewGravity::Bottom);
    tools->addSubview(stack);
    auto grid = std::make_shared<GridViewSC>(Rect(8, height - 190, width - 16, 70));
    grid->setTag(kGrid);
    grid->setAutoresizingMask(platform::AutoresizingMask::MinYMargin);
    grid->addRowWithViews({field("Player", true), field("You", false)});
    grid->addRowWithViews({field("Score", true), field("0", false)});
    grid->columnAtIndex(0)->setXPlacement(platform::GridCellPlacement::Trailing);
    tools->addSubview(grid);
    WireViews(kWorkspaceWindow, tools);
}

} // namespace

int main(int argc, char** argv) {
    AppEnsureDelegate();
    RuntimeInit();
    WindowOpen(kConsoleWindow, String::fromUtf8("Events"), kParamNotGiven, {20, 420, 560, 260});
    ConsoleViewOfWindow(WindowWithTag(kConsoleWindow));
    DialogCallbackSet(heard);
    WindowLoad(kWorkspaceWindow, String::fromUtf8(argc > 1 ? argv[1] : WORKSPACE_UI));
    const auto window = WindowWithTag(kWorkspaceWindow);
    if (!window)
        return 1;
    fillTools();
    WindowCallbackSet(kWorkspaceWindow, windowEvent, nullptr);
    report("Drag the divider, press the buttons; closing the workspace ends the program.");
    platform::Application::shared()->runModalForWindow(window);
    return 0;
}

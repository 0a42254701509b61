// A window with two path bars for a directory (the one given, else the current one), a filter
// built in a predicate editor and a canvas that recognizes clicks, presses, pans, pinches and
// turns. Every event the program hears is printed: the path bars' clicks with the clicked
// directory, the filter with its predicate, the gestures with their state and measure. Pinches
// reach a callback of their own; the other gestures reach the dialog callback. Closing the
// window ends the program.

#include "runtime/core/RuntimeInit.h"
#include "runtime/elements/CUI_ClickGestureRecognizer.h"
#include "runtime/elements/CUI_GestureRecognizerTarget.h"
#include "runtime/elements/CUI_MagnificationGestureRecognizer.h"
#include "runtime/elements/CUI_PanGestureRecognizer.h"
#include "runtime/elements/CUI_PressGestureRecognizer.h"
#include "runtime/elements/CUI_RotationGestureRecognizer.h"
#include "runtime/elements/PathControlSC.h"
#include "runtime/elements/PredicateEditorSC.h"
#include "runtime/elements/ViewWiring.h"
#include "runtime/shell/CUI_AppDelegate.h"
#include "runtime/shell/CUI_ControlTarget.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/ViewLookup.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/app/Application.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/views/View.h"
#include "platform/windows/Window.h"

#include <cstdio>
#include <filesystem>
#include <string>

using platform::Ref;
using platform::String;

namespace {

constexpr std::int64_t kWindow = 1;
constexpr std::int64_t kPathBar = 10;
constexpr std::int64_t kPathPopUp = 11;
constexpr std::int64_t kFilter = 12;

void print(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// The gesture's state and, for the continuous ones, how far it has gone.
std::string gestureText(const platform::GestureRecognizer& gesture) {
    std::string text = "state " + std::to_string(static_cast<int>(gesture.state()));
    if (const auto pan = dynamic_cast<const platform::PanGestureRecognizer*>(&gesture))
        text += " moved " + std::to_string(pan->translationInView().x) + "," +
                std::to_string(pan->translationInView().y);
    if (const auto pinch = dynamic_cast<const platform::MagnificationGestureRecognizer*>(&gesture))
        text += " magnification " + std::to_string(pinch->magnification());
    if (const auto turn = dynamic_cast<const platform::RotationGestureRecognizer*>(&gesture))
        text += " degrees " + std::to_string(turn->rotationInDegrees());
    return text;
}

void heard(std::int64_t event, std::int64_t tag, std::int64_t wndTag,
           const Ref<platform::Object>& object) {
    // The update notice comes at every pass of the event loop and would bury the rest.
    if (event == WindowEvent::DidUpdate || event == ViewEvent::ResetCursorRects)
        return;
    std::string line = "event " + std::to_string(event) + " view " + std::to_string(tag) +
                       " window " + std::to_string(wndTag);
    const auto view = WindowWithTag(kWindow) ? ViewWithTag(tag) : nullptr;
    if (const auto path = view ? view->as<platform::PathControl>() : nullptr)
        if (const auto item = path->clickedPathItem())
            line += " clicked " + item->URL()->path()->utf8();
    if (const auto filter = view ? view->as<platform::PredicateEditor>() : nullptr)
        line += " predicate " + filter->predicateFormat()->utf8();
    if (const auto gesture = object ? object->as<platform::GestureRecognizer>() : nullptr)
        line += " " + gestureText(*gesture);
    print(line);
}

void windowEvent(std::int64_t, std::int64_t event, void*) {
    if (event == WindowEvent::WillClose)
        platform::Application::shared()->stopModal();
}

void pinched(const Ref<platform::GestureRecognizer>& gesture, std::int64_t tag, void*) {
    print("pinch callback view " + std::to_string(tag) + " " + gestureText(*gesture));
}

Ref<String> text(const char* utf8) {
    return String::fromUtf8(utf8);
}

// The canvas and its recognizers: pinches go to their own target's callback.
void addCanvas(const Ref<platform::View>& content) {
    const auto canvas = std::make_shared<platform::View>(platform::Rect{20, 20, 560, 150});
    canvas->setIdentifier(text("20"));
    content->addSubview(canvas);
    static const auto dialogTarget = std::make_shared<CUI_GestureRecognizerTarget>();
    static const auto pinchTarget = std::make_shared<CUI_GestureRecognizerTarget>(pinched);
    using T = CUI_GestureRecognizerTarget;
    std::make_shared<CUI_ClickGestureRecognizer>(
        dialogTarget, platform::Selector("clickAction:", &T::clickAction))
        ->addToView(canvas);
    std::make_shared<CUI_PressGestureRecognizer>(
        dialogTarget, platform::Selector("pressAction:", &T::pressAction))
        ->addToView(canvas);
    std::make_shared<CUI_PanGestureRecognizer>(dialogTarget,
                                               platform::Selector("panAction:", &T::panAction))
        ->addToView(canvas);
    std::make_shared<CUI_RotationGestureRecognizer>(
        dialogTarget, platform::Selector("rotationAction:", &T::rotationAction))
        ->addToView(canvas);
    std::make_shared<CUI_MagnificationGestureRecognizer>(
        pinchTarget, platform::Selector("magnificationAction:", &T::magnificationAction))
        ->addToView(canvas);
}

} // namespace

int main(int argc, char** argv) {
    AppEnsureDelegate();
    RuntimeInit();
    WindowOpen(kWindow, text("Path bar"), kParamNotGiven, {200, 200, 600, 400});
    const auto content = WindowWithTag(kWindow)->contentView();
    const std::string directory = argc > 1 ? argv[1] : std::filesystem::current_path().string();
    const auto url = platform::URL::fileURLWithPath(*text(directory.c_str()));
    const auto bar = std::make_shared<PathControlSC>(platform::Rect{20, 350, 560, 30});
    bar->setTag(kPathBar);
    bar->setURL(url);
    const auto popUp = std::make_shared<PathControlSC>(platform::Rect{20, 310, 300, 30});
    popUp->setTag(kPathPopUp);
    popUp->setPathStyle(platform::PathStyle::PopUp);
    popUp->setURL(url);
    const auto filter = std::make_shared<PredicateEditorSC>(platform::Rect{20, 180, 560, 120});
    filter->setTag(kFilter);
    filter->setLeftKeyPaths({text("name"), text("size"), text("kind")});
    filter->insertRowAtIndex(0);
    for (const auto& view : std::initializer_list<Ref<platform::View>>{bar, popUp, filter})
        content->addSubview(view);
    addCanvas(content);
    // The path bars take the shared target and delegate; the filter the shared target.
    WireViews(kWindow, content);
    filter->setTarget(CUI_ControlTarget::shared());
    filter->setAction(CUI_ControlTarget::actionSelector(0));
    DialogCallbackSet(heard);
    WindowCallbackSet(kWindow, windowEvent, nullptr);
    print("Click the path bars, edit the filter, click, drag, pinch or turn on the canvas.");
    platform::Application::shared()->runModalForWindow(WindowWithTag(kWindow));
    return 0;
}

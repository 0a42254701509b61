#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

class ApplicationDelegate;
class Event;
class Menu;
class Window;

// Responses of modal runs with the framework's values.
namespace ModalResponse {
inline constexpr std::int64_t Cancel = 0;
inline constexpr std::int64_t OK = 1;
inline constexpr std::int64_t Stop = -1000;
inline constexpr std::int64_t Abort = -1001;
inline constexpr std::int64_t Continue = -1002;
inline constexpr std::int64_t FirstButtonReturn = 1000;
} // namespace ModalResponse

// The one application object. Programs never run a main loop: events are processed only
// inside modal runs, which the application and alerts start.
class Application : public Object {
public:
    // The shared instance; the first call starts the toolkit.
    static Ref<Application> shared();
    ~Application() override;

    std::shared_ptr<ApplicationDelegate> delegate() const { return delegate_; }
    void setDelegate(std::shared_ptr<ApplicationDelegate> delegate);

    // Every window that exists and is not closed, front to back; windows that are not on screen
    // come last.
    std::vector<Ref<Window>> windows() const;
    // The windows on screen, front to back.
    std::vector<Ref<Window>> orderedWindows() const;
    Ref<Window> keyWindow() const;
    Ref<Window> mainWindow() const;
    Ref<Window> modalWindow() const;
    Ref<Event> currentEvent() const { return currentEvent_; }

    // Tells the delegate that launching finishes; done once, before the first modal run.
    void finishLaunching();
    bool isLaunched() const { return launched_; }

    // Shows the window as key and processes events in the modal-panel mode until the run is
    // stopped; returns the stop code. The run blocks mouse clicks on the other windows but not
    // their menu bars, and keys typed to them go to the field of the run that waits for text.
    std::int64_t runModalForWindow(const Ref<Window>& window);
    // Ends the innermost modal run once the event being handled returns. Nothing happens when
    // no modal run is active.
    void stopModal();
    void stopModalWithCode(std::int64_t code);
    void abortModal();

    // Asks the delegate whether to quit; when it agrees, tells it the application will
    // terminate and ends the process with status 0. The only place the platform ends the process.
    void terminate(const Ref<Object>& sender = nullptr);
    // The delegate's late answer after it replied TerminateReply::Later.
    void replyToApplicationShouldTerminate(bool shouldTerminate);

    // The menu whose key equivalents work in every window, also during modal runs; none at first.
    Ref<Menu> mainMenu() const { return mainMenu_; }
    // Titled windows show the main menu in a menu bar above their content.
    void setMainMenu(const Ref<Menu>& menu);
    // Shows the application's name ("CFBundleName") in a modal about box with an "OK" button,
    // and below it, one to a line, those of its version ("CFBundleShortVersionString"), its
    // one-line description ("ApplicationDescription") and its licence
    // ("NSHumanReadableCopyright") that the bundle gives.
    void orderFrontStandardAboutPanel(const Ref<Object>& sender = nullptr);

    // Used by the platform itself as windows come and go and events are delivered.
    void registerWindow(Window* window);
    void unregisterWindow(Window* window);
    void windowOrderedIn(const Ref<Window>& window);
    void windowOrderedOut(const Ref<Window>& window);
    void windowClosed(const Ref<Window>& window);
    void windowBecameKey(const Ref<Window>& window);
    void setCurrentEvent(Ref<Event> event) { currentEvent_ = std::move(event); }
    // Shows the main menu anew in every menu bar, after it or one of its items changed.
    void mainMenuDidChange();
    // A pass of the event loop begins or ends. While a run is active, the delegate hears that
    // the application will update when a pass begins, and when it ends, each window on screen
    // tells its delegate that it updated and then the application that it did update.
    void eventLoopPassBegan();
    void eventLoopPassEnded();

private:
    Application();

    template <class Method, class... Args>
    void tellDelegate(Method method, Args&&... args);

    std::shared_ptr<ApplicationDelegate> delegate_;
    std::vector<Window*> windows_;
    // The windows on screen, front to back. Holding them keeps a shown window alive until it
    // is closed, even when its creator let go of it.
    std::vector<Ref<Window>> onScreen_;
    WeakRef<Window> keyWindow_;
    WeakRef<Window> mainWindow_;
    std::vector<WeakRef<Window>> modalWindows_;
    Ref<Event> currentEvent_;
    Ref<Menu> mainMenu_;
    bool launched_ = false;
    int terminateReply_ = -1;
    bool passActive_ = false;
    bool updating_ = false;
};

} // namespace platform

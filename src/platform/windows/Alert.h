#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace platform {

class AlertDelegate;
class Error;
class String;
class Window;
namespace detail {
class ModalRun;
}

// The look of an alert; each style shows its own icon.
enum class AlertStyle : std::int64_t { Warning = 0, Informational = 1, Critical = 2 };

// The responses of an alert's first three buttons; the fourth answers 1003 and so on.
inline constexpr std::int64_t AlertFirstButtonReturn = 1000;
inline constexpr std::int64_t AlertSecondButtonReturn = 1001;
inline constexpr std::int64_t AlertThirdButtonReturn = 1002;

// One button of an alert, or its suppression check box. The alert reads these values each time
// it is shown.
class AlertButton : public Object {
public:
    AlertButton(Ref<String> title, std::int64_t tag);

    Ref<String> title() const { return title_; }
    void setTitle(Ref<String> title) { title_ = std::move(title); }
    // The character that answers the button from the keyboard: "\r" for Return, "\x1b" for
    // Escape, or any other single character; empty for none.
    Ref<String> keyEquivalent() const { return keyEquivalent_; }
    void setKeyEquivalent(Ref<String> keyEquivalent) { keyEquivalent_ = std::move(keyEquivalent); }
    // The response the alert gives when this button ends it.
    std::int64_t tag() const { return tag_; }
    // The check box state: 0 off, 1 on.
    std::int64_t state() const { return state_; }
    void setState(std::int64_t state) { state_ = state; }

private:
    Ref<String> title_;
    Ref<String> keyEquivalent_;
    std::int64_t tag_;
    std::int64_t state_ = 0;
};

// A dialog with an icon, a message, an informative text, an optional suppression check box and
// a row of buttons. It has no close button: only its buttons end it. Shown either as a modal
// dialog (runModal) or over a window, ending later (a sheet).
class Alert : public Object {
public:
    Alert();
    ~Alert() override;

    // An alert that reports the error: its message is the error's localized description, its
    // informative text the recovery suggestion (empty without one), and its buttons the
    // recovery options, or a single "OK" when the error offers none. Warning style.
    static Ref<Alert> alertWithError(const Ref<Error>& error);

    Ref<String> messageText() const { return messageText_; }
    void setMessageText(Ref<String> text) { messageText_ = std::move(text); }
    Ref<String> informativeText() const { return informativeText_; }
    void setInformativeText(Ref<String> text) { informativeText_ = std::move(text); }
    AlertStyle alertStyle() const { return style_; }
    void setAlertStyle(AlertStyle style) { style_ = style; }

    // Adds a button after the others; the first answers AlertFirstButtonReturn and has Return
    // as its key equivalent, each later one answers one more. An alert shown without buttons
    // gets a single "OK".
    Ref<AlertButton> addButtonWithTitle(Ref<String> title);
    const std::vector<Ref<AlertButton>>& buttons() const { return buttons_; }

    // A help button at the left of the button row, which asks the delegate to give help; it
    // never ends the alert.
    bool showsHelp() const { return showsHelp_; }
    void setShowsHelp(bool shows) { showsHelp_ = shows; }
    std::shared_ptr<AlertDelegate> delegate() const { return delegate_.lock(); }
    // Not owned, as delegates are not.
    void setDelegate(const std::shared_ptr<AlertDelegate>& delegate) { delegate_ = delegate; }

    bool showsSuppressionButton() const { return showsSuppressionButton_; }
    void setShowsSuppressionButton(bool shows) { showsSuppressionButton_ = shows; }
    // The check box under the informative text; its state is what the user left it at.
    Ref<AlertButton> suppressionButton() const { return suppressionButton_; }

    // Shows the alert as an application-modal dialog and processes events until a button ends
    // it; returns that button's response (or the code of Application::stopModalWithCode).
    std::int64_t runModal();

    // Shows the alert over the window, blocking input to that window only, and returns at once.
    // When a button ends it, the handler gets the response from the event loop. Without a window
    // the alert blocks the whole application but still ends later. Does nothing while the
    // alert's sheet is already up. The window's delegate hears windowWillBeginSheet when the
    // sheet goes up and windowDidEndSheet when it has gone, before the handler runs.
    void beginSheetModalForWindowCompletionHandler(const Ref<Window>& window,
                                                   std::function<void(std::int64_t)> handler);
    // The window the alert's sheet is up on, or none (also while no sheet is up or the sheet
    // blocks the whole application for want of a window).
    Ref<Window> sheetParent() const;

    // Closes the alert's window, as a program does to dismiss an alert without an answer. A
    // sheet that is up goes away and its completion handler never runs; a modal run of the
    // alert ends with ModalResponse::Abort; an alert not on screen is left as it is.
    void closeWindow();

private:
    struct Sheet;

    Ref<String> messageText_;
    Ref<String> informativeText_;
    AlertStyle style_ = AlertStyle::Warning;
    std::vector<Ref<AlertButton>> buttons_;
    bool showsSuppressionButton_ = false;
    bool showsHelp_ = false;
    std::weak_ptr<AlertDelegate> delegate_;
    Ref<AlertButton> suppressionButton_;
    // The modal run showing the alert, while runModal is in progress.
    detail::ModalRun* modalRun_ = nullptr;
    // The sheet on screen, if any. While it is up the alert keeps itself alive.
    std::unique_ptr<Sheet> sheet_;
};

} // namespace platform

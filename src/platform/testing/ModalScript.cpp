#include "platform/testing/ModalScript.h"

#include "platform/app/Application.h"
#include "platform/detail/ModalRun.h"
#include "platform/detail/ViewPeer.h"
#include "platform/detail/WindowPeer.h"
#include "platform/testing/ToolkitInput.h"
#include "platform/views/View.h"
#include "platform/windows/Window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QKeyEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <vector>

namespace platform::testing {

namespace {

using detail::ModalRun;
using Step = std::function<void(ModalRun&)>;

// How long a modal run may go on after its last scripted step, or with no script at all.
constexpr int RunLimitMilliseconds = 5000;

ModalRun* findRun(std::uint64_t id) {
    for (ModalRun* run = ModalRun::innermost(); run; run = run->outer())
        if (run->id() == id)
            return run;
    return nullptr;
}

void abortLater(std::uint64_t id, const char* why) {
    QTimer::singleShot(RunLimitMilliseconds, qApp, [id, why] {
        if (ModalRun* run = findRun(id); run && !run->isStopped()) {
            ADD_FAILURE() << why;
            run->stop(ModalResponse::Abort);
        }
    });
}

// The dialog shown as a sheet over the window, or none.
QDialog* sheetOver(QWidget* window) {
    if (!window)
        return nullptr;
    for (auto* dialog : window->findChildren<QDialog*>(Qt::FindDirectChildrenOnly))
        if (dialog->isVisible() && dialog->windowModality() == Qt::WindowModal)
            return dialog;
    return nullptr;
}

// Where keys go: an open menu, which holds the keyboard while it shows, else the run's focused
// widget, the focused view of the sheet over the run's window, or the focused view of the window
// they are typed to.
struct KeyTarget {
    bool toOtherWindow = false;
    bool toSheet = false;
    std::weak_ptr<Window> window;

    QWidget* widget(ModalRun& run) const {
        if (QWidget* popup = QApplication::activePopupWidget())
            return popup;
        if (toSheet) {
            QDialog* sheet = sheetOver(run.widget());
            return sheet && sheet->focusWidget() ? sheet->focusWidget() : sheet;
        }
        if (toOtherWindow) {
            const auto other = window.lock();
            if (!other)
                return nullptr;
            QWidget* widget = other->peer().widget;
            if (widget->focusWidget())
                return widget->focusWidget();
            return other->contentView() ? other->contentView()->peer().widget.data() : widget;
        }
        QWidget* own = run.widget();
        if (!own)
            return nullptr;
        QWidget* focus = QApplication::focusWidget();
        if (focus && focus->window() == own)
            return focus;
        return own->focusWidget() ? own->focusWidget() : own;
    }
};

void sendKey(ModalRun& run, const KeyTarget& to, int key, Qt::KeyboardModifiers modifiers,
             const QString& text) {
    QPointer<QWidget> target = to.widget(run);
    if (!target)
        return;
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    if (!target)
        return;
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

void typeCharacter(ModalRun& run, const KeyTarget& to, char32_t character, bool control) {
    int key = static_cast<int>(character);
    Qt::KeyboardModifiers modifiers = control ? Qt::ControlModifier : Qt::NoModifier;
    if (character >= U'a' && character <= U'z') {
        key = Qt::Key_A + static_cast<int>(character - U'a');
    } else if (character >= U'A' && character <= U'Z') {
        key = Qt::Key_A + static_cast<int>(character - U'A');
        modifiers |= Qt::ShiftModifier;
    }
    QString text = QString::fromUcs4(&character, 1);
    if (control && key >= Qt::Key_A && key <= Qt::Key_Z)
        text = QString(QChar(key - Qt::Key_A + 1));
    sendKey(run, to, key, modifiers, text);
}

void pressKey(ModalRun& run, const KeyTarget& to, Key key) {
    struct Row {
        Key key;
        int toolkitKey;
        const char* text;
    };
    static constexpr Row rows[] = {
        {Key::Return, Qt::Key_Return, "\r"},   {Key::Escape, Qt::Key_Escape, "\x1b"},
        {Key::Tab, Qt::Key_Tab, "\t"},         {Key::Backspace, Qt::Key_Backspace, "\b"},
        {Key::Delete, Qt::Key_Delete, "\x7f"}, {Key::Up, Qt::Key_Up, ""},
        {Key::Down, Qt::Key_Down, ""},         {Key::Left, Qt::Key_Left, ""},
        {Key::Right, Qt::Key_Right, ""},       {Key::Space, Qt::Key_Space, " "},
        {Key::F10, Qt::Key_F10, ""},
    };
    const auto row = std::find_if(std::begin(rows), std::end(rows),
                                  [key](const Row& r) { return r.key == key; });
    sendKey(run, to, row->toolkitKey, Qt::NoModifier, QString::fromLatin1(row->text));
}

void click(ModalRun& run, int index) {
    QWidget* window = run.widget();
    QList<QAbstractButton*> buttons;
    if (window)
        buttons = window->findChildren<QAbstractButton*>();
    // Alerts number their buttons; other windows count them in the order they were made.
    std::stable_sort(buttons.begin(), buttons.end(), [](QAbstractButton* a, QAbstractButton* b) {
        return a->property("platformButtonIndex").toInt() <
               b->property("platformButtonIndex").toInt();
    });
    if (index < 0 || index >= buttons.size()) {
        ADD_FAILURE() << "the modal run has no button " << index << " (it has " << buttons.size()
                      << ")";
        run.stop(ModalResponse::Abort);
        return;
    }
    clickWidget(*buttons[index]);
}

void playNext(std::shared_ptr<std::deque<Step>> steps, std::uint64_t id) {
    QTimer::singleShot(0, qApp, [steps, id] {
        ModalRun* run = findRun(id);
        if (!run || run->isStopped()) {
            if (!steps->empty())
                ADD_FAILURE() << "the modal run ended with " << steps->size()
                              << " scripted steps still to play";
            return;
        }
        if (steps->empty()) {
            abortLater(id, "the modal run did not end after its scripted input");
            return;
        }
        // A run started by a step (an about box chosen from the menu) goes first.
        if (run != ModalRun::innermost()) {
            QTimer::singleShot(1, qApp, [steps, id] { playNext(steps, id); });
            return;
        }
        const Step step = steps->front();
        steps->pop_front();
        step(*run);
        playNext(steps, id);
    });
}

} // namespace

struct ModalScript::State {
    std::deque<std::deque<Step>> runs;
    ModalScript* owner = nullptr;
    std::function<void(ModalScript&)> player;
    // Where the key steps being scripted go.
    KeyTarget keys;
};

namespace {

std::weak_ptr<ModalScript::State> activeScript;

void onRunStart(ModalRun& run) {
    const auto script = activeScript.lock();
    if (script && script->runs.empty() && script->player) {
        script->player(*script->owner);
    }
    if (!script || script->runs.empty()) {
        abortLater(run.id(), "a modal run started that no script drives");
        return;
    }
    auto steps = std::make_shared<std::deque<Step>>(std::move(script->runs.front()));
    script->runs.pop_front();
    playNext(steps, run.id());
}

} // namespace

void installModalWatchdog() {
    ModalRun::setStartObserver(onRunStart);
}

ModalScript::ModalScript() : state_(std::make_shared<State>()) {
    state_->owner = this;
    installModalWatchdog();
    activeScript = state_;
}

ModalScript::~ModalScript() {
    if (!state_->runs.empty())
        ADD_FAILURE() << state_->runs.size() << " scripted modal runs never came";
}

ModalScript& ModalScript::run() {
    state_->runs.emplace_back();
    state_->keys = {};
    return *this;
}

ModalScript& ModalScript::type(std::string_view utf8) {
    if (state_->runs.empty())
        run();
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    for (const char32_t character : text.toUcs4())
        state_->runs.back().push_back([character, to = state_->keys](ModalRun& r) {
            typeCharacter(r, to, character, false);
        });
    return *this;
}

ModalScript& ModalScript::press(Key key) {
    if (state_->runs.empty())
        run();
    state_->runs.back().push_back([key, to = state_->keys](ModalRun& r) { pressKey(r, to, key); });
    return *this;
}

ModalScript& ModalScript::pressCharacter(char32_t character, bool control) {
    if (state_->runs.empty())
        run();
    state_->runs.back().push_back([character, control, to = state_->keys](ModalRun& r) {
        typeCharacter(r, to, character, control);
    });
    return *this;
}

ModalScript& ModalScript::paste(std::string_view utf8) {
    if (state_->runs.empty())
        run();
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    state_->runs.back().push_back([text, to = state_->keys](ModalRun& r) {
        QGuiApplication::clipboard()->setText(text);
        typeCharacter(r, to, U'v', true);
    });
    return *this;
}

ModalScript& ModalScript::toWindow(const Ref<Window>& window) {
    if (state_->runs.empty())
        run();
    state_->keys = {true, false, window};
    return *this;
}

ModalScript& ModalScript::toSheet() {
    if (state_->runs.empty())
        run();
    state_->keys.toSheet = true;
    return *this;
}

ModalScript& ModalScript::perform(std::function<void()> action) {
    if (state_->runs.empty())
        run();
    state_->runs.back().push_back([action = std::move(action)](ModalRun&) { action(); });
    return *this;
}

ModalScript& ModalScript::clickButton(int index) {
    if (state_->runs.empty())
        run();
    state_->runs.back().push_back([index](ModalRun& r) { click(r, index); });
    return *this;
}

ModalScript& ModalScript::everyRun(std::function<void(ModalScript&)> player) {
    state_->player = std::move(player);
    return *this;
}

int ModalScript::pendingRuns() const {
    return static_cast<int>(state_->runs.size());
}

} // namespace platform::testing

#include "platform/services/UndoManager.h"

#include "platform/app/MainQueue.h"
#include "platform/detail/QtStrings.h"
#include "platform/foundation/String.h"
#include "platform/windows/Menu.h"
#include "platform/windows/MenuItem.h"

#include <QUndoCommand>
#include <QUndoStack>
#include <QVarLengthArray>

#include <vector>

namespace platform {

namespace {

struct Registration {
    WeakRef<Object> target;
    Selector selector;
    Ref<Object> object;
};
// Most steps hold a single registration, kept inside the step.
using Registrations = QVarLengthArray<Registration, 1>;

enum class Replay { None, Undoing, Redoing };

} // namespace

struct UndoManager::Private {
    // One step on the stack: what undoes it and, once undone, what redoes it.
    class Step : public QUndoCommand {
    public:
        explicit Step(Private& owner) : owner_(owner) {}
        void undo() override { owner_.replay(*this, undo_, redo_, Replay::Undoing); }
        // The stack redoes a step as it is pushed; the change it records is already made.
        void redo() override {
            if (pushed_)
                owner_.replay(*this, redo_, undo_, Replay::Redoing);
            pushed_ = true;
        }
        Registrations& undoRegistrations() { return undo_; }

    private:
        Private& owner_;
        Registrations undo_;
        Registrations redo_;
        bool pushed_ = false;
    };

    // Sends the registrations, last first; what they register meanwhile goes to the other list.
    void replay(Step& step, Registrations& send, Registrations& collect, Replay mode) {
        const Registrations sending = std::move(send);
        send.clear();
        collect.clear();
        Registrations* outer = collecting;
        const Replay outerMode = replaying;
        Step* outerStep = replayed;
        collecting = &collect;
        replaying = mode;
        replayed = &step;
        for (auto registration = sending.crbegin(); registration != sending.crend(); ++registration)
            if (const auto target = registration->target.lock())
                registration->selector.performOn(*target, registration->object);
        collecting = outer;
        replaying = outerMode;
        replayed = outerStep;
    }

    void push() {
        std::unique_ptr<Step> step = std::move(open);
        if (step && !step->undoRegistrations().isEmpty())
            stack.push(step.release());
    }

    Step* lastStep() const {
        const QUndoCommand* command = stack.command(stack.index() - 1);
        return const_cast<Step*>(static_cast<const Step*>(command));
    }

    QUndoStack stack;
    std::unique_ptr<Step> open;
    std::int64_t level = 0;
    // The group the event loop opened, closed at the next pass.
    bool eventGroupOpen = false;
    bool groupsByEvent = true;
    Registrations* collecting = nullptr;
    Replay replaying = Replay::None;
    // The step being undone or redone; an action name given meanwhile is its name.
    Step* replayed = nullptr;
};

UndoManager::UndoManager() : d_(std::make_unique<Private>()) {}
UndoManager::~UndoManager() = default;

void UndoManager::registerUndoWithTargetSelectorObject(const Ref<Object>& target, Selector selector,
                                                       Ref<Object> object) {
    Registration registration{target, std::move(selector), std::move(object)};
    if (d_->collecting) {
        d_->collecting->push_back(std::move(registration));
        return;
    }
    if (d_->level == 0 && d_->groupsByEvent) {
        beginUndoGrouping();
        d_->eventGroupOpen = true;
        MainQueue::async([weak = weak_from_this()] {
            if (const auto self = weak.lock()) {
                auto& manager = static_cast<UndoManager&>(*self);
                if (manager.d_->eventGroupOpen) {
                    manager.d_->eventGroupOpen = false;
                    manager.endUndoGrouping();
                }
            }
        });
    }
    if (d_->level == 0) {
        d_->open = std::make_unique<Private::Step>(*d_);
        d_->open->undoRegistrations().push_back(std::move(registration));
        d_->push();
        return;
    }
    d_->open->undoRegistrations().push_back(std::move(registration));
}

void UndoManager::beginUndoGrouping() {
    if (d_->level++ == 0)
        d_->open = std::make_unique<Private::Step>(*d_);
}

void UndoManager::endUndoGrouping() {
    if (d_->level == 0)
        return;
    if (--d_->level == 0)
        d_->push();
}

std::int64_t UndoManager::groupingLevel() const {
    return d_->level;
}
bool UndoManager::groupsByEvent() const {
    return d_->groupsByEvent;
}
void UndoManager::setGroupsByEvent(bool groups) {
    d_->groupsByEvent = groups;
}
std::int64_t UndoManager::levelsOfUndo() const {
    return d_->stack.undoLimit();
}
void UndoManager::setLevelsOfUndo(std::int64_t levels) {
    if (d_->stack.count() == 0)
        d_->stack.setUndoLimit(static_cast<int>(levels));
}

bool UndoManager::canUndo() const {
    return d_->stack.canUndo() || (d_->open && !d_->open->undoRegistrations().isEmpty());
}
bool UndoManager::canRedo() const {
    return d_->stack.canRedo();
}
bool UndoManager::isUndoing() const {
    return d_->replaying == Replay::Undoing;
}
bool UndoManager::isRedoing() const {
    return d_->replaying == Replay::Redoing;
}

void UndoManager::undo() {
    if (d_->eventGroupOpen) {
        d_->eventGroupOpen = false;
        endUndoGrouping();
    }
    if (d_->level == 0)
        d_->stack.undo();
}

void UndoManager::redo() {
    if (d_->eventGroupOpen) {
        d_->eventGroupOpen = false;
        endUndoGrouping();
    }
    if (d_->level == 0)
        d_->stack.redo();
}

void UndoManager::removeAllActions() {
    d_->stack.clear();
    d_->open.reset();
    d_->level = 0;
    d_->eventGroupOpen = false;
}

void UndoManager::setActionName(const Ref<String>& name) {
    if (d_->replayed)
        d_->replayed->setText(detail::toQString(name));
    else if (d_->open)
        d_->open->setText(detail::toQString(name));
    else if (d_->stack.canUndo())
        d_->lastStep()->setText(detail::toQString(name));
}

Ref<String> UndoManager::undoActionName() const {
    return detail::fromQString(d_->open ? d_->open->text() : d_->stack.undoText());
}
Ref<String> UndoManager::redoActionName() const {
    return detail::fromQString(d_->stack.redoText());
}

namespace {
Ref<String> menuTitle(const char* verb, const Ref<String>& name) {
    return name->isEmpty() ? String::fromUtf8(verb)
                           : String::fromUtf8(std::string(verb) + " " + name->utf8());
}
} // namespace

Ref<String> UndoManager::undoMenuItemTitle() const {
    return menuTitle("Undo", undoActionName());
}
Ref<String> UndoManager::redoMenuItemTitle() const {
    return menuTitle("Redo", redoActionName());
}

void UndoManager::undoAction(const Ref<Object>&) {
    undo();
}
void UndoManager::redoAction(const Ref<Object>&) {
    redo();
}

Ref<Menu> UndoManager::editMenu() {
    auto menu = std::make_shared<Menu>(String::fromUtf8("Edit"));
    const std::pair<Selector, const char*> items[] = {
        {Selector("undo:", &UndoManager::undoAction), "z"},
        {Selector("redo:", &UndoManager::redoAction), "Z"},
    };
    for (const auto& [action, key] : items) {
        auto item = std::make_shared<MenuItem>(String::create(), action, String::fromUtf8(key));
        item->setTarget(self());
        menu->addItem(item);
        validateMenuItem(item);
    }
    return menu;
}

bool UndoManager::validateMenuItem(const Ref<MenuItem>& item) {
    const bool undoes = item->action().name() == "undo:";
    // A new title rebuilds the menu bars showing the item, which validate it again.
    if (auto title = undoes ? undoMenuItemTitle() : redoMenuItemTitle();
        !platform::isEqual(title, item->title()))
        item->setTitle(std::move(title));
    return undoes ? canUndo() : canRedo();
}

} // namespace platform

#pragma once

#include "platform/foundation/Object.h"
#include "platform/foundation/Selector.h"
#include "platform/windows/MenuItemValidation.h"

#include <cstdint>
#include <memory>

namespace platform {

class Menu;
class String;

// The record of what undoes the user's changes, as steps on the toolkit's undo stack. A program
// registers, for each change, the message that undoes it; the registrations of one group (by
// default everything registered in one pass of the event loop) make one step. Undoing a step
// sends its messages in the reverse order, and whatever they register meanwhile becomes the
// step's redo; redoing likewise registers its undo again. A new step drops the steps that
// could be redone.
class UndoManager : public Object, public MenuItemValidation {
public:
    UndoManager();
    ~UndoManager() override;

    // The target is not kept alive; the object is. A registration whose target has gone by the
    // time it is undone does nothing.
    void registerUndoWithTargetSelectorObject(const Ref<Object>& target, Selector selector,
                                              Ref<Object> object);

    // Groups nest; the outermost end makes the step (none when nothing was registered).
    void beginUndoGrouping();
    void endUndoGrouping();
    std::int64_t groupingLevel() const;
    // Whether each pass of the event loop opens a group of its own (the default); without it a
    // registration outside a group is a step of its own.
    bool groupsByEvent() const;
    void setGroupsByEvent(bool groups);
    // How many steps are kept, 0 for no limit. Takes effect on an empty stack only.
    std::int64_t levelsOfUndo() const;
    void setLevelsOfUndo(std::int64_t levels);

    bool canUndo() const;
    bool canRedo() const;
    bool isUndoing() const;
    bool isRedoing() const;
    // Both close a group the event loop opened first.
    void undo();
    void redo();
    void removeAllActions();

    // Names the step being grouped, or else the last step, for the menu ("Undo Typing").
    void setActionName(const Ref<String>& name);
    Ref<String> undoActionName() const;
    Ref<String> redoActionName() const;
    Ref<String> undoMenuItemTitle() const;
    Ref<String> redoMenuItemTitle() const;

    // The actions of the Edit menu's items.
    void undoAction(const Ref<Object>& sender);
    void redoAction(const Ref<Object>& sender);
    // An Edit menu with Undo (Control+Z) and Redo (Control+Shift+Z) working on this manager,
    // enabled and titled after its steps.
    Ref<Menu> editMenu();
    bool validateMenuItem(const Ref<MenuItem>& item) override;

private:
    struct Private;
    std::unique_ptr<Private> d_;
};

} // namespace platform

#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/views/View.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace platform {

class Font;
class TextStorage;
class TextViewDelegate;
class UndoManager;

// A view of many lines of text that the user selects, types, pastes, drops text into, deletes,
// undoes and redoes, on the toolkit's rich-text editor. The text is its text storage's; ranges
// count UTF-16 code units. A new text view is editable, selectable and takes rich text.
//
// Every change the user makes goes through one path: the delegate is asked first, with the
// range and the replacement (see TextViewDelegate), then the text storage changes, the change
// is registered with the text view's undo manager, and the delegate hears of it. Changes the
// program makes through the text storage or setString ask nobody and register no undo.
//
// Keys: the editing commands of TextFieldDelegate are asked of the delegate and then performed
// (Return inserts a line feed, Tab a tab, Back-Tab moves the focus back, Escape completes the
// word before the insertion point); Control+Z and Control+Shift+Z undo and redo, Control+X,
// Control+C and Control+V cut, copy and paste, and the contextual menu offers the same with
// Share. Text dragged inside the view is copied, never moved.
class TextView : public View {
public:
    explicit TextView(Rect frame = {});
    ~TextView() override;

    const Ref<TextStorage>& textStorage() const { return storage_; }
    Ref<String> string() const;
    // Replaces the whole text; the undo steps of the text view are dropped.
    void setString(const Ref<String>& string);
    Range selectedRange() const;
    // Cut at the end of the text; the delegate is asked about the new selection.
    void setSelectedRange(Range range);

    bool isEditable() const { return editable_; }
    void setEditable(bool editable);
    bool isSelectable() const { return selectable_ || editable_; }
    void setSelectable(bool selectable);
    // Whether pasted and dropped text keeps its fonts and colours.
    bool isRichText() const { return richText_; }
    void setRichText(bool richText);
    bool allowsUndo() const { return allowsUndo_; }
    void setAllowsUndo(bool allows) { allowsUndo_ = allows; }
    const Ref<UndoManager>& undoManager() const { return undoManager_; }
    // The font of text without a font of its own.
    Ref<Font> font() const { return font_; }
    void setFont(Ref<Font> font);

    std::shared_ptr<TextViewDelegate> delegate() const { return delegate_.lock(); }
    // Held weakly, as a window holds its delegate.
    void setDelegate(const std::shared_ptr<TextViewDelegate>& delegate) { delegate_ = delegate; }

    // What the user's keys and menus do, each through the path above.
    void insertText(const Ref<String>& string);
    void cut(const Ref<Object>& sender);
    void copy(const Ref<Object>& sender);
    void paste(const Ref<Object>& sender);
    void selectAll(const Ref<Object>& sender);
    void undo(const Ref<Object>& sender);
    void redo(const Ref<Object>& sender);
    void complete(const Ref<Object>& sender);
    // Asks the delegate about the command and performs it unless the delegate handled it;
    // answers whether the command was one the text view knows.
    bool doCommandBySelector(std::string_view selector);
    // Asks the delegate about a change to come; the replacement may come back rewritten.
    bool shouldChangeTextInRangeReplacementString(Range range, Ref<String>* replacement);
    // Replaces the range as the user does: asked first, registered for undo, then reported.
    // Answers whether the text changed.
    bool replaceAsUser(Range range, Ref<String> replacement);

    bool acceptsFirstResponder() const override { return isSelectable(); }
    // The number programs name the text view by; 0 until set.
    std::int64_t tag() const override { return tag_; }
    void setTag(std::int64_t tag) { tag_ = tag; }

    // Internal to the platform: the editing state kept beside the toolkit's editor, and one
    // change as the undo manager keeps it.
    struct Editing;
    class Change;
    void undoChange(const Ref<Change>& change);

private:
    void applyInteraction();

    Ref<TextStorage> storage_;
    Ref<UndoManager> undoManager_;
    Ref<Font> font_;
    std::unique_ptr<Editing> editing_;
    std::weak_ptr<TextViewDelegate> delegate_;
    std::int64_t tag_ = 0;
    bool editable_ = true;
    bool selectable_ = true;
    bool richText_ = true;
    bool allowsUndo_ = true;
};

} // namespace platform

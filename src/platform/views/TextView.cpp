#include "platform/views/TextView.h"

#include "platform/app/Application.h"
#include "platform/detail/EditingCommands.h"
#include "platform/detail/FontPeer.h"
#include "platform/detail/QtStrings.h"
#include "platform/detail/TextStoragePeer.h"
#include "platform/detail/ViewPeer.h"
#include "platform/drawing/Font.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/String.h"
#include "platform/services/SharingServicePicker.h"
#include "platform/services/UndoManager.h"
#include "platform/views/TextStorage.h"
#include "platform/views/TextViewDelegate.h"
#include "platform/windows/Window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include <algorithm>
#include <set>

namespace platform {

namespace {

class TextEdit;

Range rangeOf(const QTextCursor& cursor) {
    return {cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
}

} // namespace

struct TextView::Editing {
    TextEdit* edit = nullptr;
    // The selection as the delegate last agreed to it.
    Range agreed{0, 0};
    // Set while the selection is being set to the delegate's answer.
    bool adjusting = false;
    // An editing session runs from the first change until the view loses the focus.
    bool inSession = false;
};

// One change as undoing it needs it: where the new text stands, and the text it replaced with
// its attributes.
class TextView::Change : public Object {
public:
    explicit Change(QTextDocumentFragment replaced) : removed(std::move(replaced)) {}
    Range inserted{0, 0};
    QTextDocumentFragment removed;
};

namespace {

// The characters a key types: anything but control characters, which the toolkit sends along
// with keys that edit or move.
bool typesText(const QString& text) {
    return !text.isEmpty() && std::none_of(text.begin(), text.end(), [](QChar c) {
        return c.category() == QChar::Other_Control;
    });
}

class TextEdit : public QTextEdit {
public:
    TextEdit(TextView& view, TextView::Editing& editing) : view_(view), editing_(editing) {
        connect(this, &QTextEdit::cursorPositionChanged, this, [this] { selectionMoved(); });
        connect(this, &QTextEdit::selectionChanged, this, [this] { selectionMoved(); });
    }

    void moveFocus(bool next) { focusNextPrevChild(next); }

    // The text of a paste or a drop, as the text view inserts it.
    void insertMime(const QMimeData& source) {
        const Range range = rangeOf(textCursor());
        if (view_.isRichText() && source.hasHtml()) {
            const auto fragment = QTextDocumentFragment::fromHtml(source.html(), document());
            insert(range, detail::storageText(fragment.toRawText()), &fragment);
        } else if (source.hasText()) {
            insert(range, source.text(), nullptr);
        }
    }

    // Replaces the range as the user does; the fragment, when there is one, is the replacement
    // with its attributes, kept unless the delegate rewrites the replacement.
    bool insert(Range range, const QString& text, const QTextDocumentFragment* fragment) {
        if (!view_.isEditable())
            return false;
        const auto self = alive();
        auto& storage = *view_.textStorage();
        const auto end = static_cast<std::int64_t>(storage.length());
        range.location = std::clamp<std::int64_t>(range.location, 0, end);
        range.length = std::clamp<std::int64_t>(range.length, 0, end - range.location);
        const Ref<String> proposed = detail::fromQString(text);
        Ref<String> replacement = proposed;
        if (!view_.shouldChangeTextInRangeReplacementString(range, &replacement))
            return false;
        if (!replacement)
            replacement = String::create();
        if (!editing_.inSession) {
            editing_.inSession = true;
            notify(&TextViewDelegate::textDidBeginEditing, "NSTextDidBeginEditingNotification");
        }
        QTextCursor cursor(document());
        cursor.setPosition(static_cast<int>(range.location));
        cursor.setPosition(static_cast<int>(range.maxRange()), QTextCursor::KeepAnchor);
        auto change = std::make_shared<TextView::Change>(cursor.selection());
        Range inserted{range.location, static_cast<std::int64_t>(replacement->length())};
        if (fragment && replacement == proposed) {
            // An empty fragment inserts nothing and would leave the range in place.
            cursor.removeSelectedText();
            cursor.insertFragment(*fragment);
            inserted.length = cursor.position() - range.location;
            storage.editedRangeChangeInLength(TextStorageEditActions::EditedCharacters |
                                                  TextStorageEditActions::EditedAttributes,
                                              inserted, inserted.length - range.length);
        } else {
            storage.replaceCharactersInRangeWithString(range, replacement);
        }
        change->inserted = inserted;
        if (view_.allowsUndo())
            view_.undoManager()->registerUndoWithTargetSelectorObject(
                self, Selector("undoChange:", &TextView::undoChange), change);
        QTextCursor after(document());
        after.setPosition(static_cast<int>(inserted.maxRange()));
        setTextCursor(after);
        ensureCursorVisible();
        notify(&TextViewDelegate::textDidChange, "NSTextDidChangeNotification");
        return true;
    }

    // Deletes the selection, or else from the insertion point as far as the move goes.
    bool deleteMoving(QTextCursor::MoveOperation move) {
        QTextCursor cursor = textCursor();
        if (!cursor.hasSelection())
            cursor.movePosition(move, QTextCursor::KeepAnchor);
        return insert(rangeOf(cursor), QString(), nullptr);
    }

    void selectRange(Range range) {
        QTextCursor cursor(document());
        cursor.setPosition(static_cast<int>(range.location));
        cursor.setPosition(static_cast<int>(range.maxRange()), QTextCursor::KeepAnchor);
        setTextCursor(cursor);
    }

    void endEditing() {
        editing_.inSession = false;
        notify(&TextViewDelegate::textDidEndEditing, "NSTextDidEndEditingNotification");
    }

protected:
    bool event(QEvent* event) override {
        // Tab and Back-Tab are editing commands of the text view, not the toolkit's focus keys.
        if (QKeyEvent* key = detail::tabKeyPress(*event)) {
            keyPressEvent(key);
            return true;
        }
        return QTextEdit::event(event);
    }

    void keyPressEvent(QKeyEvent* event) override {
        const auto keep = alive();
        struct Shortcut {
            QKeySequence::StandardKey key;
            void (TextView::*action)(const Ref<Object>&);
        };
        static constexpr Shortcut shortcuts[] = {
            {QKeySequence::Undo, &TextView::undo},
            {QKeySequence::Redo, &TextView::redo},
            {QKeySequence::Cut, &TextView::cut},
            {QKeySequence::Copy, &TextView::copy},
            {QKeySequence::Paste, &TextView::paste},
            {QKeySequence::SelectAll, &TextView::selectAll},
        };
        for (const Shortcut& shortcut : shortcuts)
            if (event->matches(shortcut.key)) {
                (view_.*shortcut.action)(nullptr);
                return;
            }
        struct Deletion {
            QKeySequence::StandardKey key;
            QTextCursor::MoveOperation move;
        };
        static constexpr Deletion deletions[] = {
            {QKeySequence::DeleteStartOfWord, QTextCursor::PreviousWord},
            {QKeySequence::DeleteEndOfWord, QTextCursor::NextWord},
            {QKeySequence::DeleteEndOfLine, QTextCursor::EndOfLine},
        };
        for (const Deletion& deletion : deletions)
            if (event->matches(deletion.key)) {
                deleteMoving(deletion.move);
                return;
            }
        const char* command = detail::editingCommandForKey(*event);
        // The toolkit deletes on Backspace and Delete whatever the modifiers.
        if (!command && event->key() == Qt::Key_Backspace)
            command = "deleteBackward:";
        if (!command && event->key() == Qt::Key_Delete)
            command = "deleteForward:";
        if (command) {
            if (!view_.doCommandBySelector(command))
                QTextEdit::keyPressEvent(event);
            return;
        }
        const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
        if (!shortcut && typesText(event->text())) {
            view_.insertText(detail::fromQString(event->text()));
            return;
        }
        // What is left moves the insertion point or selects; a key that would type a control
        // character types nothing.
        if (event->text().isEmpty() || shortcut)
            QTextEdit::keyPressEvent(event);
    }

    void inputMethodEvent(QInputMethodEvent* event) override {
        // What an input method commits is typed; its text in composition is not shown.
        if (!event->commitString().isEmpty())
            view_.insertText(detail::fromQString(event->commitString()));
        event->accept();
    }

    void insertFromMimeData(const QMimeData* source) override {
        if (source)
            insertMime(*source);
    }

    void dropEvent(QDropEvent* event) override {
        // A drop copies: moved text would leave its place without the delegate being asked.
        event->setDropAction(Qt::CopyAction);
        QTextEdit::dropEvent(event);
    }

    void contextMenuEvent(QContextMenuEvent* event) override {
        const auto keep = alive();
        const bool selected = textCursor().hasSelection();
        const bool editable = view_.isEditable();
        QMenu menu(this);
        const auto add = [&](const char* title, bool enabled, auto action) {
            menu.addAction(QString::fromUtf8(title), [this, action] { action(view_); })
                ->setEnabled(enabled);
        };
        add("Undo", editable && view_.undoManager()->canUndo(),
            [](TextView& v) { v.undo(nullptr); });
        add("Redo", editable && view_.undoManager()->canRedo(),
            [](TextView& v) { v.redo(nullptr); });
        menu.addSeparator();
        add("Cut", editable && selected, [](TextView& v) { v.cut(nullptr); });
        add("Copy", selected, [](TextView& v) { v.copy(nullptr); });
        add("Paste", editable, [](TextView& v) { v.paste(nullptr); });
        add("Select All", true, [](TextView& v) { v.selectAll(nullptr); });
        menu.addSeparator();
        add("Share…", selected, [this](TextView&) { share(); });
        menu.exec(event->globalPos());
    }

    void focusInEvent(QFocusEvent* event) override {
        QTextEdit::focusInEvent(event);
        const auto self = alive();
        if (const auto window = view_.window(); self && window && window->firstResponder() != self)
            window->makeFirstResponder(self);
    }

    void focusOutEvent(QFocusEvent* event) override {
        QTextEdit::focusOutEvent(event);
        // The window going to the background leaves the text view editing.
        const bool windowOnly = event->reason() == Qt::ActiveWindowFocusReason ||
                                event->reason() == Qt::PopupFocusReason;
        if (!windowOnly && editing_.inSession)
            endEditing();
    }

private:
    void selectionMoved() {
        // The view being destroyed lets go of its document, which moves the insertion point.
        if (editing_.adjusting || !alive())
            return;
        const Range now = rangeOf(textCursor());
        if (now == editing_.agreed)
            return;
        Range answer = now;
        if (const auto d = view_.delegate()) {
            answer = d->textViewWillChangeSelectionFromCharacterRangeToCharacterRange(
                alive(), editing_.agreed, now);
            const auto end = static_cast<std::int64_t>(view_.textStorage()->length());
            answer.location = std::clamp<std::int64_t>(answer.location, 0, end);
            answer.length = std::clamp<std::int64_t>(answer.length, 0, end - answer.location);
        }
        if (answer != now) {
            editing_.adjusting = true;
            selectRange(answer);
            editing_.adjusting = false;
        }
        editing_.agreed = answer;
        notify(&TextViewDelegate::textViewDidChangeSelection,
               "NSTextViewDidChangeSelectionNotification");
    }

    // The selected text offered to the desktop's sharing services, through the delegate.
    void share() {
        const auto self = alive();
        auto items = Array::arrayWithObjects(
            {view_.textStorage()->substringWithRange(view_.selectedRange())});
        Ref<SharingServicePicker> picker = std::make_shared<SharingServicePicker>(items);
        if (const auto d = view_.delegate())
            picker = d->textViewWillShowSharingServicePickerForItems(self, picker, items);
        if (!picker)
            return;
        const QRect caret = cursorRect();
        picker->showRelativeToRectOfViewPreferredEdge(
            {static_cast<double>(caret.x()), static_cast<double>(caret.y()),
             static_cast<double>(caret.width()), static_cast<double>(caret.height())},
            self, 0);
    }

    void notify(void (TextViewDelegate::*method)(const Ref<Notification>&), const char* name) {
        const auto self = alive();
        if (!self)
            return;
        if (const auto d = view_.delegate())
            ((*d).*method)(std::make_shared<Notification>(String::fromUtf8(name), self));
    }

    // The view, or none while it is being destroyed and the toolkit still reports to it.
    Ref<TextView> alive() const {
        return std::static_pointer_cast<TextView>(view_.weak_from_this().lock());
    }

    TextView& view_;
    TextView::Editing& editing_;
};

} // namespace

TextView::TextView(Rect frame)
    : View(frame, (Application::shared(), std::make_unique<ViewPeer>(nullptr))),
      storage_(std::make_shared<TextStorage>()), undoManager_(std::make_shared<UndoManager>()),
      font_(Font::systemFontOfSize(12)), editing_(std::make_unique<Editing>()) {
    auto* edit = new detail::ViewWidget<TextEdit>(*this, *this, *editing_);
    editing_->edit = edit;
    edit->setDocument(&storage_->peer().document);
    // A line without spaces breaks where the view ends, as words do: breaking only between
    // words, the toolkit lays out a long line again for every piece of it and takes minutes
    // over a pasted megabyte.
    edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    storage_->peer().document.setDefaultFont(font_->peer().font);
    peer().widget = edit;
    setFrame(frame);
    applyInteraction();
}

TextView::~TextView() {
    // The document is the storage's, which may outlive the view.
    if (editing_->edit)
        editing_->edit->setDocument(nullptr);
}

Ref<String> TextView::string() const {
    return storage_->string();
}

void TextView::setString(const Ref<String>& string) {
    storage_->replaceCharactersInRangeWithString({0, static_cast<std::int64_t>(storage_->length())},
                                                 string ? string : String::create());
    undoManager_->removeAllActions();
}

Range TextView::selectedRange() const {
    return rangeOf(editing_->edit->textCursor());
}

void TextView::setSelectedRange(Range range) {
    const auto end = static_cast<std::int64_t>(storage_->length());
    range.location = std::clamp<std::int64_t>(range.location, 0, end);
    range.length = std::clamp<std::int64_t>(range.length, 0, end - range.location);
    editing_->edit->selectRange(range);
}

void TextView::setEditable(bool editable) {
    editable_ = editable;
    applyInteraction();
}

void TextView::setSelectable(bool selectable) {
    selectable_ = selectable;
    applyInteraction();
}

void TextView::setRichText(bool richText) {
    richText_ = richText;
    editing_->edit->setAcceptRichText(richText);
}

void TextView::setFont(Ref<Font> font) {
    if (!font)
        return;
    font_ = std::move(font);
    storage_->peer().document.setDefaultFont(font_->peer().font);
}

void TextView::applyInteraction() {
    TextEdit* edit = editing_->edit;
    edit->setReadOnly(!editable_);
    Qt::TextInteractionFlags flags = Qt::NoTextInteraction;
    if (isSelectable())
        flags |= Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard;
    if (editable_)
        flags |= Qt::TextEditable;
    edit->setTextInteractionFlags(flags);
    edit->setFocusPolicy(editable_ ? Qt::StrongFocus : selectable_ ? Qt::ClickFocus : Qt::NoFocus);
}

void TextView::insertText(const Ref<String>& string) {
    replaceAsUser(selectedRange(), string);
}

void TextView::cut(const Ref<Object>& sender) {
    if (!editable_ || selectedRange().length == 0)
        return;
    copy(sender);
    replaceAsUser(selectedRange(), String::create());
}

void TextView::copy(const Ref<Object>&) {
    if (selectedRange().length > 0)
        editing_->edit->copy();
}

void TextView::paste(const Ref<Object>&) {
    if (const QMimeData* data = QGuiApplication::clipboard()->mimeData())
        editing_->edit->insertMime(*data);
}

void TextView::selectAll(const Ref<Object>&) {
    editing_->edit->selectAll();
}

void TextView::undo(const Ref<Object>&) {
    if (editable_)
        undoManager_->undo();
}

void TextView::redo(const Ref<Object>&) {
    if (editable_)
        undoManager_->redo();
}

void TextView::undoChange(const Ref<Change>& change) {
    if (!change)
        return;
    editing_->edit->insert(change->inserted, detail::storageText(change->removed.toRawText()),
                           &change->removed);
}

bool TextView::shouldChangeTextInRangeReplacementString(Range range, Ref<String>* replacement) {
    const auto d = delegate();
    return !d ||
           d->textViewShouldChangeTextInRangeReplacementString(as<TextView>(), range, replacement);
}

bool TextView::replaceAsUser(Range range, Ref<String> replacement) {
    return editing_->edit->insert(range, detail::toQString(replacement), nullptr);
}

void TextView::complete(const Ref<Object>&) {
    const QString text = detail::storageText(storage_->peer().document.toRawText());
    const auto caret = static_cast<qsizetype>(selectedRange().location);
    qsizetype start = caret;
    while (start > 0 && (text[start - 1].isLetterOrNumber() || text[start - 1] == u'_'))
        --start;
    if (start == caret)
        return;
    const QString partial = text.mid(start, caret - start);
    std::set<QString> found;
    static const QRegularExpression word(QStringLiteral("[\\w]+"));
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QString candidate = it.next().captured();
        if (candidate.size() > partial.size() && candidate.startsWith(partial))
            found.insert(candidate);
    }
    auto words = Array::array();
    for (const QString& candidate : found)
        words->addObject(detail::fromQString(candidate));
    const Range range{start, caret - start};
    std::int64_t index = 0;
    if (const auto d = delegate())
        words = d->textViewCompletionsForPartialWordRangeIndexOfSelectedItem(as<TextView>(), words,
                                                                             range, &index);
    if (!words || index < 0 || static_cast<std::size_t>(index) >= words->count())
        return;
    if (const auto chosen = words->objectAtIndex(static_cast<std::size_t>(index))->as<String>())
        replaceAsUser(range, chosen);
}

bool TextView::doCommandBySelector(std::string_view selector) {
    if (const auto d = delegate(); d && d->textViewDoCommandBySelector(as<TextView>(), selector))
        return true;
    TextEdit& edit = *editing_->edit;
    if (selector == "insertNewline:")
        insertText(String::fromUtf8("\n"));
    else if (selector == "insertTab:")
        insertText(String::fromUtf8("\t"));
    else if (selector == "insertBacktab:")
        edit.moveFocus(false);
    else if (selector == "deleteBackward:")
        edit.deleteMoving(QTextCursor::PreviousCharacter);
    else if (selector == "deleteForward:")
        edit.deleteMoving(QTextCursor::NextCharacter);
    else if (selector == "cancelOperation:" || selector == "complete:")
        complete(nullptr);
    else
        return false;
    return true;
}

} // namespace platform

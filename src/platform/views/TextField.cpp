#include "platform/views/TextField.h"

#include "platform/app/Application.h"
#include "platform/detail/ColorConversion.h"
#include "platform/detail/EditingCommands.h"
#include "platform/detail/FontPeer.h"
#include "platform/detail/ViewPeer.h"
#include "platform/drawing/AttributedString.h"
#include "platform/drawing/Color.h"
#include "platform/drawing/Font.h"
#include "platform/drawing/ParagraphStyle.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/String.h"
#include "platform/views/Formatter.h"
#include "platform/views/TextFieldCell.h"
#include "platform/views/TextFieldDelegate.h"
#include "platform/windows/Window.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QValidator>

#include <algorithm>
#include <string_view>

namespace platform {

namespace {

QString toQString(const String& string) {
    return QString::fromStdU16String(string.utf16());
}

Ref<String> fromQString(const QString& string) {
    return String::create(string.toStdU16String());
}

Qt::Alignment toolkitAlignment(std::int64_t alignment) {
    if (alignment == TextAlignment::Right)
        return Qt::AlignRight | Qt::AlignVCenter;
    if (alignment == TextAlignment::Center)
        return Qt::AlignHCenter | Qt::AlignVCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// A field holds one line: what an edit inserts (a paste) is cut at its first line break.
void keepFirstInsertedLine(QString& input, int& position, const QString& before) {
    const qsizetype shorter = std::min(input.size(), before.size());
    qsizetype prefix = 0;
    while (prefix < shorter && input[prefix] == before[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           input[input.size() - 1 - suffix] == before[before.size() - 1 - suffix])
        ++suffix;
    const QString inserted = input.mid(prefix, input.size() - prefix - suffix);
    const qsizetype lineBreak =
        inserted.indexOf(QRegularExpression(QStringLiteral("[\\n\\r\\x{2028}\\x{2029}]")));
    if (lineBreak < 0)
        return;
    input = input.left(prefix) + inserted.left(lineBreak) + input.right(suffix);
    position = static_cast<int>(prefix + lineBreak);
}

class FieldEdit;

} // namespace

// The state of the user's editing that the toolkit does not keep for us.
struct TextField::Editing {
    FieldEdit* edit = nullptr;
    // The text and selection before the edit in progress: what the formatter is told the
    // edit starts from.
    QString committedText;
    Range committedSelection;
    // An editing session runs from the first change until editing ends.
    bool inSession = false;
    bool beginPending = false;
    // Set while the program sets the text, which the formatter does not judge.
    bool programmatic = false;

    // What a subclass adds, reached from the toolkit's field.
    static bool performCommand(TextField& field, std::string_view command) {
        return field.performEditingCommand(command);
    }
    static void changed(TextField& field) { field.userChangedText(); }
    static void typed(TextField& field) { field.userTypedText(); }
    static void returnAction(TextField& field) { field.sendReturnAction(); }
};

namespace {

// Asks the field's formatter about each proposed text. A refused edit is undone by the
// toolkit; a replaced one shows the replacement.
class FormatterValidator : public QValidator {
public:
    FormatterValidator(TextField& field, TextField::Editing& editing, QObject* parent)
        : QValidator(parent), field_(field), editing_(editing) {}

    State validate(QString& input, int& position) const override {
        if (editing_.programmatic)
            return Acceptable;
        keepFirstInsertedLine(input, position, editing_.committedText);
        // The toolkit also checks the text it already shows; that is no edit.
        if (input == editing_.committedText)
            return Acceptable;
        const auto self = field_.as<TextField>();
        if (!editing_.inSession) {
            if (const auto d = field_.delegate();
                d && !d->controlTextShouldBeginEditing(self, self))
                return Invalid;
            editing_.inSession = true;
            editing_.beginPending = true;
        }
        const auto formatter = field_.formatter();
        if (!formatter)
            return Acceptable;
        const Ref<String> proposed = fromQString(input);
        Ref<String> partial = proposed;
        Range selection{position, 0};
        Ref<String> error;
        if (formatter
                ->isPartialStringValidProposedSelectedRangeOriginalStringOriginalSelectedRangeErrorDescription(
                    &partial, &selection, fromQString(editing_.committedText),
                    editing_.committedSelection, &error))
            return Acceptable;
        if (!partial || partial == proposed)
            return Invalid;
        input = toQString(*partial);
        position = static_cast<int>(std::clamp<std::int64_t>(
            selection.maxRange(), 0, static_cast<std::int64_t>(input.size())));
        return Acceptable;
    }

private:
    TextField& field_;
    TextField::Editing& editing_;
};

class FieldEdit : public QLineEdit {
public:
    FieldEdit(TextField& field, TextField::Editing& editing) : field_(field), editing_(editing) {
        setValidator(new FormatterValidator(field, editing, this));
        connect(this, &QLineEdit::textChanged, this,
                [this](const QString& text) { editing_.committedText = text; });
        connect(this, &QLineEdit::cursorPositionChanged, this, [this] { noteSelection(); });
        connect(this, &QLineEdit::selectionChanged, this, [this] { noteSelection(); });
        connect(this, &QLineEdit::textEdited, this,
                [this](const QString& text) { textEdited(text); });
    }

    bool isLabel() const { return !field_.isSelectable(); }

    void endEditing() {
        editing_.inSession = false;
        editing_.beginPending = false;
        notify(&TextFieldDelegate::controlTextDidEndEditing,
               "NSControlTextDidEndEditingNotification");
    }

protected:
    bool event(QEvent* event) override {
        // Tab and Back-Tab are editing commands of the field, not the toolkit's focus keys.
        if (QKeyEvent* key = detail::tabKeyPress(*event)) {
            keyPressEvent(key);
            return true;
        }
        return QLineEdit::event(event);
    }

    void keyPressEvent(QKeyEvent* event) override {
        const char* command = detail::editingCommandForKey(*event);
        if (!command) {
            const qsizetype kept = text().size() - selectedText().size();
            QLineEdit::keyPressEvent(event);
            if (text().size() > kept)
                TextField::Editing::typed(field_);
            return;
        }
        const auto self = field_.as<TextField>();
        if (const auto d = field_.delegate();
            d && d->controlTextViewDoCommandBySelector(self, self, command))
            return;
        if (TextField::Editing::performCommand(field_, command))
            return;
        const std::string_view name = command;
        if (name == "cancelOperation:") {
            event->ignore();
        } else if (name == "insertNewline:") {
            if (shouldEnd(self)) {
                endEditing();
                selectAll();
                // Return also sends the field's action, as a click does a button's.
                TextField::Editing::returnAction(field_);
            }
        } else if (name == "insertTab:" || name == "insertBacktab:") {
            if (shouldEnd(self)) {
                endEditing();
                focusNextPrevChild(name == "insertTab:");
            }
        } else {
            QLineEdit::keyPressEvent(event);
        }
    }

    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        noteFirstResponder();
    }

    void focusOutEvent(QFocusEvent* event) override {
        QLineEdit::focusOutEvent(event);
        // The window going to the background leaves the field editing, as it does in the
        // framework; focus going to another view ends the session.
        const bool windowOnly = event->reason() == Qt::ActiveWindowFocusReason ||
                                event->reason() == Qt::PopupFocusReason;
        if (!windowOnly && editing_.inSession)
            endEditing();
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (isLabel()) {
            event->ignore();
            return;
        }
        // The toolkit focuses on a click only for events from the window system; a click the
        // program sends (as the test scripting does) should focus the field all the same.
        if ((focusPolicy() & Qt::ClickFocus) && !hasFocus()) {
            setFocus(Qt::MouseFocusReason);
            noteFirstResponder();
        }
        QLineEdit::mousePressEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (isLabel())
            event->ignore();
        else
            QLineEdit::mouseMoveEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (isLabel())
            event->ignore();
        else
            QLineEdit::mouseReleaseEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (isLabel())
            event->ignore();
        else
            QLineEdit::mouseDoubleClickEvent(event);
    }
    void contextMenuEvent(QContextMenuEvent* event) override {
        if (isLabel())
            event->ignore();
        else
            QLineEdit::contextMenuEvent(event);
    }

private:
    bool shouldEnd(const Ref<TextField>& self) const {
        const auto d = field_.delegate();
        return !d || d->controlTextShouldEndEditing(self, self);
    }

    // The field took the focus from the toolkit: its window learns of its new first responder.
    void noteFirstResponder() {
        const auto self = field_.as<TextField>();
        if (const auto window = field_.window(); window && window->firstResponder() != self)
            window->makeFirstResponder(self);
    }

    void noteSelection() {
        editing_.committedSelection = hasSelectedText() ? Range{selectionStart(), selectionLength()}
                                                        : Range{cursorPosition(), 0};
    }

    void textEdited(const QString& text) {
        // A refused edit the formatter replaced by the text there was changes nothing. The
        // committed text is still the text before the edit: the toolkit reports the edit first.
        if (text == editing_.committedText)
            return;
        if (editing_.beginPending) {
            editing_.beginPending = false;
            notify(&TextFieldDelegate::controlTextDidBeginEditing,
                   "NSControlTextDidBeginEditingNotification");
        }
        notify(&TextFieldDelegate::controlTextDidChange, "NSControlTextDidChangeNotification");
        TextField::Editing::changed(field_);
    }

    void notify(void (TextFieldDelegate::*method)(const Ref<Notification>&), const char* name) {
        if (const auto d = field_.delegate())
            ((*d).*method)(std::make_shared<Notification>(String::fromUtf8(name), field_.self()));
    }

    TextField& field_;
    TextField::Editing& editing_;
};

// The program's text for the field. A field nobody types in shows the beginning of a text too
// long for it, as a label does; the toolkit would show its end, where it puts the cursor.
void showText(TextField::Editing& editing, const QString& text) {
    editing.programmatic = true;
    editing.edit->setText(text);
    if (!editing.edit->hasFocus())
        editing.edit->setCursorPosition(0);
    editing.programmatic = false;
}

} // namespace

TextField::TextField(Rect frame)
    : Control(frame, (Application::shared(), std::make_unique<ViewPeer>(nullptr)),
              std::make_shared<TextFieldCell>()),
      editing_(std::make_unique<Editing>()), backgroundColor_(Color::whiteColor()) {
    auto* edit = new detail::ViewWidget<FieldEdit>(*this, *this, *editing_);
    editing_->edit = edit;
    peer().widget = edit;
    setFrame(frame);
    applyFont();
    edit->setAlignment(toolkitAlignment(alignment()));
    applyPalette();
    applyInteraction();
}

TextField::~TextField() = default;

Ref<TextField> TextField::labelWithString(const Ref<String>& string) {
    auto label = std::make_shared<TextField>();
    label->setEditable(false);
    label->setSelectable(false);
    label->setBordered(false);
    label->setDrawsBackground(false);
    label->setStringValue(string);
    return label;
}

Ref<String> TextField::stringValue() const {
    return fromQString(editing_->edit->text());
}

void TextField::setStringValue(const Ref<String>& string) {
    const Ref<String> text = string ? string : String::create();
    if (const auto f = formatter()) {
        Ref<Object> object;
        if (f->getObjectValueForStringErrorDescription(&object, text, nullptr)) {
            setObjectValue(object);
            return;
        }
    }
    showText(*editing_, toQString(*text));
}

Ref<Object> TextField::objectValue() const {
    const Ref<String> text = stringValue();
    const auto f = formatter();
    if (!f)
        return text;
    Ref<Object> object;
    return f->getObjectValueForStringErrorDescription(&object, text, nullptr) ? object : nullptr;
}

void TextField::setObjectValue(const Ref<Object>& object) {
    Ref<String> text;
    if (const auto f = formatter())
        text = f->stringForObjectValue(object);
    else if (const auto string = object ? object->as<String>() : nullptr)
        text = string;
    else if (object)
        text = object->description();
    showText(*editing_, text ? toQString(*text) : QString());
}

Ref<AttributedString> TextField::attributedStringValue() const {
    auto attributes = Dictionary::dictionary();
    attributes->setObjectForKey(font(), FontAttributeName());
    attributes->setObjectForKey(textColor(), ForegroundColorAttributeName());
    return AttributedString::create(stringValue(), attributes);
}

void TextField::setPlaceholderString(Ref<String> placeholder) {
    placeholder_ = std::move(placeholder);
    editing_->edit->setPlaceholderText(placeholder_ ? toQString(*placeholder_) : QString());
}

void TextField::setEditable(bool editable) {
    editable_ = editable;
    applyInteraction();
}

void TextField::setSelectable(bool selectable) {
    selectable_ = selectable;
    applyInteraction();
}

void TextField::setBordered(bool bordered) {
    bordered_ = bordered;
    editing_->edit->setFrame(bordered);
}

void TextField::setDrawsBackground(bool draws) {
    drawsBackground_ = draws;
    applyPalette();
}

void TextField::setBackgroundColor(Ref<Color> color) {
    backgroundColor_ = std::move(color);
    applyPalette();
}

TextFieldCell& TextField::textFieldCell() const {
    return static_cast<TextFieldCell&>(*cell());
}

Ref<Color> TextField::textColor() const {
    return textFieldCell().textColor();
}

void TextField::setTextColor(Ref<Color> color) {
    textFieldCell().setTextColor(std::move(color));
    applyPalette();
}

void TextField::setFocusRingType(FocusRingType type) {
    focusRingType_ = type;
    editing_->edit->setAttribute(Qt::WA_MacShowFocusRect, type != FocusRingType::None);
}

void TextField::setEnabled(bool enabled) {
    Control::setEnabled(enabled);
    applyInteraction();
}

void TextField::setFont(Ref<Font> font) {
    Control::setFont(std::move(font));
    applyFont();
}

bool TextField::setCell(Ref<Cell> cell) {
    return cell && cell->as<TextFieldCell>() && Control::setCell(std::move(cell));
}

void TextField::viewWillDraw() {
    applyFont();
    applyPalette();
}

// The toolkit lays the text out again and draws once more after each change, so the widget is
// told only of a font or colour that differs from what it shows.
void TextField::applyFont() {
    const QFont font = this->font()->peer().font;
    if (editing_->edit->font() != font)
        editing_->edit->setFont(font);
}

void TextField::setAlignment(std::int64_t alignment) {
    Control::setAlignment(alignment);
    editing_->edit->setAlignment(toolkitAlignment(alignment));
}

void TextField::showChosenText(const Ref<String>& text, Range selection) {
    editing_->programmatic = true;
    editing_->edit->setText(text ? toQString(*text) : QString());
    editing_->edit->setSelection(static_cast<int>(selection.location),
                                 static_cast<int>(selection.length));
    editing_->programmatic = false;
}

bool TextField::isEditingText() const {
    return editing_->inSession;
}

void TextField::selectText(const Ref<Object>&) {
    if (const auto window = this->window())
        window->makeFirstResponder(as<TextField>());
    editing_->edit->selectAll();
}

void TextField::applyPalette() {
    FieldEdit* edit = editing_->edit;
    QPalette palette = edit->palette();
    const QColor background = drawsBackground_ && backgroundColor_
                                  ? detail::toQColor(*backgroundColor_)
                                  : QColor(Qt::transparent);
    const QColor text = detail::toQColor(*textColor());
    // On a selected table row, text of the ordinary colour would vanish into the highlight.
    const bool emphasized = textFieldCell().backgroundStyle() == BackgroundStyle::Emphasized &&
                            textColor()->isEqual(*Color::controlTextColor());
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, background);
        palette.setColor(group, QPalette::Text,
                         emphasized ? palette.color(group, QPalette::HighlightedText) : text);
    }
    const bool drawsAsBefore = palette == edit->palette() &&
                               edit->backgroundRole() == QPalette::Base &&
                               edit->autoFillBackground() == drawsBackground_;
    if (drawsAsBefore)
        return;
    edit->setPalette(palette);
    edit->setBackgroundRole(QPalette::Base);
    edit->setAutoFillBackground(drawsBackground_);
    edit->update();
}

void TextField::applyInteraction() {
    FieldEdit* edit = editing_->edit;
    edit->setReadOnly(!editable_ || !isEnabled());
    if (editable_) {
        edit->setFocusPolicy(Qt::StrongFocus);
        edit->setCursor(Qt::IBeamCursor);
    } else if (selectable_) {
        edit->setFocusPolicy(Qt::ClickFocus);
        edit->setCursor(Qt::IBeamCursor);
    } else {
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setCursor(Qt::ArrowCursor);
        if (edit->hasFocus())
            edit->clearFocus();
    }
}

} // namespace platform

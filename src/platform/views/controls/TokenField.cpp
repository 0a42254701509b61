#include "platform/views/controls/TokenField.h"

#include "platform/app/Event.h"
#include "platform/app/Pasteboard.h"
#include "platform/detail/MenuPeer.h"
#include "platform/detail/ModalInputFilter.h"
#include "platform/detail/QtStrings.h"
#include "platform/detail/ViewPeer.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/CharacterSet.h"
#include "platform/foundation/String.h"
#include "platform/views/controls/TokenFieldDelegate.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <vector>

namespace platform {

using detail::fromQString;
using detail::toQString;

namespace {

// Chip geometry in points: the text's inset, the gap between chips, and the width the text
// being typed keeps however many tokens there are.
constexpr int kChipPadding = 6;
constexpr int kChipGap = 3;
constexpr int kMinimumTextWidth = 40;

class ChipStrip;

} // namespace

struct TokenField::Tokens {
    struct Token {
        Ref<Object> object;
        Ref<String> display;
        TokenStyle style;
    };

    explicit Tokens(TokenField& owner) : field(owner) {}

    TokenField& field;
    std::vector<Token> list;
    std::int64_t selected = -1;
    Ref<CharacterSet> tokenizing = defaultTokenizingCharacterSet();
    TokenStyle style = TokenStyle::Default;
    QLineEdit* edit = nullptr;
    ChipStrip* strip = nullptr;
    std::unique_ptr<QListWidget> completions;

    Ref<TokenField> self() const { return field.as<TokenField>(); }

    // The pieces of the text between tokenizing characters, trimmed; the last piece is kept
    // apart unless the text is complete.
    std::vector<QString> split(const QString& text, QString* rest) const {
        std::vector<QString> pieces;
        QString piece;
        for (const QChar c : text) {
            if (tokenizing->characterIsMember(c.unicode())) {
                pieces.push_back(piece.trimmed());
                piece.clear();
            } else {
                piece += c;
            }
        }
        if (rest)
            *rest = piece;
        else
            pieces.push_back(piece.trimmed());
        std::erase_if(pieces, [](const QString& p) { return p.isEmpty(); });
        return pieces;
    }

    Token tokenFor(const Ref<Object>& object) const {
        const auto d = field.tokenDelegate();
        Ref<String> display =
            d ? d->tokenFieldDisplayStringForRepresentedObject(self(), object) : nullptr;
        if (!display)
            display = object ? object->description() : String::create();
        const TokenStyle tokenStyle =
            d ? d->tokenFieldStyleForRepresentedObject(self(), object) : style;
        return {object, display, tokenStyle};
    }

    Ref<Object> objectFor(const QString& text) const {
        const Ref<String> string = fromQString(text);
        const auto d = field.tokenDelegate();
        const Ref<Object> object =
            d ? d->tokenFieldRepresentedObjectForEditingString(self(), string) : nullptr;
        return object ? object : string;
    }

    // Adds the objects the user gave as tokens at the end, as far as the delegate lets them.
    void addFromUser(Ref<Array> objects) {
        if (!objects || objects->count() == 0)
            return;
        const auto index = static_cast<std::int64_t>(list.size());
        if (const auto d = field.tokenDelegate())
            if (Ref<Array> allowed = d->tokenFieldShouldAddObjectsAtIndex(self(), objects, index))
                objects = allowed;
        for (std::size_t i = 0; i < objects->count(); ++i)
            list.push_back(tokenFor(objects->objectAtIndex(i)));
        // The caret stands after the new tokens.
        selected = -1;
        changed();
    }

    void addTexts(const std::vector<QString>& texts) {
        auto objects = Array::array();
        for (const QString& text : texts)
            objects->addObject(objectFor(text));
        addFromUser(objects);
    }

    // The text being typed, set without it counting as the user's edit.
    void setText(const QString& text) { field.TextField::setStringValue(fromQString(text)); }

    // Makes tokens of the whole text being typed.
    void tokenizeText() {
        const QString text = edit->text();
        if (text.trimmed().isEmpty())
            return;
        setText(QString());
        addTexts(split(text, nullptr));
    }

    void textEdited(const QString& text) {
        selected = -1;
        QString rest;
        const std::vector<QString> pieces = split(text, &rest);
        if (rest.size() != text.size()) {
            // The blanks after a comma belong to no token.
            qsizetype blanks = 0;
            while (blanks < rest.size() && rest[blanks].isSpace())
                ++blanks;
            setText(rest.mid(blanks));
            addTexts(pieces);
        }
        offerCompletions();
    }

    void select(std::int64_t index) {
        selected = index;
        if (index >= 0)
            edit->deselect();
        changed();
    }

    void remove(std::size_t index) {
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
        selected = -1;
        changed();
    }

    // A token taken back into the text, for the user to edit and finish again.
    void reopen(std::size_t index) {
        const Ref<Object> object = list[index].object;
        const auto d = field.tokenDelegate();
        Ref<String> text =
            d ? d->tokenFieldEditingStringForRepresentedObject(self(), object) : nullptr;
        if (!text)
            text = list[index].display;
        remove(index);
        tokenizeText();
        setText(toQString(text));
        edit->selectAll();
        edit->setFocus(Qt::MouseFocusReason);
    }

    void offerCompletions() {
        const auto d = field.tokenDelegate();
        // Blanks typed after a comma are not part of the word being completed.
        const QString text = edit->text().trimmed();
        std::int64_t chosen = -1;
        const Ref<Array> words =
            d && !text.isEmpty()
                ? d->tokenFieldCompletionsForSubstringIndexOfTokenIndexOfSelectedItem(
                      self(), fromQString(text), static_cast<std::int64_t>(list.size()), chosen)
                : nullptr;
        completions->clear();
        if (!words || words->count() == 0) {
            completions->hide();
            return;
        }
        for (std::size_t i = 0; i < words->count(); ++i)
            if (const auto word = words->objectAtIndex(i))
                completions->addItem(toQString(word->description()));
        completions->setCurrentRow(
            chosen >= 0 && chosen < completions->count() ? static_cast<int>(chosen) : -1);
        completions->move(edit->mapToGlobal(QPoint(0, edit->height())));
        completions->resize(std::max(edit->width(), 120),
                            completions->sizeHintForRow(0) * std::min(completions->count(), 8) + 4);
        completions->show();
    }

    void takeCompletion(const QListWidgetItem* item) {
        completions->hide();
        if (!item)
            return;
        setText(QString());
        addTexts({item->text()});
    }

    void moveInCompletions(int step) {
        const int row = std::clamp(completions->currentRow() + step, 0, completions->count() - 1);
        completions->setCurrentRow(row);
    }

    void copySelected() {
        const Ref<Object> object = list[static_cast<std::size_t>(selected)].object;
        const auto pasteboard = std::make_shared<Pasteboard>();
        Ref<String> text = list[static_cast<std::size_t>(selected)].display;
        if (const auto d = field.tokenDelegate();
            d && d->tokenFieldWriteRepresentedObjectsToPasteboard(
                     self(), Array::arrayWithObjects({object}), pasteboard)) {
            const auto written =
                pasteboard->propertyListForType(*String::fromUtf8(StringPboardType));
            text = written ? written->description() : String::create();
        }
        QApplication::clipboard()->setText(toQString(text));
    }

    // A paste the delegate turned into tokens; false leaves the paste to the text.
    bool pasteTokens() {
        const auto d = field.tokenDelegate();
        if (!d)
            return false;
        const auto pasteboard = std::make_shared<Pasteboard>();
        pasteboard->setPropertyListForType(fromQString(QApplication::clipboard()->text()),
                                           *String::fromUtf8(StringPboardType));
        const Ref<Array> objects = d->tokenFieldReadFromPasteboard(self(), pasteboard);
        if (!objects)
            return false;
        addFromUser(objects);
        return true;
    }

    void changed();
};

namespace {

// The chips, drawn over the start of the field's editor, whose text starts after them.
class ChipStrip : public QWidget {
public:
    ChipStrip(TokenField::Tokens& tokens, QWidget* parent) : QWidget(parent), tokens_(tokens) {
        setCursor(Qt::ArrowCursor);
    }

    int chipWidth(const TokenField::Tokens::Token& token) const {
        return fontMetrics().horizontalAdvance(toQString(token.display)) + 2 * kChipPadding;
    }

    int fullWidth() const {
        int width = 0;
        for (const auto& token : tokens_.list)
            width += chipWidth(token) + kChipGap;
        return width;
    }

    // Chips wider than the strip show their end, where the user types.
    int offset() const { return std::min(0, width() - fullWidth()); }

    std::int64_t chipAt(QPoint point) const {
        int x = offset();
        for (std::size_t i = 0; i < tokens_.list.size(); ++i) {
            const int w = chipWidth(tokens_.list[i]);
            if (point.x() >= x && point.x() < x + w)
                return static_cast<std::int64_t>(i);
            x += w + kChipGap;
        }
        return -1;
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPalette& colors = palette();
        int x = offset();
        for (std::size_t i = 0; i < tokens_.list.size(); ++i) {
            const auto& token = tokens_.list[i];
            const int w = chipWidth(token);
            const QRectF chip(x + 0.5, 1.5, w - 1, height() - 3);
            const bool selected = static_cast<std::int64_t>(i) == tokens_.selected;
            const QColor fill = selected ? colors.color(QPalette::Highlight)
                                         : colors.color(QPalette::Highlight).lighter(175);
            QPainterPath path;
            switch (token.style) {
            case TokenStyle::Default:
            case TokenStyle::Rounded:
                path.addRoundedRect(chip, chip.height() / 2, chip.height() / 2);
                break;
            case TokenStyle::Squared:
            case TokenStyle::PlainSquared:
                path.addRoundedRect(chip, 2, 2);
                break;
            case TokenStyle::None:
                break;
            }
            if (token.style == TokenStyle::None) {
                if (selected)
                    painter.fillRect(chip, fill);
            } else {
                painter.fillPath(path, fill);
                if (token.style != TokenStyle::PlainSquared) {
                    painter.setPen(colors.color(QPalette::Highlight));
                    painter.drawPath(path);
                }
            }
            painter.setPen(colors.color(selected ? QPalette::HighlightedText : QPalette::Text));
            painter.drawText(chip, Qt::AlignCenter, toQString(token.display));
            x += w + kChipGap;
        }
    }

    void mousePressEvent(QMouseEvent* event) override {
        const std::int64_t chip = chipAt(event->position().toPoint());
        if (chip < 0) {
            event->ignore();
            return;
        }
        tokens_.edit->setFocus(Qt::MouseFocusReason);
        if (event->button() == Qt::LeftButton)
            tokens_.select(chip);
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override {
        const std::int64_t chip = chipAt(event->position().toPoint());
        if (chip >= 0 && event->button() == Qt::LeftButton)
            tokens_.reopen(static_cast<std::size_t>(chip));
        else
            event->ignore();
    }

    void contextMenuEvent(QContextMenuEvent* event) override {
        const std::int64_t chip = chipAt(event->pos());
        const auto d = tokens_.field.tokenDelegate();
        if (chip < 0 || !d) {
            event->ignore();
            return;
        }
        const Ref<Object> object = tokens_.list[static_cast<std::size_t>(chip)].object;
        if (!d->tokenFieldHasMenuForRepresentedObject(tokens_.self(), object))
            return;
        if (const Ref<Menu> menu = d->tokenFieldMenuForRepresentedObject(tokens_.self(), object)) {
            QMenu* shown = detail::makeToolkitMenu(menu, this);
            shown->setAttribute(Qt::WA_DeleteOnClose);
            shown->popup(event->globalPos());
        }
    }

private:
    TokenField::Tokens& tokens_;
};

// Makes tokens of the text left when the user moves on to another view.
class FocusWatch : public QObject {
public:
    FocusWatch(TokenField::Tokens& tokens, QObject* parent) : QObject(parent), tokens_(tokens) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                tokens_.completions->hide();
                tokens_.tokenizeText();
            }
        } else if (event->type() == QEvent::Resize) {
            tokens_.changed();
        }
        return false;
    }

private:
    TokenField::Tokens& tokens_;
};

} // namespace

void TokenField::Tokens::changed() {
    const int frame = edit->hasFrame() ? 3 : 1;
    const int width = std::min(strip->fullWidth(), std::max(0, edit->width() - kMinimumTextWidth));
    strip->setGeometry(frame, frame, width, std::max(0, edit->height() - 2 * frame));
    strip->setFont(edit->font());
    strip->setVisible(width > 0);
    edit->setTextMargins(width > 0 ? width + kChipGap : 0, 0, 0, 0);
    // The placeholder stands for tokens too, so it shows only while there are none.
    edit->setPlaceholderText(list.empty() ? toQString(field.placeholderString()) : QString());
    strip->update();
}

TokenField::TokenField(Rect frame) : TextField(frame), tokens_(std::make_unique<Tokens>(*this)) {
    Tokens& tokens = *tokens_;
    tokens.edit = static_cast<QLineEdit*>(peer().widget.data());
    tokens.strip = new ChipStrip(tokens, tokens.edit);
    tokens.edit->installEventFilter(new FocusWatch(tokens, tokens.edit));
    QObject::connect(tokens.edit, &QLineEdit::textEdited, tokens.edit,
                     [&tokens](const QString& text) { tokens.textEdited(text); });
    tokens.completions = std::make_unique<QListWidget>();
    tokens.completions->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint |
                                       Qt::WindowDoesNotAcceptFocus);
    tokens.completions->setAttribute(Qt::WA_ShowWithoutActivating);
    tokens.completions->setFocusPolicy(Qt::NoFocus);
    tokens.completions->setProperty(detail::kWorksWhenModalProperty, true);
    QObject::connect(tokens.completions.get(), &QListWidget::itemClicked, tokens.edit,
                     [&tokens](QListWidgetItem* item) { tokens.takeCompletion(item); });
    tokens.changed();
}

TokenField::~TokenField() = default;

Ref<Object> TokenField::objectValue() const {
    auto objects = Array::array();
    for (const auto& token : tokens_->list)
        objects->addObject(token.object);
    if (const Ref<String> text = TextField::stringValue(); text->length() > 0)
        objects->addObject(text);
    return objects;
}

void TokenField::setObjectValue(const Ref<Object>& object) {
    const auto objects = object ? object->as<Array>() : nullptr;
    if (!objects) {
        setStringValue(object ? object->description() : nullptr);
        return;
    }
    tokens_->list.clear();
    tokens_->selected = -1;
    tokens_->setText(QString());
    for (std::size_t i = 0; i < objects->count(); ++i)
        tokens_->list.push_back(tokens_->tokenFor(objects->objectAtIndex(i)));
    tokens_->changed();
}

Ref<String> TokenField::stringValue() const {
    QStringList parts;
    for (const auto& token : tokens_->list)
        parts << toQString(token.display);
    if (const QString text = tokens_->edit->text(); !text.isEmpty())
        parts << text;
    return fromQString(parts.join(QStringLiteral(", ")));
}

void TokenField::setStringValue(const Ref<String>& string) {
    auto objects = Array::array();
    for (const QString& piece : tokens_->split(toQString(string), nullptr))
        objects->addObject(tokens_->objectFor(piece));
    setObjectValue(objects);
}

Ref<CharacterSet> TokenField::tokenizingCharacterSet() const {
    return tokens_->tokenizing;
}

void TokenField::setTokenizingCharacterSet(Ref<CharacterSet> characters) {
    tokens_->tokenizing = characters ? std::move(characters) : defaultTokenizingCharacterSet();
}

Ref<CharacterSet> TokenField::defaultTokenizingCharacterSet() {
    return CharacterSet::characterSetWithCharactersInString(*String::fromUtf8(","));
}

TokenStyle TokenField::tokenStyle() const {
    return tokens_->style;
}

void TokenField::setTokenStyle(TokenStyle style) {
    tokens_->style = style;
}

std::size_t TokenField::tokenCount() const {
    return tokens_->list.size();
}

Ref<String> TokenField::displayStringOfToken(std::size_t index) const {
    return index < tokens_->list.size() ? tokens_->list[index].display : nullptr;
}

TokenStyle TokenField::styleOfToken(std::size_t index) const {
    return index < tokens_->list.size() ? tokens_->list[index].style : tokens_->style;
}

std::int64_t TokenField::selectedTokenIndex() const {
    return tokens_->selected;
}

Ref<Array> TokenField::shownCompletions() const {
    auto words = Array::array();
    if (tokens_->completions->isVisible())
        for (int row = 0; row < tokens_->completions->count(); ++row)
            words->addObject(fromQString(tokens_->completions->item(row)->text()));
    return words;
}

std::shared_ptr<TokenFieldDelegate> TokenField::tokenDelegate() const {
    return std::dynamic_pointer_cast<TokenFieldDelegate>(delegate());
}

void TokenField::keyDown(const Ref<Event>& event) {
    Tokens& t = *tokens_;
    const auto count = static_cast<std::int64_t>(t.list.size());
    const bool caretAtStart = t.edit->cursorPosition() == 0 && !t.edit->hasSelectedText();
    const bool listShown = t.completions->isVisible();
    const bool shortcut =
        event->modifierFlags() & (EventModifierFlag::Command | EventModifierFlag::Control);
    const Ref<String> typed = event->charactersIgnoringModifiers();
    const std::string key = typed ? typed->utf8() : std::string();
    switch (shortcut ? 0 : event->keyCode()) {
    case KeyCode::Delete:
        if (t.selected >= 0)
            return t.remove(static_cast<std::size_t>(t.selected));
        if (caretAtStart && count > 0)
            return t.select(count - 1);
        break;
    case KeyCode::ForwardDelete:
        if (t.selected >= 0)
            return t.remove(static_cast<std::size_t>(t.selected));
        break;
    case KeyCode::LeftArrow:
        if (t.selected > 0)
            return t.select(t.selected - 1);
        if (t.selected == 0)
            return;
        if (caretAtStart && count > 0)
            return t.select(count - 1);
        break;
    case KeyCode::RightArrow:
        if (t.selected >= 0) {
            t.select(t.selected + 1 < count ? t.selected + 1 : -1);
            if (t.selected < 0)
                t.edit->setCursorPosition(0);
            return;
        }
        break;
    case KeyCode::UpArrow:
    case KeyCode::DownArrow:
        if (listShown)
            return t.moveInCompletions(event->keyCode() == KeyCode::UpArrow ? -1 : 1);
        break;
    case KeyCode::Escape:
        if (listShown)
            return t.completions->hide();
        break;
    case KeyCode::Return:
        if (listShown && t.completions->currentItem())
            return t.takeCompletion(t.completions->currentItem());
        t.completions->hide();
        t.tokenizeText();
        break;
    default:
        if (shortcut && key == "c" && t.selected >= 0)
            return t.copySelected();
        if (shortcut && key == "v" && t.pasteTokens())
            return;
        break;
    }
    if (t.selected >= 0)
        t.select(-1);
    TextField::keyDown(event);
}

} // namespace platform

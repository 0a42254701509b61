#include "platform/views/TextStorage.h"

#include "platform/detail/ColorConversion.h"
#include "platform/detail/FontPeer.h"
#include "platform/detail/QtStrings.h"
#include "platform/detail/TextStoragePeer.h"
#include "platform/drawing/AttributedString.h"
#include "platform/drawing/Color.h"
#include "platform/drawing/Font.h"
#include "platform/foundation/Dictionary.h"
#include "platform/views/TextStorageDelegate.h"

#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace platform {

namespace {

// Where a character's format keeps the index of its attribute dictionary.
constexpr int kAttributeSetProperty = QTextFormat::UserProperty + 1;

} // namespace

namespace detail {

QString storageText(QString documentText) {
    return documentText.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

} // namespace detail

TextStorage::TextStorage() : peer_(std::make_unique<Peer>()) {
    peer_->document.setUndoRedoEnabled(false);
}

TextStorage::~TextStorage() = default;

std::size_t TextStorage::length() const {
    // The document ends in a paragraph separator of its own, which holds no text.
    return static_cast<std::size_t>(peer_->document.characterCount() - 1);
}

Ref<String> TextStorage::string() const {
    return detail::fromQString(detail::storageText(peer_->document.toRawText()));
}

Range TextStorage::clamped(Range range) const {
    const auto end = static_cast<std::int64_t>(length());
    const std::int64_t location = std::clamp<std::int64_t>(range.location, 0, end);
    return {location, std::clamp<std::int64_t>(range.length, 0, end - location)};
}

Ref<String> TextStorage::substringWithRange(Range range) const {
    const Range r = clamped(range);
    QTextCursor cursor(&peer_->document);
    cursor.setPosition(static_cast<int>(r.location));
    cursor.setPosition(static_cast<int>(r.maxRange()), QTextCursor::KeepAnchor);
    return detail::fromQString(detail::storageText(cursor.selectedText()));
}

void TextStorage::replaceCharactersInRangeWithString(Range range, const Ref<String>& string) {
    const Range r = clamped(range);
    QTextCursor cursor(&peer_->document);
    cursor.setPosition(static_cast<int>(r.location));
    cursor.setPosition(static_cast<int>(r.maxRange()), QTextCursor::KeepAnchor);
    // Text typed over a selection takes the attributes of its first character, as it shows.
    if (r.length > 0) {
        QTextCursor first(&peer_->document);
        first.setPosition(static_cast<int>(r.location + 1));
        cursor.insertText(detail::toQString(string), first.charFormat());
    } else {
        cursor.insertText(detail::toQString(string));
    }
    const auto inserted = static_cast<std::int64_t>(string ? string->length() : 0);
    editedRangeChangeInLength(TextStorageEditActions::EditedCharacters, {r.location, inserted},
                              inserted - r.length);
}

namespace {

QTextCharFormat formatFor(TextStorage::Peer& peer, const Ref<Dictionary>& attributes) {
    QTextCharFormat format;
    if (!attributes)
        return format;
    auto& sets = peer.attributeSets;
    auto known = std::find(sets.begin(), sets.end(), attributes);
    if (known == sets.end())
        known = sets.insert(sets.end(), attributes);
    format.setProperty(kAttributeSetProperty, static_cast<int>(known - sets.begin()));
    const auto value = [&](const Ref<String>& key) { return attributes->objectForKey(key); };
    if (const auto font = value(FontAttributeName()); font && font->as<Font>())
        format.setFont(font->as<Font>()->peer().font);
    if (const auto color = value(ForegroundColorAttributeName()); color && color->as<Color>())
        format.setForeground(detail::toQColor(*color->as<Color>()));
    if (const auto color = value(BackgroundColorAttributeName()); color && color->as<Color>())
        format.setBackground(detail::toQColor(*color->as<Color>()));
    return format;
}

} // namespace

void TextStorage::replaceCharactersInRangeWithAttributedString(
    Range range, const Ref<AttributedString>& string) {
    const Range r = clamped(range);
    QTextCursor cursor(&peer_->document);
    cursor.setPosition(static_cast<int>(r.location));
    cursor.setPosition(static_cast<int>(r.maxRange()), QTextCursor::KeepAnchor);
    const Ref<String> text = string ? string->string() : nullptr;
    cursor.insertText(detail::toQString(text),
                      formatFor(*peer_, string ? string->attributes() : nullptr));
    const auto inserted = static_cast<std::int64_t>(text ? text->length() : 0);
    editedRangeChangeInLength(TextStorageEditActions::EditedCharacters |
                                  TextStorageEditActions::EditedAttributes,
                              {r.location, inserted}, inserted - r.length);
}

void TextStorage::setAttributesRange(const Ref<Dictionary>& attributes, Range range) {
    const Range r = clamped(range);
    if (r.length == 0)
        return;
    QTextCursor cursor(&peer_->document);
    cursor.setPosition(static_cast<int>(r.location));
    cursor.setPosition(static_cast<int>(r.maxRange()), QTextCursor::KeepAnchor);
    cursor.setCharFormat(formatFor(*peer_, attributes));
    editedRangeChangeInLength(TextStorageEditActions::EditedAttributes, r, 0);
}

Ref<Dictionary> TextStorage::attributesAtIndexEffectiveRange(std::size_t index,
                                                             Range* effective) const {
    if (index >= length())
        return nullptr;
    const auto position = static_cast<int>(index);
    const QTextBlock block = peer_->document.findBlock(position);
    Range run{position, 1};
    QTextCharFormat format;
    // A line break belongs to no fragment of its block and has the block's own format.
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (position >= fragment.position() && position < fragment.position() + fragment.length()) {
            run = {fragment.position(), fragment.length()};
            format = fragment.charFormat();
            break;
        }
    }
    if (effective)
        *effective = run;
    const QVariant set = format.property(kAttributeSetProperty);
    if (!set.isValid())
        return Dictionary::dictionary();
    return peer_->attributeSets[static_cast<std::size_t>(set.toInt())];
}

void TextStorage::editedRangeChangeInLength(std::uint64_t mask, Range range, std::int64_t delta) {
    // What the delegate changes while it hears of an edit belongs to that edit.
    if (processing_)
        return;
    const auto d = delegate();
    if (!d)
        return;
    editedMask_ = mask;
    editedRange_ = range;
    changeInLength_ = delta;
    const auto self = as<TextStorage>();
    processing_ = true;
    d->textStorageWillProcessEditingRangeChangeInLength(self, mask, range, delta);
    d->textStorageDidProcessEditingRangeChangeInLength(self, editedMask_, editedRange_,
                                                       changeInLength_);
    processing_ = false;
    editedMask_ = 0;
    editedRange_ = {0, 0};
    changeInLength_ = 0;
}

} // namespace platform

#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>
#include <memory>

namespace platform {

class AttributedString;
class Dictionary;
class TextStorageDelegate;

// What an edit of a text storage changed, with the framework's bit values.
namespace TextStorageEditActions {
inline constexpr std::uint64_t EditedAttributes = 1;
inline constexpr std::uint64_t EditedCharacters = 2;
} // namespace TextStorageEditActions

// The text a text view shows and edits: characters, counted in UTF-16 code units as String
// counts them, each with a dictionary of attributes (see AttributedString for the keys that
// change how text looks; further keys are kept as they were given).
//
// Every line break is kept as a line feed: a carriage return or a paragraph separator the
// program or the user inserts becomes one, so the length never changes on the way in. Ranges
// that reach past the end are cut at the end. Text inserted with a plain string takes the
// attributes of the character before it (of the first character at the start).
class TextStorage : public Object {
public:
    TextStorage();
    ~TextStorage() override;

    std::size_t length() const;
    Ref<String> string() const;
    // The text of the range, attributes left aside.
    Ref<String> substringWithRange(Range range) const;

    void replaceCharactersInRangeWithString(Range range, const Ref<String>& string);
    void replaceCharactersInRangeWithAttributedString(Range range,
                                                      const Ref<AttributedString>& string);
    void setAttributesRange(const Ref<Dictionary>& attributes, Range range);
    // The attributes of the character at the index, and the run of characters around it that
    // has the same ones; none past the end. Text never given attributes has an empty dictionary.
    Ref<Dictionary> attributesAtIndexEffectiveRange(std::size_t index, Range* effective) const;

    // Tells the delegate of an edit made to the text, as the storage's own changes do; for the
    // platform's editors, which change the text by other means.
    void editedRangeChangeInLength(std::uint64_t editedMask, Range range, std::int64_t delta);

    // The edit being processed, while the delegate hears of it.
    std::uint64_t editedMask() const { return editedMask_; }
    Range editedRange() const { return editedRange_; }
    std::int64_t changeInLength() const { return changeInLength_; }

    std::shared_ptr<TextStorageDelegate> delegate() const { return delegate_.lock(); }
    // Held weakly, as a window holds its delegate.
    void setDelegate(const std::shared_ptr<TextStorageDelegate>& delegate) { delegate_ = delegate; }

    // Internal to the platform: the toolkit document that holds the text.
    struct Peer;
    Peer& peer() const { return *peer_; }

private:
    // Selects the range, cut at the end of the text, in a cursor of the document.
    Range clamped(Range range) const;

    std::unique_ptr<Peer> peer_;
    std::weak_ptr<TextStorageDelegate> delegate_;
    std::uint64_t editedMask_ = 0;
    Range editedRange_{0, 0};
    std::int64_t changeInLength_ = 0;
    bool processing_ = false;
};

} // namespace platform

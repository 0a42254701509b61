#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/views/AccessibleText.h"
#include "platform/views/View.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace platform {
class Array;
class Color;
class Dictionary;
class MutableString;
class String;
} // namespace platform

class CUI_PrintToWindowItem;
class CUI_PrintToWindowScrollView;

// A text console: everything printed since it was last cleared, kept as an ordered list of
// items placed in the view's flipped coordinates (origin top left, y down). Each print is cut
// at its newlines into pieces, each piece becomes a text item at the pen, and the pen moves on.
// Text is never wrapped or laid out again. The view grows downwards as content is added.
// Screen readers read the console as a document: its textString, the caret at the pen's place
// in it, each print announced as it comes, and the colour of each run.
class CUI_PrintToWindowView : public platform::View, public platform::AccessibleText {
public:
    using ItemList = std::vector<platform::Ref<CUI_PrintToWindowItem>>;

    // The character that, ending a print, keeps the pen on the line (backspace).
    static constexpr char16_t NoNewlineMarker = 8;

    explicit CUI_PrintToWindowView(platform::Rect frame);
    ~CUI_PrintToWindowView() override;
    static platform::Ref<CUI_PrintToWindowView> viewWithFrame(platform::Rect frame);

    // Fields. Every setter only stores.
    bool flipView() const { return flipView_; }
    void setFlipView(bool value) { flipView_ = value; }
    // The scroll view that hosts the console; it owns the console, so this does not own it.
    platform::Ref<CUI_PrintToWindowScrollView> scrollView() const { return scrollView_.lock(); }
    void setScrollView(const platform::Ref<CUI_PrintToWindowScrollView>& scrollView) {
        scrollView_ = scrollView;
    }
    // The items, made as objects when first asked for: until then the console keeps its text
    // items in a compact form of its own. Asking again gives the same objects.
    const ItemList& items() const;
    // The console follows changes made to its items through their setters, so that a redraw
    // shows them.
    void setItems(ItemList items);
    // Everything printed since the last clear, newlines added by printing included; made when
    // first asked for, and from then on printing appends to it.
    const platform::Ref<platform::MutableString>& textString() const;
    void setTextString(platform::Ref<platform::MutableString> text);
    double textInset() const { return textInset_; }
    void setTextInset(double inset) { textInset_ = inset; }
    double viewH() const { return viewH_; }
    void setViewH(double value) { viewH_ = value; }
    double viewW() const { return viewW_; }
    void setViewW(double value) { viewW_ = value; }
    const platform::Ref<platform::Dictionary>& currentAttributes() const {
        return currentAttributes_;
    }
    void setCurrentAttributes(platform::Ref<platform::Dictionary> attributes) {
        currentAttributes_ = std::move(attributes);
    }
    std::int64_t currentAlignment() const { return currentAlignment_; }
    void setCurrentAlignment(std::int64_t alignment) { currentAlignment_ = alignment; }
    double currentLineWidth() const { return currentLineWidth_; }
    void setCurrentLineWidth(double width) { currentLineWidth_ = width; }
    std::uint64_t currentLineCapStyle() const { return currentLineCapStyle_; }
    void setCurrentLineCapStyle(std::uint64_t style) { currentLineCapStyle_ = style; }
    const platform::Ref<platform::Array>& currentLineDashPattern() const {
        return currentLineDashPattern_;
    }
    void setCurrentLineDashPattern(platform::Ref<platform::Array> pattern) {
        currentLineDashPattern_ = std::move(pattern);
    }
    double currentLineDashPhase() const { return currentLineDashPhase_; }
    void setCurrentLineDashPhase(double phase) { currentLineDashPhase_ = phase; }
    const platform::Ref<platform::Color>& currentStrokeColor() const { return currentStrokeColor_; }
    void setCurrentStrokeColor(platform::Ref<platform::Color> color) {
        currentStrokeColor_ = std::move(color);
    }
    const platform::Ref<platform::Color>& currentFillColor() const { return currentFillColor_; }
    void setCurrentFillColor(platform::Ref<platform::Color> color) {
        currentFillColor_ = std::move(color);
    }
    // The pen: where the next piece of text starts.
    platform::Point currentPoint() const { return currentPoint_; }
    void setCurrentPoint(platform::Point point) { currentPoint_ = point; }
    // The graphic pen: where the next connected line starts.
    platform::Point currentLinePoint() const { return currentLinePoint_; }
    void setCurrentLinePoint(platform::Point point) { currentLinePoint_ = point; }

    // Printing. Both return the pen after the print.
    platform::Point addString(const platform::Ref<platform::String>& string);
    platform::Point addStringAt(const platform::Ref<platform::String>& string,
                                platform::Point point);
    // Moves the pen to a character cell of the current font; column 0 is x = 0.
    void setColumnRow(double column, double row);

    // Attributes of later prints.
    void setFontName(const platform::Ref<platform::String>& name);
    void setFontSize(double size);
    void setForegroundColor(platform::Ref<platform::Color> color);
    void setBackgroundColor(platform::Ref<platform::Color> color);
    void setAttributes(const platform::Ref<platform::Dictionary>& attributes);
    void setAlignment(std::int64_t alignment) { currentAlignment_ = alignment; }
    void setTabInterval(double interval);
    void resetAttributes();

    void clear();
    // Grows the view to hold content reaching down to y.
    void fixFrameHeight(double y);

    // Graphic items, drawn with the view's line style.
    void setLineStyleForItem(const platform::Ref<CUI_PrintToWindowItem>& item) const;
    // Points are point values; see the algorithm for how the run starts.
    void addLinesFromCurrentLocation(const platform::Ref<platform::Array>& points,
                                     bool fromCurrentLocation);
    void addRectWithRectStrokeColorFillColor(platform::Rect rect,
                                             platform::Ref<platform::Color> strokeColor,
                                             platform::Ref<platform::Color> fillColor);
    void addOvalWithRectStrokeColorFillColor(platform::Rect rect,
                                             platform::Ref<platform::Color> strokeColor,
                                             platform::Ref<platform::Color> fillColor);

    bool isFlipped() const override { return flipView_; }
    void drawRect(platform::Rect dirtyRect) override;

    platform::Ref<platform::String> accessibilityValue() const override;
    std::int64_t accessibilityInsertionPointIndex() const override;
    platform::Ref<platform::Color>
    accessibilityForegroundColorAtIndex(std::int64_t index, platform::Range& run) const override;

    // The content as a new list of new dictionaries, one per item, with the keys "type", "pt",
    // "pt1", "pt2", "rect", "lineWidth", "lineCapStyle", "lineDashPhase", "strokeFlag" and
    // "fillFlag" in this order, then those of "text", "attributes", "lineDashPattern",
    // "strokeColor" and "fillColor" that the item has. The values are the items' own objects.
    platform::Ref<platform::Array> itemArray() const;

    // Drawing leaves out items that lie wholly outside the area being redrawn, which changes
    // nothing that can be seen. Turning it off draws every item on every pass, so that the
    // two can be compared.
    bool skipsItemsOutsideDirtyRect() const { return skipsItemsOutsideDirtyRect_; }
    void setSkipsItemsOutsideDirtyRect(bool value) { skipsItemsOutsideDirtyRect_ = value; }

private:
    friend class CUI_PrintToWindowItem;

    // An item as the console keeps it: a text item as plain fields (its text a range of the
    // printed text, its attributes one of the shared attribute sets), or an item object.
    struct Slot {
        platform::Point pt;
        // A text item's first character in text_; an object's place in objects_.
        std::uint64_t start = 0;
        std::uint32_t length = 0;
        // A text item's attribute set, or objectSlot.
        std::uint32_t attributes = 0;
    };
    static constexpr std::uint32_t objectSlot = 0xFFFFFFFF;
    // Attributes that text items share; never changed once made, and never handed out.
    struct AttributeSet {
        platform::Ref<platform::Dictionary> attributes;
        double lineHeight = 0;
    };
    class DrawingIndex;

    double lineHeight() const;
    void appendItem(platform::Ref<CUI_PrintToWindowItem> item);
    void appendText(std::size_t start, std::size_t length, platform::Point pt,
                    std::uint32_t attributeSet);
    // The width of a piece of text_ laid out with an attribute set.
    double widthOfPiece(std::size_t start, std::size_t length, std::uint32_t attributeSet);
    // The attribute set equal to the current attributes, made if no recent one is.
    std::uint32_t currentAttributeSet();
    // The slot's item as an object, made now for a text item kept in plain fields.
    const platform::Ref<CUI_PrintToWindowItem>& objectOf(std::size_t slot) const;
    void forgetItems();
    // A rectangle or oval with the view's line style and the colours given.
    void addShape(std::uint64_t type, platform::Rect rect,
                  platform::Ref<platform::Color> strokeColor,
                  platform::Ref<platform::Color> fillColor);
    void adopt(CUI_PrintToWindowItem& item);
    void release(CUI_PrintToWindowItem& item);
    void itemDidChange();
    void drawItem(const CUI_PrintToWindowItem& item) const;
    void drawSlot(const Slot& slot) const;

    bool flipView_ = true;
    std::weak_ptr<CUI_PrintToWindowScrollView> scrollView_;
    // The content in print order. They are mutable because asking for the items or the text
    // makes objects of what was kept compact, which changes nothing a program can see.
    mutable std::vector<Slot> slots_;
    mutable ItemList objects_;
    // The items as objects, in order, for the slots they cover so far.
    mutable ItemList items_;
    // The text printed since the last clear; text items are ranges of it.
    std::u16string text_;
    std::vector<AttributeSet> attributeSets_;
    // Where in text_ each run of prints with the same attribute set begins, for screen readers.
    struct Run {
        std::uint64_t start = 0;
        std::uint32_t attributeSet = 0;
    };
    std::vector<Run> runs_;
    std::uint32_t currentAttributeSet_ = objectSlot;
    // Widths of pieces measured lately, by attribute set (the first two characters) and text.
    std::unordered_map<std::u16string, double> widthCache_;
    mutable platform::Ref<platform::MutableString> textString_;
    // While textString is present but not yet made, where its text begins in text_.
    mutable std::optional<std::size_t> pendingTextFrom_;
    double textInset_ = 3.0;
    double viewH_ = 0;
    double viewW_ = 0;
    platform::Ref<platform::Dictionary> currentAttributes_;
    std::int64_t currentAlignment_ = 0;
    double currentLineWidth_ = 1.0;
    std::uint64_t currentLineCapStyle_ = 0;
    platform::Ref<platform::Array> currentLineDashPattern_;
    double currentLineDashPhase_ = 0;
    platform::Ref<platform::Color> currentStrokeColor_;
    platform::Ref<platform::Color> currentFillColor_;
    platform::Point currentPoint_;
    platform::Point currentLinePoint_;

    bool skipsItemsOutsideDirtyRect_ = true;
    std::unique_ptr<DrawingIndex> index_;
};

#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>
#include <vector>

namespace platform {
class Array;
class Color;
class Dictionary;
class String;
} // namespace platform

class CUI_PrintToWindowView;

// One piece of a console's content: a text placed at a point, a line, a rectangle or an oval.
class CUI_PrintToWindowItem : public platform::Object {
public:
    // Kinds of item; drawing treats every code other than line, rectangle and oval as text.
    static constexpr std::uint64_t TypeText = 0;
    static constexpr std::uint64_t TypeLine = 1;
    static constexpr std::uint64_t TypeRect = 2;
    static constexpr std::uint64_t TypeOval = 3;

    CUI_PrintToWindowItem() = default;
    // A text item; it keeps copies of the string and of the attribute dictionary.
    CUI_PrintToWindowItem(const platform::Ref<platform::String>& string, platform::Point point,
                          const platform::Ref<platform::Dictionary>& attributes);
    // A line item; its line style stays zero until a console applies its own.
    CUI_PrintToWindowItem(platform::Point linePoint1, platform::Point linePoint2);
    // An item of the given kind bounded by a rectangle (a rectangle or an oval).
    CUI_PrintToWindowItem(std::int64_t type, platform::Rect rect,
                          platform::Ref<platform::Color> strokeColor,
                          platform::Ref<platform::Color> fillColor);
    ~CUI_PrintToWindowItem() override = default;

    static platform::Ref<CUI_PrintToWindowItem>
    itemWithStringPointAttributes(const platform::Ref<platform::String>& string,
                                  platform::Point point,
                                  const platform::Ref<platform::Dictionary>& attributes);
    static platform::Ref<CUI_PrintToWindowItem> itemWithLinePoint1LinePoint2(platform::Point p1,
                                                                             platform::Point p2);
    static platform::Ref<CUI_PrintToWindowItem>
    itemWithTypeRectStrokeColorFillColor(std::int64_t type, platform::Rect rect,
                                         platform::Ref<platform::Color> strokeColor,
                                         platform::Ref<platform::Color> fillColor);

    bool strokeFlag() const { return strokeFlag_; }
    void setStrokeFlag(bool value) { strokeFlag_ = value; }
    bool fillFlag() const { return fillFlag_; }
    void setFillFlag(bool value) { fillFlag_ = value; }
    std::uint64_t type() const { return type_; }
    void setType(std::uint64_t type);
    const platform::Ref<platform::String>& string() const { return string_; }
    void setString(platform::Ref<platform::String> string);
    const platform::Ref<platform::Dictionary>& attributes() const { return attributes_; }
    void setAttributes(platform::Ref<platform::Dictionary> attributes);
    double lineWidth() const { return lineWidth_; }
    void setLineWidth(double width);
    std::uint64_t lineCapStyle() const { return lineCapStyle_; }
    void setLineCapStyle(std::uint64_t style);
    // Dash lengths as numbers; none draws a solid line.
    const platform::Ref<platform::Array>& lineDashPattern() const { return lineDashPattern_; }
    void setLineDashPattern(platform::Ref<platform::Array> pattern);
    double lineDashPhase() const { return lineDashPhase_; }
    void setLineDashPhase(double phase);
    const platform::Ref<platform::Color>& strokeColor() const { return strokeColor_; }
    void setStrokeColor(platform::Ref<platform::Color> color);
    const platform::Ref<platform::Color>& fillColor() const { return fillColor_; }
    void setFillColor(platform::Ref<platform::Color> color);
    platform::Point pt() const { return pt_; }
    void setPt(platform::Point point);
    platform::Point linePt1() const { return linePt1_; }
    void setLinePt1(platform::Point point);
    platform::Point linePt2() const { return linePt2_; }
    void setLinePt2(platform::Point point);
    platform::Rect rect() const { return rect_; }
    void setRect(platform::Rect rect);

private:
    friend class CUI_PrintToWindowView;
    // Tells the consoles that hold the item that what they draw has changed.
    void changed();

    bool strokeFlag_ = false;
    bool fillFlag_ = false;
    std::uint64_t type_ = TypeText;
    platform::Ref<platform::String> string_;
    platform::Ref<platform::Dictionary> attributes_;
    double lineWidth_ = 0;
    std::uint64_t lineCapStyle_ = 0;
    platform::Ref<platform::Array> lineDashPattern_;
    double lineDashPhase_ = 0;
    platform::Ref<platform::Color> strokeColor_;
    platform::Ref<platform::Color> fillColor_;
    platform::Point pt_;
    platform::Point linePt1_;
    platform::Point linePt2_;
    platform::Rect rect_;
    // The consoles whose item lists hold the item; they keep this up to date.
    std::vector<CUI_PrintToWindowView*> owners_;
};

#pragma once

// The shared event record: the runtime fills its fields before it hands an event to a callback,
// the callback reads them and writes its answers into them, and the runtime reads the answers
// back afterwards. One record exists, created on first use and never released. Fields keep
// their values from one event to the next.

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>
#include <utility>

namespace platform {
class Array;
class Color;
class Data;
class DraggingInfo;
class Font;
class Menu;
class Pasteboard;
class String;
class URL;
class View;
} // namespace platform

// Every field: its type, its getter name and the name its operations carry. Objects the
// platform has no class for (errors, animation actions, network tasks, tint configurations,
// table columns) are plain objects.
#define CUI_DIALOG_EVENT_FIELDS(X)                                                                 \
    X(bool, boolVal, BoolVal)                                                                      \
    X(float, floatVal, FloatVal)                                                                   \
    X(std::int64_t, longVal, LongVal)                                                              \
    X(double, doubleVal, DoubleVal)                                                                \
    X(platform::Ref<platform::Object>, errorObj, ErrorObj)                                         \
    X(std::int64_t, viewTag, ViewTag)                                                              \
    X(platform::Ref<platform::Array>, arrayObj, ArrayObj)                                          \
    X(platform::Ref<platform::URL>, urlObj, UrlObj)                                                \
    X(platform::Ref<platform::URL>, otherUrlObj, OtherUrlObj)                                      \
    X(platform::Ref<platform::DraggingInfo>, dragInfo, DragInfo)                                   \
    X(platform::Ref<platform::Array>, pbTypes, PbTypes)                                            \
    X(platform::Ref<platform::String>, stringObj, StringObj)                                       \
    X(platform::Ref<platform::Font>, fontObj, FontObj)                                             \
    X(platform::Ref<platform::Color>, colorObj, ColorObj)                                          \
    X(platform::Ref<platform::View>, viewObj, ViewObj)                                             \
    X(platform::Ref<platform::Object>, object, Object)                                             \
    X(platform::Ref<platform::Menu>, menuObj, MenuObj)                                             \
    X(platform::Ref<platform::Pasteboard>, pasteboardObj, PasteboardObj)                           \
    X(void*, context, Context)                                                                     \
    X(void*, cgContextObj, CgContextObj)                                                           \
    X(platform::Ref<platform::Object>, caAction, CaAction)                                         \
    X(platform::Ref<platform::Object>, URLSessionTaskObj, URLSessionTaskObj)                       \
    X(platform::Ref<platform::Object>, URLSessionDataTaskObj, URLSessionDataTaskObj)               \
    X(platform::Ref<platform::Data>, dataObj, DataObj)                                             \
    X(platform::Ref<platform::Object>, tintConfigurationObj, TintConfigurationObj)                 \
    X(platform::Ref<platform::Object>, tableColumnObj, TableColumnObj)                             \
    X(platform::Point, pointVal, PointVal)                                                         \
    X(platform::Size, sizeVal, SizeVal)                                                            \
    X(platform::Range, rangeVal, RangeVal)                                                         \
    X(platform::Rect, rectVal, RectVal)

class CUI_DialogEvent : public platform::Object {
public:
    // The one record, created on first use.
    static CUI_DialogEvent& shared();

#define CUI_DIALOG_EVENT_ACCESSORS(Type, name, Name)                                               \
    Type name() const {                                                                            \
        return name##_;                                                                            \
    }                                                                                              \
    void set##Name(Type value) {                                                                   \
        name##_ = std::move(value);                                                                \
    }
    CUI_DIALOG_EVENT_FIELDS(CUI_DIALOG_EVENT_ACCESSORS)
#undef CUI_DIALOG_EVENT_ACCESSORS

private:
#define CUI_DIALOG_EVENT_STORAGE(Type, name, Name) Type name##_{};
    CUI_DIALOG_EVENT_FIELDS(CUI_DIALOG_EVENT_STORAGE)
#undef CUI_DIALOG_EVENT_STORAGE
};

// One write and one read of each field of the shared record, for example DialogEventSetBoolVal
// and DialogEventBoolVal; each creates the record first when it does not exist yet.
#define CUI_DIALOG_EVENT_OPERATIONS(Type, name, Name)                                              \
    void DialogEventSet##Name(Type value);                                                         \
    Type DialogEvent##Name();
CUI_DIALOG_EVENT_FIELDS(CUI_DIALOG_EVENT_OPERATIONS)
#undef CUI_DIALOG_EVENT_OPERATIONS

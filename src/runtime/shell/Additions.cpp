#include "runtime/shell/Additions.h"

#include "platform/foundation/Array.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/Value.h"
#include "platform/services/SavePanel.h"
#include "platform/views/TextStorage.h"
#include "platform/views/View.h"
#include "platform/windows/Alert.h"
#include "platform/windows/Menu.h"
#include "platform/windows/MenuItem.h"
#include "platform/windows/Popover.h"
#include "platform/windows/Window.h"

namespace Additions {

namespace {

// A callback stored on an object: function pointers are not object pointers, so they travel in
// a box of their own rather than as a pointer value.
template <class Callback>
class CallbackBox : public platform::Object {
public:
    explicit CallbackBox(Callback stored) : callback_(stored) {}
    Callback callback() const { return callback_; }

private:
    Callback callback_;
};

template <class Callback>
Callback attachedCallback(const platform::Object& object, std::string_view key) {
    const auto box = std::dynamic_pointer_cast<CallbackBox<Callback>>(object.attachedProperty(key));
    return box ? box->callback() : nullptr;
}

template <class Callback>
void setAttachedCallback(platform::Object& object, std::string_view key, Callback callback) {
    object.setAttachedProperty(key, callback ? std::make_shared<CallbackBox<Callback>>(callback)
                                             : nullptr);
}

template <class T>
platform::Ref<T> attachedObject(const platform::Object& object, std::string_view key) {
    return std::dynamic_pointer_cast<T>(object.attachedProperty(key));
}

bool attachedBool(const platform::Object& object, std::string_view key) {
    const auto number = attachedObject<platform::Number>(object, key);
    return number && number->boolValue();
}

void setAttachedBool(platform::Object& object, std::string_view key, bool value) {
    object.setAttachedProperty(key, platform::Number::numberWithBool(value));
}

} // namespace

std::int64_t attachedInteger(const platform::Object& object, std::string_view key) {
    const auto number = attachedObject<platform::Number>(object, key);
    return number ? number->longValue() : 0;
}

void setAttachedInteger(platform::Object& object, std::string_view key, std::int64_t value) {
    object.setAttachedProperty(key, platform::Number::numberWithInteger(value));
}

void* attachedPointer(const platform::Object& object, std::string_view key) {
    const auto value = attachedObject<platform::Value>(object, key);
    return value && value->kind() == platform::Value::Kind::Pointer ? value->pointerValue()
                                                                    : nullptr;
}

void setAttachedPointer(platform::Object& object, std::string_view key, void* value) {
    object.setAttachedProperty(key, platform::Value::valueWithPointer(value));
}

std::int64_t ID(const platform::Object& object) {
    return attachedInteger(object, "IDNumber");
}
void setID(platform::Object& object, std::int64_t value) {
    setAttachedInteger(object, "IDNumber", value);
}
std::int64_t wndTag(const platform::Object& object) {
    return attachedInteger(object, "wndTagNumber");
}
void setWndTag(platform::Object& object, std::int64_t value) {
    setAttachedInteger(object, "wndTagNumber", value);
}
platform::Ref<platform::Dictionary> objectProperties(const platform::Object& object) {
    return attachedObject<platform::Dictionary>(object, "objProperties");
}
void setObjectProperties(platform::Object& object, platform::Ref<platform::Dictionary> value) {
    object.setAttachedProperty("objProperties", std::move(value));
}

std::int64_t tag(const platform::Window& window) {
    return attachedInteger(window, "tagNumber");
}
void setTag(platform::Window& window, std::int64_t value) {
    setAttachedInteger(window, "tagNumber", value);
}
WindowCallback cuiWindowCallback(const platform::Window& window) {
    return attachedCallback<WindowCallback>(window, "callbackValue");
}
void setCuiWindowCallback(platform::Window& window, WindowCallback callback) {
    setAttachedCallback(window, "callbackValue", callback);
}
void* cuiWindowUserData(const platform::Window& window) {
    return attachedPointer(window, "userDataValue");
}
void setCuiWindowUserData(platform::Window& window, void* userData) {
    setAttachedPointer(window, "userDataValue", userData);
}

std::int64_t tag(const platform::Alert& alert) {
    return attachedInteger(alert, "tagNumber");
}
void setTag(platform::Alert& alert, std::int64_t value) {
    setAttachedInteger(alert, "tagNumber", value);
}
bool sheet(const platform::Alert& alert) {
    return attachedBool(alert, "sheetNumber");
}
void setSheet(platform::Alert& alert, bool value) {
    setAttachedBool(alert, "sheetNumber", value);
}

std::int64_t tag(const platform::SavePanel& panel) {
    return attachedInteger(panel, "tagNumber");
}
void setTag(platform::SavePanel& panel, std::int64_t value) {
    setAttachedInteger(panel, "tagNumber", value);
}
bool sheet(const platform::SavePanel& panel) {
    return attachedBool(panel, "sheetNumber");
}
void setSheet(platform::SavePanel& panel, bool value) {
    setAttachedBool(panel, "sheetNumber", value);
}

std::int64_t tag(const platform::Menu& menu) {
    return attachedInteger(menu, "tagNumber");
}
void setTag(platform::Menu& menu, std::int64_t value) {
    setAttachedInteger(menu, "tagNumber", value);
}
std::int64_t tag(const platform::Popover& popover) {
    return attachedInteger(popover, "tagNumber");
}
void setTag(platform::Popover& popover, std::int64_t value) {
    setAttachedInteger(popover, "tagNumber", value);
}

MenuItemCallback cuiMenuItemCallback(const platform::MenuItem& item) {
    return attachedCallback<MenuItemCallback>(item, "callbackValue");
}
void setCuiMenuItemCallback(platform::MenuItem& item, MenuItemCallback callback) {
    setAttachedCallback(item, "callbackValue", callback);
}
void* cuiMenuItemUserData(const platform::MenuItem& item) {
    return attachedPointer(item, "userDataValue");
}
void setCuiMenuItemUserData(platform::MenuItem& item, void* userData) {
    setAttachedPointer(item, "userDataValue", userData);
}

ControlCallback cuiControlCallback(const platform::View& control) {
    return attachedCallback<ControlCallback>(control, "callbackValue");
}
void setCuiControlCallback(platform::View& control, ControlCallback callback) {
    setAttachedCallback(control, "callbackValue", callback);
}
void* cuiControlUserData(const platform::View& control) {
    return attachedPointer(control, "userDataValue");
}
void setCuiControlUserData(platform::View& control, void* userData) {
    setAttachedPointer(control, "userDataValue", userData);
}

bool suspendDrawRect(const platform::View& view) {
    return attachedBool(view, "suspendDrawRectNumber");
}
void setSuspendDrawRect(platform::View& view, bool value) {
    setAttachedBool(view, "suspendDrawRectNumber", value);
}
bool flipFlag(const platform::View& view) {
    return attachedBool(view, "flipFlagNumber");
}
void setFlipFlag(platform::View& view, bool value) {
    setAttachedBool(view, "flipFlagNumber", value);
}
bool responderFlag(const platform::View& view) {
    return attachedBool(view, "responderFlagNumber");
}
void setResponderFlag(platform::View& view, bool value) {
    setAttachedBool(view, "responderFlagNumber", value);
}
bool dragInsideFlag(const platform::View& view) {
    return attachedBool(view, "dragInsideFlagNumber");
}
void setDragInsideFlag(platform::View& view, bool value) {
    setAttachedBool(view, "dragInsideFlagNumber", value);
}
platform::Ref<platform::Array> dragFileTypes(const platform::View& view) {
    return attachedObject<platform::Array>(view, "dragFileTypesArray");
}
void setDragFileTypes(platform::View& view, platform::Ref<platform::Array> value) {
    view.setAttachedProperty("dragFileTypesArray", std::move(value));
}
platform::Ref<platform::Array> dragFileExtensions(const platform::View& view) {
    return attachedObject<platform::Array>(view, "dragFileExtensionsArray");
}
void setDragFileExtensions(platform::View& view, platform::Ref<platform::Array> value) {
    view.setAttachedProperty("dragFileExtensionsArray", std::move(value));
}

OutlineViewCallback cuiOutlineViewCallback(const platform::View& outlineView) {
    return attachedCallback<OutlineViewCallback>(outlineView, "outlineViewCallbackValue");
}
void setCuiOutlineViewCallback(platform::View& outlineView, OutlineViewCallback callback) {
    setAttachedCallback(outlineView, "outlineViewCallbackValue", callback);
}

TableDelegateCallback delegateCallback(const platform::View& table) {
    return attachedCallback<TableDelegateCallback>(table, "delegateCallbackValue");
}
void setDelegateCallback(platform::View& table, TableDelegateCallback callback) {
    setAttachedCallback(table, "delegateCallbackValue", callback);
}
CustomCellCallback customCellCallback(const platform::View& table) {
    return attachedCallback<CustomCellCallback>(table, "customCellCallbackValue");
}
void setCustomCellCallback(platform::View& table, CustomCellCallback callback) {
    setAttachedCallback(table, "customCellCallbackValue", callback);
}
void* customCellUserData(const platform::View& table) {
    return attachedPointer(table, "customCellUserDataValue");
}
void setCustomCellUserData(platform::View& table, void* userData) {
    setAttachedPointer(table, "customCellUserDataValue", userData);
}
platform::Ref<platform::Array> customCellIdentifiers(const platform::View& table) {
    return attachedObject<platform::Array>(table, "customCellIdentifiersArray");
}
void setCustomCellIdentifiers(platform::View& table, platform::Ref<platform::Array> value) {
    table.setAttachedProperty("customCellIdentifiersArray", std::move(value));
}

TextStorageCallback willProcessEditingCallback(const platform::TextStorage& storage) {
    return attachedCallback<TextStorageCallback>(storage, "willProcessEditingCallbackValue");
}
void setCuiTextStorageWillProcessEditingCallback(platform::TextStorage& storage,
                                                 TextStorageCallback callback) {
    setAttachedCallback(storage, "willProcessEditingCallbackValue", callback);
}
void* willProcessEditingUserData(const platform::TextStorage& storage) {
    return attachedPointer(storage, "willProcessEditingUserDataValue");
}
void setCuiTextStorageWillProcessEditingUserData(platform::TextStorage& storage, void* userData) {
    setAttachedPointer(storage, "willProcessEditingUserDataValue", userData);
}
TextStorageCallback didProcessEditingCallback(const platform::TextStorage& storage) {
    return attachedCallback<TextStorageCallback>(storage, "didProcessEditingCallbackValue");
}
void setCuiTextStorageDidProcessEditingCallback(platform::TextStorage& storage,
                                                TextStorageCallback callback) {
    setAttachedCallback(storage, "didProcessEditingCallbackValue", callback);
}
void* didProcessEditingUserData(const platform::TextStorage& storage) {
    return attachedPointer(storage, "didProcessEditingUserDataValue");
}
void setCuiTextStorageDidProcessEditingUserData(platform::TextStorage& storage, void* userData) {
    setAttachedPointer(storage, "didProcessEditingUserDataValue", userData);
}

} // namespace Additions

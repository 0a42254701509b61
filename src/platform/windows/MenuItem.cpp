#include "platform/windows/MenuItem.h"

#include "platform/app/Application.h"
#include "platform/app/Event.h"
#include "platform/foundation/String.h"
#include "platform/windows/Menu.h"
#include "platform/windows/MenuItemValidation.h"

namespace platform {

namespace {

// The modifiers that take part in matching a key equivalent.
constexpr std::uint64_t MatchedModifiers = EventModifierFlag::Shift | EventModifierFlag::Control |
                                           EventModifierFlag::Option | EventModifierFlag::Command;

char16_t lower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

} // namespace

MenuItem::MenuItem()
    : title_(String::create()), keyEquivalent_(String::create()),
      keyEquivalentModifierMask_(EventModifierFlag::Command) {}

MenuItem::MenuItem(Ref<String> title, Selector action, Ref<String> keyEquivalent) : MenuItem() {
    setTitle(std::move(title));
    action_ = std::move(action);
    setKeyEquivalent(std::move(keyEquivalent));
}

Ref<MenuItem> MenuItem::separatorItem() {
    Ref<MenuItem> item(new MenuItem);
    item->separator_ = true;
    item->enabled_ = false;
    return item;
}

void MenuItem::setTitle(Ref<String> title) {
    title_ = title ? std::move(title) : String::create();
    didChange();
}

void MenuItem::setKeyEquivalent(Ref<String> keyEquivalent) {
    keyEquivalent_ = keyEquivalent ? std::move(keyEquivalent) : String::create();
    didChange();
}

void MenuItem::setKeyEquivalentModifierMask(std::uint64_t mask) {
    keyEquivalentModifierMask_ = mask;
    didChange();
}

void MenuItem::setEnabled(bool enabled) {
    enabled_ = enabled;
    didChange();
}

void MenuItem::didChange() {
    if (const auto owner = menu())
        owner->didChange();
}

void MenuItem::setSubmenu(const Ref<Menu>& submenu) {
    if (submenu_)
        submenu_->supermenu_.reset();
    submenu_ = submenu;
    if (submenu_)
        submenu_->supermenu_ = menu_;
    didChange();
}

bool MenuItem::matchesKeyEquivalent(const Event& event) const {
    if (separator_ || keyEquivalent_->length() != 1)
        return false;
    const char16_t key = keyEquivalent_->characterAtIndex(0);
    std::uint64_t wanted = keyEquivalentModifierMask_ & MatchedModifiers;
    if (key >= u'A' && key <= u'Z')
        wanted |= EventModifierFlag::Shift;
    if ((event.modifierFlags() & MatchedModifiers) != wanted)
        return false;
    const auto typed = event.charactersIgnoringModifiers();
    return typed && typed->length() == 1 && lower(typed->characterAtIndex(0)) == lower(key);
}

bool MenuItem::isValidated() {
    const auto receiver = target();
    if (auto* validation = dynamic_cast<MenuItemValidation*>(receiver.get()))
        return validation->validateMenuItem(std::static_pointer_cast<MenuItem>(shared_from_this()));
    return enabled_;
}

bool MenuItem::performAction() {
    if (action_.isNull() || !isValidated())
        return false;
    const auto sender = shared_from_this();
    if (const auto receiver = target())
        return action_.performOn(*receiver, sender);
    return action_.performOn(*Application::shared(), sender);
}

} // namespace platform

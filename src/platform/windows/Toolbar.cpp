#include "platform/windows/Toolbar.h"

#include "platform/app/Application.h"
#include "platform/detail/ModalRun.h"
#include "platform/detail/ToolbarPalette.h"
#include "platform/detail/WindowPeer.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/String.h"
#include "platform/windows/ToolbarDelegate.h"
#include "platform/windows/ToolbarItem.h"
#include "platform/windows/Window.h"

#include <algorithm>

namespace platform {

namespace {

std::vector<Ref<String>> identifiersOf(const Ref<Array>& list) {
    std::vector<Ref<String>> identifiers;
    if (list)
        for (const auto& entry : *list)
            if (auto identifier = entry->as<String>())
                identifiers.push_back(std::move(identifier));
    return identifiers;
}

bool contains(const std::vector<Ref<String>>& identifiers, const Ref<String>& identifier) {
    return std::any_of(identifiers.begin(), identifiers.end(), [&](const Ref<String>& each) {
        return identifier && each->isEqual(*identifier);
    });
}

std::vector<std::string> utf8Of(const std::vector<Ref<String>>& identifiers) {
    std::vector<std::string> texts;
    for (const auto& identifier : identifiers)
        texts.push_back(identifier->utf8());
    return texts;
}

} // namespace

Toolbar::Toolbar(Ref<String> identifier)
    : identifier_(identifier ? std::move(identifier) : String::create()) {}

Toolbar::~Toolbar() {
    for (const auto& item : items_)
        item->toolbar_.reset();
}

void Toolbar::insertItemAtIndex(const Ref<ToolbarItem>& item, std::size_t index) {
    if (!item)
        return;
    const Ref<ToolbarItem> keep = item;
    if (const auto previous = item->toolbar_.lock()) {
        auto& list = previous->items_;
        const auto at = std::find(list.begin(), list.end(), item);
        if (at != list.end()) {
            if (previous.get() == this && static_cast<std::size_t>(at - list.begin()) < index)
                --index;
            list.erase(at);
            if (previous.get() != this)
                previous->changed();
        }
    }
    index = std::min(index, items_.size());
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), item);
    item->toolbar_ = std::static_pointer_cast<Toolbar>(self());
    changed();
}

void Toolbar::removeItemAtIndex(std::size_t index) {
    if (index >= items_.size())
        return;
    items_[index]->toolbar_.reset();
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    changed();
}

void Toolbar::insertItemWithItemIdentifierAtIndex(const Ref<String>& identifier,
                                                  std::size_t index) {
    const auto d = delegate();
    if (!d || !identifier)
        return;
    if (const auto item = d->toolbarItemForItemIdentifier(std::static_pointer_cast<Toolbar>(self()),
                                                          identifier, true))
        insertItemAtIndex(item, index);
}

void Toolbar::setDelegate(const std::shared_ptr<ToolbarDelegate>& delegate) {
    delegate_ = delegate;
    if (items_.empty())
        showItemIdentifiers(defaultItemIdentifiers());
    changed();
}

std::vector<Ref<String>> Toolbar::allowedItemIdentifiers() {
    return ask(&ToolbarDelegate::toolbarAllowedItemIdentifiers);
}

std::vector<Ref<String>> Toolbar::defaultItemIdentifiers() {
    return ask(&ToolbarDelegate::toolbarDefaultItemIdentifiers);
}

std::vector<Ref<String>> Toolbar::selectableItemIdentifiers() {
    return ask(&ToolbarDelegate::toolbarSelectableItemIdentifiers);
}

std::vector<Ref<String>> Toolbar::immovableItemIdentifiers() {
    return ask(&ToolbarDelegate::toolbarImmovableItemIdentifiers);
}

std::vector<Ref<String>> Toolbar::ask(IdentifierQuestion question) {
    const auto d = delegate();
    return identifiersOf(d ? ((*d).*question)(std::static_pointer_cast<Toolbar>(self())) : nullptr);
}

void Toolbar::setSelectedItemIdentifier(Ref<String> identifier) {
    selectedItemIdentifier_ = std::move(identifier);
    changed();
}

void Toolbar::validateVisibleItems() {
    changed();
}

void Toolbar::userChoseItem(const Ref<ToolbarItem>& item) {
    if (!item->isValidated())
        return;
    if (contains(selectableItemIdentifiers(), item->itemIdentifier()))
        setSelectedItemIdentifier(item->itemIdentifier());
    item->performAction();
}

void Toolbar::showItemIdentifiers(const std::vector<Ref<String>>& identifiers) {
    std::vector<Ref<ToolbarItem>> kept = items_;
    while (!items_.empty())
        removeItemAtIndex(items_.size() - 1);
    for (const auto& identifier : identifiers) {
        const auto same = std::find_if(kept.begin(), kept.end(), [&](const Ref<ToolbarItem>& item) {
            return item->itemIdentifier()->isEqual(*identifier);
        });
        if (same != kept.end())
            insertItemAtIndex(*same, items_.size());
        else
            insertItemWithItemIdentifierAtIndex(identifier, items_.size());
    }
}

void Toolbar::runCustomizationPalette(const Ref<Object>&) {
    const auto d = delegate();
    if (!d || paletteRunning_)
        return;
    const auto self = std::static_pointer_cast<Toolbar>(this->self());
    const std::vector<Ref<String>> immovable = immovableItemIdentifiers();
    std::vector<detail::ToolbarPalette::Entry> entries;
    for (const auto& item : items_)
        entries.push_back({item->itemIdentifier()->utf8(), item->label()->utf8(), true,
                           contains(immovable, item->itemIdentifier())});
    for (const auto& identifier : allowedItemIdentifiers()) {
        if (std::any_of(entries.begin(), entries.end(),
                        [&](const auto& entry) { return entry.identifier == identifier->utf8(); }))
            continue;
        const auto item = d->toolbarItemForItemIdentifier(self, identifier, false);
        entries.push_back({identifier->utf8(), item ? item->label()->utf8() : std::string(), false,
                           contains(immovable, identifier)});
    }
    Application::shared()->finishLaunching();
    paletteRunning_ = true;
    const auto shownBy = window();
    detail::ToolbarPalette palette(entries, utf8Of(defaultItemIdentifiers()),
                                   shownBy ? shownBy->peer().widget.data() : nullptr);
    detail::ModalRun run(&palette);
    QObject::connect(&palette, &QDialog::finished, &palette,
                     [&run](int result) { run.stop(result == QDialog::Accepted ? 1 : 0); });
    palette.show();
    const bool accepted = run.exec() == 1;
    paletteRunning_ = false;
    if (!accepted)
        return;
    std::vector<Ref<String>> chosen;
    for (const std::string& identifier : palette.chosen())
        chosen.push_back(String::fromUtf8(identifier));
    showItemIdentifiers(chosen);
}

void Toolbar::setVisible(bool visible) {
    visible_ = visible;
    changed();
}

void Toolbar::setDisplayMode(ToolbarDisplayMode mode) {
    displayMode_ = mode;
    changed();
}

Ref<Window> Toolbar::window() const {
    return window_ ? std::static_pointer_cast<Window>(window_->self()) : nullptr;
}

void Toolbar::changed() {
    if (window_)
        window_->chromeDidChange();
}

} // namespace platform

#include "runtime/shell/AlertOperations.h"

#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_AlertDelegate.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/Tags.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/foundation/Array.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/String.h"
#include "platform/windows/Alert.h"
#include "platform/windows/Window.h"

#include <algorithm>

using platform::Ref;

namespace {

bool given(std::int64_t argument) {
    return argument != kParamNotGiven;
}

// Styles other than the platform's three are ignored.
bool isAlertStyle(std::int64_t style) {
    return style >= 0 && style <= 2;
}

// Takes the alert out of the registry; false when it was not there.
bool unregister(const Ref<platform::Alert>& alert) {
    auto& registry = alertRegistry();
    const auto found = std::find(registry.begin(), registry.end(), alert);
    if (found == registry.end())
        return false;
    registry.erase(found);
    return true;
}

void addButtons(platform::Alert& alert, const Ref<platform::Object>& buttons) {
    if (!buttons)
        return;
    if (const auto titles = buttons->as<platform::String>()) {
        if (titles->isEmpty())
            return;
        const Ref<platform::Array> pieces =
            titles->componentsSeparatedByString(*platform::String::fromUtf8(";"));
        for (const auto& title : *pieces)
            alert.addButtonWithTitle(title->as<platform::String>());
        return;
    }
    if (const auto titles = buttons->as<platform::Array>())
        for (const auto& title : *titles) {
            const auto text = title->as<platform::String>();
            alert.addButtonWithTitle(text ? text : title->description());
        }
}

void setTexts(platform::Alert& alert, const Ref<platform::String>& message,
              const Ref<platform::String>& informative) {
    if (message)
        alert.setMessageText(message);
    if (informative)
        alert.setInformativeText(informative);
}

Ref<platform::Alert> defineAlert(std::int64_t tag, std::int64_t style,
                                 const Ref<platform::Object>& message,
                                 const Ref<platform::String>& informative,
                                 const Ref<platform::Object>& buttons, std::int64_t sheet) {
    const auto error = message ? message->as<platform::Error>() : nullptr;
    Ref<platform::Alert> alert;
    if (error) {
        alert = platform::Alert::alertWithError(error);
    } else {
        alert = std::make_shared<platform::Alert>();
        alert->setAlertStyle(static_cast<platform::AlertStyle>(isAlertStyle(style) ? style : 0));
        addButtons(*alert, buttons);
    }
    if (given(sheet))
        Additions::setSheet(*alert, sheet != 0);
    alert->setDelegate(sharedAlertDelegate());
    Additions::setTag(*alert, tag);
    alertRegistry().push_back(alert);
    if (!error)
        setTexts(*alert, message ? message->as<platform::String>() : nullptr, informative);
    return alert;
}

void updateAlert(platform::Alert& alert, std::int64_t style, const Ref<platform::Object>& message,
                 const Ref<platform::String>& informative, std::int64_t sheet) {
    if (isAlertStyle(style))
        alert.setAlertStyle(static_cast<platform::AlertStyle>(style));
    if (given(sheet))
        Additions::setSheet(alert, sheet != 0);
    if (message && message->isKindOf<platform::Error>())
        return;
    setTexts(alert, message ? message->as<platform::String>() : nullptr, informative);
}

void dismiss(const Ref<platform::Alert>& alert) {
    sharedAlertDelegate()->setLastSuppressionButtonState(alert->suppressionButton()->state());
    alert->closeWindow();
    unregister(alert);
    DialogCallbackCall(AlertEvent::Ended, 0, Additions::tag(*alert), nullptr);
}

std::int64_t show(const Ref<platform::Alert>& alert) {
    std::int64_t windowTag = 0;
    const Ref<platform::Object> current = WindowResolve(windowTag);
    const auto parent = current ? current->as<platform::Window>() : nullptr;
    if (Additions::sheet(*alert) && parent) {
        // The alert keeps itself alive while its sheet is up; a sheet that is dismissed never
        // completes, so holding it strongly here would keep it for ever.
        alert->beginSheetModalForWindowCompletionHandler(
            parent, [weak = platform::WeakRef<platform::Alert>(alert)](std::int64_t response) {
                const Ref<platform::Alert> ended = weak.lock();
                if (!ended)
                    return;
                sharedAlertDelegate()->alertDidEndReturnCodeContextInfo(ended, response, nullptr);
                unregister(ended);
            });
        return 0;
    }
    const std::int64_t response = alert->runModal();
    sharedAlertDelegate()->setLastSuppressionButtonState(alert->suppressionButton()->state());
    // An alert dismissed while it was up has already reported its ending.
    if (unregister(alert))
        DialogCallbackCall(AlertEvent::Ended, response, Additions::tag(*alert), nullptr);
    return response;
}

// The tag an id names: its magnitude from 1 to kObjectThreshold, else 0 for none.
std::int64_t tagOfId(std::int64_t id) {
    if (id < -kObjectThreshold || id > kObjectThreshold)
        return 0;
    return id < 0 ? -id : id;
}

} // namespace

std::vector<Ref<platform::Alert>>& alertRegistry() {
    static std::vector<Ref<platform::Alert>> registry;
    return registry;
}

Ref<platform::Alert> AlertFind(std::int64_t id) {
    if (id <= 0 || id > kObjectThreshold)
        return nullptr;
    for (const auto& alert : alertRegistry())
        if (Additions::tag(*alert) == id)
            return alert;
    return nullptr;
}

std::int64_t AlertRun(std::int64_t id, std::int64_t style, const Ref<platform::Object>& message,
                      const Ref<platform::String>& informative,
                      const Ref<platform::Object>& buttons, std::int64_t sheet) {
    const std::int64_t tag = tagOfId(id);
    if (tag == 0)
        return 0;
    Ref<platform::Alert> alert = AlertFind(tag);
    const bool existed = alert != nullptr;
    if (existed)
        updateAlert(*alert, style, message, informative, sheet);
    else
        alert = defineAlert(tag, style, message, informative, buttons, sheet);
    if (id < 0) {
        if (existed)
            dismiss(alert);
        return 0;
    }
    return show(alert);
}

void AlertButtonKeySet(std::int64_t id, std::int64_t index, const Ref<platform::String>& key) {
    const Ref<platform::Alert> alert = AlertFind(id);
    if (!alert || index < 0 || static_cast<std::size_t>(index) >= alert->buttons().size())
        return;
    alert->buttons()[static_cast<std::size_t>(index)]->setKeyEquivalent(
        key ? key : platform::String::create());
}

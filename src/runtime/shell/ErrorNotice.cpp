#include "runtime/shell/ErrorNotice.h"

#include "runtime/core/RuntimeAlert.h"

#include "platform/app/Application.h"
#include "platform/app/MainQueue.h"
#include "platform/foundation/String.h"

#include <deque>

using platform::Ref;

namespace {

struct Notice {
    Ref<platform::String> messageText;
    Ref<platform::String> informativeText;
    platform::AlertStyle style;
};

std::deque<Notice>& pendingNotices() {
    static std::deque<Notice> notices;
    return notices;
}

bool showScheduled = false;

// Shows the queued notices one at a time. A notice posted while another is on screen waits for
// it, rather than opening over it from the main queue of the alert's own modal run.
void showPendingNotices() {
    auto& notices = pendingNotices();
    while (!notices.empty()) {
        const Notice notice = notices.front();
        notices.pop_front();
        const auto alert = std::make_shared<platform::Alert>();
        alert->setMessageText(notice.messageText);
        alert->setInformativeText(notice.informativeText);
        alert->setAlertStyle(notice.style);
        alert->addButtonWithTitle(RuntimeText("OK"));
        alert->addButtonWithTitle(RuntimeText("Quit"));
        if (alert->runModal() == platform::AlertSecondButtonReturn)
            platform::Application::shared()->terminate();
    }
    showScheduled = false;
}

} // namespace

void ErrorNotice(const Ref<platform::String>& messageText,
                 const Ref<platform::String>& informativeText, platform::AlertStyle style) {
    pendingNotices().push_back({messageText, informativeText, style});
    if (showScheduled)
        return;
    showScheduled = true;
    platform::MainQueue::async(showPendingNotices);
}

// Downloads a file from a small web server that the program starts on 127.0.0.1, showing the
// progress in a bar, and offers the same download from an item in the desktop's status area.
// Each click of Download (or of the status item) fetches 20 MB into a file in the temporary
// directory; Pause stops a download so that the next Download goes on from where it stopped.
// The program then says how many bytes it downloaded: the sentence is spoken
// into a WAVE file and played as a sound, which plays (silently, for as long as it lasts) even
// on a machine without an audio device. Closing the window ends the program; with --once the
// program downloads once, says so and ends by itself. Disks mounted and unmounted meanwhile are
// told in the status item's title.

#include "runtime/core/RuntimeInit.h"
#include "runtime/elements/ElementOperations.h"
#include "runtime/services/CUI_SoundDelegate.h"
#include "runtime/services/CUI_SpeechSynthesizerDelegate.h"
#include "runtime/services/CUI_StatusBarButtonTarget.h"
#include "runtime/services/CUI_URLSessionDelegate.h"
#include "runtime/services/CUI_WorkspaceNotificationCenter.h"
#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_AppDelegate.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/app/Application.h"
#include "platform/app/Workspace.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/services/NotificationCenter.h"
#include "platform/services/Sound.h"
#include "platform/services/SpeechSynthesizer.h"
#include "platform/services/StatusBar.h"
#include "platform/services/StatusItem.h"
#include "platform/services/URLSession.h"
#include "platform/services/URLSessionTask.h"
#include "platform/testing/LocalHttpServer.h"
#include "platform/views/controls/Button.h"
#include "platform/views/controls/ProgressIndicator.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>

using platform::Ref;
using platform::String;

namespace {

constexpr std::int64_t kWindow = 1;
constexpr std::int64_t kDownload = 1;
constexpr std::int64_t kProgress = 2;
constexpr std::int64_t kPause = 3;
constexpr std::int64_t kBytes = 20 * 1000 * 1000;

struct Fetcher {
    // The web server of the example: the test support's, which serves made-up bytes.
    platform::testing::LocalHttpServer server;
    Ref<platform::URLSession> session =
        platform::URLSession::sessionWithDelegate(std::make_shared<CUI_URLSessionDelegate>());
    Ref<platform::URLSessionTask> task;
    // What a paused download goes on from.
    Ref<platform::Data> resumeData;
    Ref<CUI_WorkspaceNotificationCenter> disks;
    Ref<platform::ProgressIndicator> bar;
    Ref<platform::StatusItem> item;
    Ref<CUI_StatusBarButtonTarget> itemTarget;
    Ref<platform::SpeechSynthesizer> synthesizer = platform::SpeechSynthesizer::create();
    std::shared_ptr<CUI_SpeechSynthesizerDelegate> speechDelegate =
        std::make_shared<CUI_SpeechSynthesizerDelegate>();
    std::shared_ptr<CUI_SoundDelegate> soundDelegate = std::make_shared<CUI_SoundDelegate>();
    bool once = false;
};

Fetcher& fetcher() {
    static Fetcher shared;
    return shared;
}

std::string target() {
    return (std::filesystem::temp_directory_path() / "pondaro-fetch.bin").string();
}

std::string spoken() {
    return (std::filesystem::temp_directory_path() / "pondaro-fetch-said.wav").string();
}

void say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    if (fetcher().item)
        fetcher().item->setTitle(String::fromUtf8(line));
}

void finishOnce() {
    if (fetcher().once)
        platform::Application::shared()->stopModal();
}

// Speaks the sentence into the WAVE file; the synthesizer's messages come to speechEvent.
void speak(const std::string& sentence) {
    Fetcher& f = fetcher();
    if (!f.synthesizer) {
        finishOnce();
        return;
    }
    f.synthesizer->startSpeakingStringToURL(
        *String::fromUtf8(sentence), *platform::URL::fileURLWithPath(*String::fromUtf8(spoken())));
}

void speechEvent(const Ref<platform::Object>&, std::int64_t message, void*) {
    Fetcher& f = fetcher();
    if (message == SpeechMessage::DidEncounterError) {
        say("Speech failed: " +
            std::static_pointer_cast<String>(f.speechDelegate->messageVal())->utf8());
    } else if (message == SpeechMessage::DidFinishSpeaking) {
        const auto sound =
            f.speechDelegate->finishedSpeakingVal()
                ? platform::Sound::soundWithContentsOfFile(*String::fromUtf8(spoken()))
                : nullptr;
        if (!sound) {
            finishOnce();
            return;
        }
        // The sound keeps itself alive while it plays; its end reaches the dialog callback.
        sound->setDelegate(f.soundDelegate);
        sound->play();
    }
}

void startDownload() {
    Fetcher& f = fetcher();
    if (f.task && f.task->state() == platform::URLSessionTaskState::Running)
        return;
    if (f.resumeData) {
        f.task = f.session->downloadTaskWithResumeData(std::exchange(f.resumeData, nullptr));
        f.task->resume();
        return;
    }
    const auto url = platform::URL::URLWithString(
        *String::fromUtf8(f.server.url("/bytes/" + std::to_string(kBytes))));
    f.task = f.session->downloadTaskWithURL(url);
    f.bar->setDoubleValue(0);
    say("Downloading " + url->absoluteString()->utf8());
    f.task->resume();
}

void pauseDownload() {
    Fetcher& f = fetcher();
    if (f.task && f.task->state() == platform::URLSessionTaskState::Running)
        f.task->cancelByProducingResumeData(
            [](const Ref<platform::Data>& data) { fetcher().resumeData = data; });
}

// The session's events reach the program here.
void dialog(std::int64_t event, std::int64_t, std::int64_t, const Ref<platform::Object>&) {
    Fetcher& f = fetcher();
    if (event == URLSessionEvent::DidWriteData && f.task->countOfBytesExpectedToReceive() > 0) {
        f.bar->setDoubleValue(100.0 * static_cast<double>(f.task->countOfBytesReceived()) /
                              static_cast<double>(f.task->countOfBytesExpectedToReceive()));
    } else if (event == URLSessionEvent::DidResumeAtOffset) {
        say("Going on from byte " + std::to_string(f.task->countOfBytesReceived()));
    } else if (event == URLSessionEvent::DidFinishDownloading) {
        // The session removes its file once this returns: the program moves it.
        std::filesystem::remove(target());
        std::filesystem::copy_file(DialogEventUrlObj()->path()->utf8(), target());
    } else if (event == URLSessionEvent::DidComplete) {
        const auto error = std::static_pointer_cast<platform::Error>(DialogEventErrorObj());
        if (error && f.resumeData) {
            say("Paused at byte " + std::to_string(f.task->countOfBytesReceived()));
        } else if (error) {
            say("Download failed: " + error->localizedDescription()->utf8());
            finishOnce();
        } else {
            const std::string downloaded =
                "Downloaded " + std::to_string(std::filesystem::file_size(target())) + " bytes";
            say(downloaded + " to " + target());
            speak(downloaded);
        }
    } else if (event == SoundEvent::DidFinishPlaying) {
        say(DialogEventBoolVal() ? "Said it." : "The sentence could not be played.");
        finishOnce();
    }
}

void button(std::int64_t tag, std::int64_t, void*) {
    if (tag == kDownload)
        startDownload();
    if (tag == kPause)
        pauseDownload();
}

void windowEvent(std::int64_t, std::int64_t event, void*) {
    if (event == WindowEvent::WillClose)
        platform::Application::shared()->stopModal();
}

void openWindow() {
    Fetcher& f = fetcher();
    WindowOpen(kWindow, String::fromUtf8("Fetch"), kParamNotGiven, {200, 300, 360, 90});
    f.bar = ElementCreate(kWindow, kProgress, ElementKind::ProgressBar, {10, 55, 340, 20})
                ->as<platform::ProgressIndicator>();
    const auto download =
        ElementCreate(kWindow, kDownload, ElementKind::PushButton, {250, 10, 100, 30})
            ->as<platform::Button>();
    download->setTitle(String::fromUtf8("Download"));
    Additions::setCuiControlCallback(*download, button);
    const auto pause = ElementCreate(kWindow, kPause, ElementKind::PushButton, {140, 10, 100, 30})
                           ->as<platform::Button>();
    pause->setTitle(String::fromUtf8("Pause"));
    Additions::setCuiControlCallback(*pause, button);
    WindowCallbackSet(kWindow, windowEvent, nullptr);
}

void showStatusItem() {
    Fetcher& f = fetcher();
    f.item = platform::StatusBar::systemStatusBar()->statusItemWithLength(-1);
    f.item->setImageName(String::fromUtf8("folder-download"));
    f.itemTarget = std::make_shared<CUI_StatusBarButtonTarget>(
        [](const Ref<platform::Object>&, void*, const Ref<platform::Object>&) { startDownload(); });
    f.item->setTarget(f.itemTarget);
    f.item->setAction(CUI_StatusBarButtonTarget::actionSelector());
}

void watchDisks() {
    Fetcher& f = fetcher();
    f.disks = std::make_shared<CUI_WorkspaceNotificationCenter>(
        [](const Ref<platform::Notification>& notification) {
            const bool mounted = notification->name()->utf8() == "NSWorkspaceDidMountNotification";
            if (!mounted && notification->name()->utf8() != "NSWorkspaceDidUnmountNotification")
                return;
            const auto info =
                std::static_pointer_cast<platform::Dictionary>(notification->userInfo());
            say(std::string(mounted ? "Disk mounted at " : "Disk unmounted from ") +
                info->objectForKey(String::fromUtf8("NSDevicePath"))->description()->utf8());
        },
        nullptr);
    platform::Workspace::sharedWorkspace()->notificationCenter()->addObserverSelectorNameObject(
        f.disks, CUI_NotificationCenter::receiveSelector(), nullptr, nullptr);
}

} // namespace

int main(int argc, char** argv) {
    AppEnsureDelegate();
    RuntimeInit();
    fetcher().once = argc > 1 && std::strcmp(argv[1], "--once") == 0;
    openWindow();
    showStatusItem();
    watchDisks();
    DialogCallbackSet(dialog);
    fetcher().speechDelegate->setCallback(speechEvent);
    if (fetcher().synthesizer)
        fetcher().synthesizer->setDelegate(fetcher().speechDelegate);
    say("Ready: click Download or the status item.");
    if (fetcher().once)
        startDownload();
    platform::Application::shared()->runModalForWindow(WindowWithTag(kWindow));
    return 0;
}

#pragma once

// Runs event loops for tests of sources that fire only while a loop runs.

#include "platform/app/Application.h"
#include "platform/app/RunLoop.h"
#include "platform/windows/Window.h"

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

#include <vector>

namespace platform::looptesting {

// The default-mode loops running, innermost last.
inline std::vector<QEventLoop*> defaultLoops;

// Ends the innermost loop that runLoop started.
inline void stopLoop() {
    if (RunLoop::currentMode() == RunLoopMode::ModalPanel)
        Application::shared()->stopModal();
    else if (!defaultLoops.empty())
        defaultLoops.back()->quit();
}

// Runs a loop in the mode until stopLoop: a modal run of a fresh window in the modal-panel
// mode, and in the default mode a plain loop standing in for the main loop programs never run.
// A loop that nothing stops fails the test: the test main's watchdog aborts a modal run, and a
// toolkit timer, which depends on nothing under test, ends a default-mode loop.
inline void runLoop(RunLoopMode mode) {
    const auto application = Application::shared();
    if (mode == RunLoopMode::ModalPanel) {
        const auto window =
            std::make_shared<Window>(Rect{100, 100, 240, 120}, WindowStyleMask::Titled);
        application->runModalForWindow(window);
        window->close();
        return;
    }
    QEventLoop loop;
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [&loop] {
        ADD_FAILURE() << "nothing stopped the default-mode loop";
        loop.quit();
    });
    safety.start(10000);
    defaultLoops.push_back(&loop);
    {
        RunLoop::ModeScope scope(RunLoopMode::Default);
        loop.exec();
    }
    defaultLoops.pop_back();
}

} // namespace platform::looptesting

#pragma once

// Internal to the platform: one nested run of the event loop that processes events in the
// modal-panel mode until it is stopped. Window modal runs and alerts both use it, so that
// stopping, the innermost run, the blocking of the other windows (see ModalInputFilter) and the
// test scripting treat them alike.

#include <QEventLoop>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace platform::detail {

class ModalRun {
public:
    // The widget is the top-level widget the run belongs to; input is meant for it.
    explicit ModalRun(QWidget* widget);
    ~ModalRun();
    ModalRun(const ModalRun&) = delete;
    ModalRun& operator=(const ModalRun&) = delete;

    // Processes events until stop is called; returns the code given to stop.
    std::int64_t exec();
    // Ends the run once the event being handled returns. Only the first stop counts.
    void stop(std::int64_t code);
    bool isStopped() const { return stopped_; }
    QWidget* widget() const { return widget_; }
    // A number no other run of this process has.
    std::uint64_t id() const { return id_; }
    ModalRun* outer() const { return outer_; }

    // The innermost run, or none.
    static ModalRun* innermost();
    // Called at the start of every run that keys typed ahead did not already end (used by the
    // test scripting).
    static void setStartObserver(std::function<void(ModalRun&)> observer);

private:
    QPointer<QWidget> widget_;
    QEventLoop loop_;
    ModalRun* outer_;
    std::uint64_t id_;
    std::int64_t code_ = 0;
    bool stopped_ = false;
};

} // namespace platform::detail

#pragma once

// Internal to the platform: the toolkit dialog that shows an Alert. It reads the alert's
// texts, style and buttons once, when it is made, and reports the response of the button that
// ends it through a callback. Only its buttons end it: Escape, the window manager's close and
// the toolkit's own rejection do nothing unless a button has the matching key equivalent.

#include <QDialog>
#include <QString>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

class QAbstractButton;
class QCheckBox;

namespace platform {
class Alert;
}

namespace platform::detail {

class AlertDialog : public QDialog {
public:
    AlertDialog(const Alert& alert, QWidget* parent, std::function<void(std::int64_t)> respond);

    bool suppressionChecked() const;
    // The toolkit's rejection (Escape, a close request) never ends an alert.
    void reject() override {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::vector<std::pair<QAbstractButton*, QString>> keyEquivalents_;
    QCheckBox* suppression_ = nullptr;
    std::function<void(std::int64_t)> respond_;
};

} // namespace platform::detail

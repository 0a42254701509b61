#pragma once

// Internal to the platform: the page setup dialog. The toolkit's own dialog needs an installed
// printer, so the platform has its own: paper, orientation and margins, with OK and Cancel.

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QDoubleSpinBox;

namespace platform {
class PrintInfo;
}

namespace platform::detail {

class PageSetupDialog : public QDialog {
public:
    // Shows the info's settings; the paper list gains the info's size when it is no standard one.
    PageSetupDialog(const PrintInfo& info, QWidget* parent);
    // Writes what the dialog shows into the info.
    void apply(PrintInfo& info) const;

private:
    QComboBox* paper_;
    QButtonGroup* orientation_;
    QDoubleSpinBox* margins_[4];
};

} // namespace platform::detail

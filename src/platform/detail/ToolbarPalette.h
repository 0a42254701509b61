#pragma once

// Internal to the platform: the dialog in which the user chooses a toolbar's items. Each allowed
// item is a row with a check box, the items shown now first and checked, in their order;
// immovable items can be neither unchecked nor dragged. Space checks the current row, dragging
// a row moves it, Return keeps the choice and Escape drops it.

#include <QDialog>

#include <string>
#include <vector>

class QListWidget;

namespace platform::detail {

class ToolbarPalette final : public QDialog {
public:
    struct Entry {
        std::string identifier;
        std::string label;
        bool shown = false;
        bool immovable = false;
    };

    ToolbarPalette(const std::vector<Entry>& entries, const std::vector<std::string>& defaults,
                   QWidget* parent);

    // The identifiers of the checked rows, top to bottom.
    std::vector<std::string> chosen() const;

private:
    void fill(const std::vector<Entry>& entries);

    QListWidget* list_;
    std::vector<Entry> entries_;
};

} // namespace platform::detail

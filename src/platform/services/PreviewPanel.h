#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>
#include <memory>

namespace platform {

class PreviewPanel;
class URL;
namespace detail {
struct PreviewWindow;
}

// Where a preview panel gets its items. Each method answers what the panel shows without one.
class PreviewPanelDataSource {
public:
    virtual ~PreviewPanelDataSource();
    virtual std::int64_t numberOfPreviewItemsInPreviewPanel(const Ref<PreviewPanel>& panel);
    // The file of the item, or none to show nothing for it.
    virtual Ref<URL> previewPanelPreviewItemAtIndex(const Ref<PreviewPanel>& panel,
                                                    std::int64_t index);
};

// A window that previews files: images drawn to fit, anything else shown as text. The arrow keys
// move between the items (Left and Up to the previous one, Right and Down to the next), and
// Escape closes the panel.
class PreviewPanel : public Object {
public:
    PreviewPanel();
    ~PreviewPanel() override;
    static Ref<PreviewPanel> sharedPreviewPanel();

    std::shared_ptr<PreviewPanelDataSource> dataSource() const { return dataSource_.lock(); }
    // Not owned, as data sources are not.
    void setDataSource(const std::shared_ptr<PreviewPanelDataSource>& source) {
        dataSource_ = source;
    }

    // Shows the panel with the current item, asking the data source afresh.
    void makeKeyAndOrderFront();
    void orderOut();
    bool isVisible() const;
    // Asks the data source again and shows the current item.
    void reloadData();
    std::int64_t currentPreviewItemIndex() const { return index_; }
    // Kept inside the items; shows the item when the panel is up.
    void setCurrentPreviewItemIndex(std::int64_t index);
    Ref<URL> currentPreviewItem() const { return current_; }

    // The window's toolkit widget, for the test support.
    detail::PreviewWindow& window() const { return *window_; }

private:
    void show();

    std::weak_ptr<PreviewPanelDataSource> dataSource_;
    std::int64_t count_ = 0;
    std::int64_t index_ = 0;
    Ref<URL> current_;
    std::unique_ptr<detail::PreviewWindow> window_;
};

} // namespace platform

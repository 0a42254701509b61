#pragma once

// Internal to the platform: the layouts of an interface file, turned into frames. Each layout is
// run once by the toolkit's own layout classes over stand-ins for the views, at the container's
// size and at a larger one; the first run gives the frames, and how each frame moved between the
// two runs gives the autoresizing mask that keeps it in place as the container grows.

#include "platform/foundation/Object.h"

#include <QLayoutItem>
#include <QMargins>
#include <QSize>
#include <QSizePolicy>

#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace platform {
class View;
}

namespace platform::detail {

struct InterfaceLayoutPlan;

// One cell of a layout: a view of the container, a nested layout or a spacer.
struct InterfaceLayoutEntry {
    Ref<View> view;
    std::unique_ptr<InterfaceLayoutPlan> layout;
    // A spacer when neither a view nor a layout is set.
    QSize spacerHint;
    QSizePolicy::Policy spacerHorizontal = QSizePolicy::Minimum;
    QSizePolicy::Policy spacerVertical = QSizePolicy::Minimum;
    // The cell in a grid; in a form the column is 0 for the label and 1 for the field.
    int row = 0;
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;
    Qt::Alignment alignment;
};

struct InterfaceLayoutPlan {
    enum class Kind { Vertical, Horizontal, Grid, Form };
    Kind kind = Kind::Vertical;
    QMargins margins;
    int horizontalSpacing = 6;
    int verticalSpacing = 6;
    std::vector<int> stretch;
    std::vector<int> rowStretch;
    std::vector<int> columnStretch;
    std::vector<InterfaceLayoutEntry> entries;
};

// What the file says of a view's size, beyond what its widget asks for.
struct InterfaceSizing {
    QSize minimum{0, 0};
    QSize maximum{QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    std::optional<QSizePolicy> policy;
};

class InterfaceLayouter {
public:
    InterfaceLayouter();
    ~InterfaceLayouter();
    InterfaceLayouter(const InterfaceLayouter&) = delete;
    InterfaceLayouter& operator=(const InterfaceLayouter&) = delete;

    void setSizing(const View& view, const InterfaceSizing& sizing);
    // The layout of a widget: it fills the container, which is the owner itself or a view
    // inside it (a box's content view, a tab view's page). An owner with several layouts (a
    // tab view with several pages) asks for the room the largest needs. Layouts are added as
    // the file is read, a container's after those of the containers inside it, and run in the
    // reverse order, so that each container has its final size when its own layout runs.
    void addLayout(const Ref<View>& owner, const Ref<View>& container, InterfaceLayoutPlan plan);
    void layOut();

private:
    struct Owned {
        Ref<View> owner;
        Ref<View> container;
        InterfaceLayoutPlan plan;
    };
    class Item;
    std::unique_ptr<QLayout> toolkitLayout(const InterfaceLayoutPlan& plan,
                                           std::vector<Item*>& items) const;
    QLayoutItem* itemFor(const InterfaceLayoutEntry& entry, std::vector<Item*>& items) const;

    std::map<const View*, InterfaceSizing> sizing_;
    std::vector<std::unique_ptr<Owned>> owned_;
    std::multimap<const View*, const Owned*> ownedBy_;
    // Which of the two runs of a layout is under way.
    int run_ = 0;
};

} // namespace platform::detail

#include "platform/detail/InterfaceLayout.h"

#include "platform/detail/ViewPeer.h"
#include "platform/drawing/AttributedString.h"
#include "platform/views/TextField.h"
#include "platform/views/View.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QGridLayout>
#include <QLayoutItem>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace platform::detail {

namespace {

// How much larger the second run makes the container; large enough that every share of the
// growth shows as a whole pixel.
constexpr int kGrowth = 1000;

using AutoresizingMask::HeightSizable;
using AutoresizingMask::MaxXMargin;
using AutoresizingMask::MaxYMargin;
using AutoresizingMask::MinXMargin;
using AutoresizingMask::MinYMargin;
using AutoresizingMask::WidthSizable;

QSize sizeOf(Size size) {
    return {static_cast<int>(std::lround(size.width)), static_cast<int>(std::lround(size.height))};
}

// The size a view asks for: its widget's, except that a label asks for its text's width rather
// than the width of an editable field.
QSize hintOf(const View& view) {
    if (const auto* field = dynamic_cast<const TextField*>(&view);
        field && !field->isEditable() && !field->isBordered()) {
        const Size text = field->attributedStringValue()->size();
        return sizeOf({std::ceil(text.width) + 4, std::ceil(text.height) + 2});
    }
    const QWidget* widget = view.peer().widget;
    const QSize hint = widget ? widget->sizeHint() : QSize();
    return hint.isValid() ? hint : sizeOf(view.frame().size);
}

int bounded(int value, int low, int high) {
    return std::max(low, std::min(value, high));
}

// The mask bits along one axis from how the cell moved when its container grew by kGrowth.
std::uint64_t axisMask(int moved, int grown, std::uint64_t before, std::uint64_t size,
                       std::uint64_t after) {
    return (moved > 0 ? before : 0) | (grown > 0 ? size : 0) |
           (kGrowth - moved - grown > 0 ? after : 0);
}

} // namespace

// A view as the toolkit's layouts see it: the sizes it asks for, and the rectangles the layout
// gives it, one for each run.
class InterfaceLayouter::Item : public QLayoutItem {
public:
    Item(Ref<View> view, QSize hint, QSize minimum, QSize maximum, Qt::Orientations expanding,
         const int& run)
        : view_(std::move(view)), hint_(hint), minimum_(minimum), maximum_(maximum),
          expanding_(expanding), run_(run) {}

    QSize sizeHint() const override { return hint_; }
    QSize minimumSize() const override { return minimum_; }
    QSize maximumSize() const override { return maximum_; }
    Qt::Orientations expandingDirections() const override { return expanding_; }
    bool isEmpty() const override { return view_->isHidden(); }
    // The cell the layout gives may be larger than the view may grow, and in a box layout it
    // spans the whole breadth: the view takes what it may of it, placed by its alignment, and
    // centred where it has none, as the toolkit places its widgets.
    void setGeometry(const QRect& cell) override {
        QSize size = cell.size().boundedTo(maximum_);
        const Qt::Alignment placing = alignment();
        if (placing & Qt::AlignHorizontal_Mask)
            size.setWidth(std::min(size.width(), hint_.width()));
        if (placing & Qt::AlignVertical_Mask)
            size.setHeight(std::min(size.height(), hint_.height()));
        const int spareWidth = cell.width() - size.width();
        const int spareHeight = cell.height() - size.height();
        const int x = placing & Qt::AlignRight  ? spareWidth
                      : placing & Qt::AlignLeft ? 0
                                                : spareWidth / 2;
        const int y = placing & Qt::AlignBottom ? spareHeight
                      : placing & Qt::AlignTop  ? 0
                                                : spareHeight / 2;
        runs_[run_] = QRect(cell.topLeft() + QPoint(x, y), size);
    }
    QRect geometry() const override { return runs_[run_].value_or(QRect()); }

    // Gives the view the frame of the first run, in the container's coordinates, and the mask
    // of how it moved in the second.
    void place(const View& container) const {
        // A hidden view is left out of the layout.
        if (!runs_[0] || !runs_[1])
            return;
        const QRect& first = *runs_[0];
        const QRect& second = *runs_[1];
        const double height = container.bounds().height();
        const double y = container.isFlipped() ? first.y() : height - first.y() - first.height();
        view_->setFrame({static_cast<double>(first.x()), y, static_cast<double>(first.width()),
                         static_cast<double>(first.height())});
        const int down = second.y() - first.y();
        view_->setAutoresizingMask(axisMask(second.x() - first.x(), second.width() - first.width(),
                                            MinXMargin, WidthSizable, MaxXMargin) |
                                   (container.isFlipped()
                                        ? axisMask(down, second.height() - first.height(),
                                                   MinYMargin, HeightSizable, MaxYMargin)
                                        : axisMask(down, second.height() - first.height(),
                                                   MaxYMargin, HeightSizable, MinYMargin)));
    }

private:
    Ref<View> view_;
    QSize hint_;
    QSize minimum_;
    QSize maximum_;
    Qt::Orientations expanding_;
    const int& run_;
    std::optional<QRect> runs_[2];
};

InterfaceLayouter::InterfaceLayouter() = default;
InterfaceLayouter::~InterfaceLayouter() = default;

void InterfaceLayouter::setSizing(const View& view, const InterfaceSizing& sizing) {
    sizing_[&view] = sizing;
}

void InterfaceLayouter::addLayout(const Ref<View>& owner, const Ref<View>& container,
                                  InterfaceLayoutPlan plan) {
    owned_.push_back(std::make_unique<Owned>(Owned{owner, container, std::move(plan)}));
    ownedBy_.emplace(owner.get(), owned_.back().get());
}

QLayoutItem* InterfaceLayouter::itemFor(const InterfaceLayoutEntry& entry,
                                        std::vector<Item*>& items) const {
    if (entry.layout)
        return toolkitLayout(*entry.layout, items).release();
    if (!entry.view)
        return new QSpacerItem(entry.spacerHint.width(), entry.spacerHint.height(),
                               entry.spacerHorizontal, entry.spacerVertical);
    const View& view = *entry.view;
    const auto found = sizing_.find(&view);
    const InterfaceSizing sizing = found == sizing_.end() ? InterfaceSizing{} : found->second;
    const QWidget* widget = view.peer().widget;
    const QSizePolicy policy =
        sizing.policy ? *sizing.policy : (widget ? widget->sizePolicy() : QSizePolicy());
    QSize hint;
    QSize minimum;
    Qt::Orientations expanding = policy.expandingDirections();
    if (const auto [first, last] = ownedBy_.equal_range(&view); first != last) {
        // A container asks for what its own layouts need, plus what lies around the container.
        for (auto owned = first; owned != last; ++owned) {
            std::vector<Item*> inner;
            const auto layout = toolkitLayout(owned->second->plan, inner);
            const Size outside = view.frame().size;
            const Size inside = owned->second->container->frame().size;
            const QSize around =
                sizeOf({outside.width - inside.width, outside.height - inside.height});
            hint = hint.expandedTo(layout->sizeHint() + around);
            minimum = minimum.expandedTo(layout->minimumSize() + around);
            expanding |= layout->expandingDirections();
        }
    } else {
        hint = hintOf(view);
        const QSize smallest = widget ? widget->minimumSizeHint().expandedTo({0, 0}) : QSize();
        minimum = {
            policy.horizontalPolicy() & QSizePolicy::ShrinkFlag ? smallest.width() : hint.width(),
            policy.verticalPolicy() & QSizePolicy::ShrinkFlag ? smallest.height() : hint.height()};
    }
    QSize maximum{
        policy.horizontalPolicy() & QSizePolicy::GrowFlag ? QLAYOUTSIZE_MAX : hint.width(),
        policy.verticalPolicy() & QSizePolicy::GrowFlag ? QLAYOUTSIZE_MAX : hint.height()};
    minimum = minimum.expandedTo(sizing.minimum);
    maximum = maximum.boundedTo(sizing.maximum).expandedTo(minimum);
    hint = {bounded(hint.width(), minimum.width(), maximum.width()),
            bounded(hint.height(), minimum.height(), maximum.height())};
    auto* item = new Item(entry.view, hint, minimum, maximum, expanding, run_);
    item->setAlignment(entry.alignment);
    items.push_back(item);
    return item;
}

std::unique_ptr<QLayout> InterfaceLayouter::toolkitLayout(const InterfaceLayoutPlan& plan,
                                                          std::vector<Item*>& items) const {
    std::unique_ptr<QLayout> layout;
    switch (plan.kind) {
    case InterfaceLayoutPlan::Kind::Vertical:
    case InterfaceLayoutPlan::Kind::Horizontal: {
        const bool vertical = plan.kind == InterfaceLayoutPlan::Kind::Vertical;
        auto box = std::make_unique<QBoxLayout>(vertical ? QBoxLayout::TopToBottom
                                                         : QBoxLayout::LeftToRight);
        box->setSpacing(vertical ? plan.verticalSpacing : plan.horizontalSpacing);
        for (const auto& entry : plan.entries) {
            QLayoutItem* item = itemFor(entry, items);
            if (auto* nested = item->layout())
                box->addLayout(nested);
            else
                box->addItem(item);
        }
        for (std::size_t i = 0; i < plan.stretch.size() && i < plan.entries.size(); ++i)
            box->setStretch(static_cast<int>(i), plan.stretch[i]);
        layout = std::move(box);
        break;
    }
    case InterfaceLayoutPlan::Kind::Grid: {
        auto grid = std::make_unique<QGridLayout>();
        grid->setHorizontalSpacing(plan.horizontalSpacing);
        grid->setVerticalSpacing(plan.verticalSpacing);
        for (const auto& entry : plan.entries) {
            QLayoutItem* item = itemFor(entry, items);
            if (auto* nested = item->layout())
                grid->addLayout(nested, entry.row, entry.column, entry.rowSpan, entry.columnSpan,
                                entry.alignment);
            else
                grid->addItem(item, entry.row, entry.column, entry.rowSpan, entry.columnSpan,
                              entry.alignment);
        }
        for (std::size_t i = 0; i < plan.rowStretch.size(); ++i)
            grid->setRowStretch(static_cast<int>(i), plan.rowStretch[i]);
        for (std::size_t i = 0; i < plan.columnStretch.size(); ++i)
            grid->setColumnStretch(static_cast<int>(i), plan.columnStretch[i]);
        layout = std::move(grid);
        break;
    }
    case InterfaceLayoutPlan::Kind::Form: {
        auto form = std::make_unique<QFormLayout>();
        form->setHorizontalSpacing(plan.horizontalSpacing);
        form->setVerticalSpacing(plan.verticalSpacing);
        for (const auto& entry : plan.entries) {
            const auto role = entry.columnSpan > 1 ? QFormLayout::SpanningRole
                              : entry.column == 0  ? QFormLayout::LabelRole
                                                   : QFormLayout::FieldRole;
            QLayoutItem* item = itemFor(entry, items);
            if (auto* nested = item->layout())
                form->setLayout(entry.row, role, nested);
            else
                form->setItem(entry.row, role, item);
        }
        layout = std::move(form);
        break;
    }
    }
    layout->setContentsMargins(plan.margins);
    return layout;
}

void InterfaceLayouter::layOut() {
    for (auto it = owned_.rbegin(); it != owned_.rend(); ++it) {
        const auto& owned = *it;
        std::vector<Item*> items;
        const auto layout = toolkitLayout(owned->plan, items);
        const QSize size = sizeOf(owned->container->bounds().size);
        run_ = 0;
        layout->setGeometry({{0, 0}, size});
        run_ = 1;
        layout->setGeometry({{0, 0}, size + QSize(kGrowth, kGrowth)});
        for (const Item* item : items)
            item->place(*owned->container);
    }
}

} // namespace platform::detail

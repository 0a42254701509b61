#include "platform/detail/WindowChrome.h"
#include "platform/detail/QtStrings.h"

#include "platform/detail/ImagePeer.h"
#include "platform/detail/MenuPeer.h"
#include "platform/detail/ViewPeer.h"
#include "platform/drawing/Image.h"
#include "platform/foundation/String.h"
#include "platform/views/View.h"
#include "platform/windows/TitlebarAccessoryViewController.h"
#include "platform/windows/Toolbar.h"
#include "platform/windows/ToolbarItem.h"

#include <QAction>
#include <QMenuBar>
#include <QPixmap>
#include <QToolBar>

#include <algorithm>
#include <cmath>

namespace platform::detail {

namespace {

int rounded(double value) {
    return static_cast<int>(std::lround(std::max(0.0, value)));
}

Qt::ToolButtonStyle buttonStyle(ToolbarDisplayMode mode) {
    switch (mode) {
    case ToolbarDisplayMode::IconOnly:
        return Qt::ToolButtonIconOnly;
    case ToolbarDisplayMode::LabelOnly:
        return Qt::ToolButtonTextOnly;
    case ToolbarDisplayMode::Default:
    case ToolbarDisplayMode::IconAndLabel:
        break;
    }
    return Qt::ToolButtonTextUnderIcon;
}

} // namespace

WindowChrome::WindowChrome(QWidget& windowWidget)
    : windowWidget_(windowWidget), contentHost_(new QWidget(&windowWidget)) {
    contentHost_->show();
}

WindowChrome::~WindowChrome() {
    clear();
}

void WindowChrome::clear() {
    // The views outlive the strips: their widgets leave before the holders go.
    for (const auto& view : hostedViews_)
        if (QWidget* widget = view->peer().widget)
            widget->setParent(nullptr);
    for (const auto& strip : strips_)
        delete strip.holder.data();
    delete menuBar_.data();
    // A click on one of the toolbar's buttons may change the toolbar, which builds the strips
    // anew while the button still handles the click.
    if (toolBar_) {
        toolBar_->hide();
        toolBar_->setParent(nullptr);
        toolBar_->deleteLater();
        toolBar_ = nullptr;
    }
    strips_.clear();
    hostedViews_.clear();
}

QWidget* WindowChrome::hold(const Ref<View>& view) {
    auto* holder = new QWidget;
    const Rect frame = view->frame();
    holder->setFixedSize(rounded(frame.width()), rounded(frame.height()));
    if (QWidget* widget = view->peer().widget) {
        widget->setParent(holder);
        widget->move(0, 0);
        widget->setVisible(!view->isHidden());
    }
    hostedViews_.push_back(view);
    return holder;
}

double WindowChrome::rebuild(const std::vector<Ref<TitlebarAccessoryViewController>>& accessories,
                             const Ref<Toolbar>& toolbar, const Ref<Menu>& menu) {
    clear();
    int top = 0;
    if (menu) {
        menuBar_ = makeToolkitMenuBar(menu, &windowWidget_);
        menuBarHeight_ = menuBar_->sizeHint().height();
        menuBar_->show();
        top += menuBarHeight_;
    }
    // First the accessories that sit beside the title, then the toolbar, then the full rows.
    int sideHeight = 0;
    for (const auto& accessory : accessories) {
        const auto view = accessory->view();
        const LayoutAttribute attribute = accessory->layoutAttribute();
        if (!view || attribute == LayoutAttribute::Bottom || attribute == LayoutAttribute::Top)
            continue;
        Strip strip{hold(view), view, false,
                    attribute == LayoutAttribute::Right || attribute == LayoutAttribute::Trailing,
                    top};
        strip.holder->setParent(&windowWidget_);
        sideHeight = std::max(sideHeight, strip.holder->height());
        strips_.push_back(strip);
    }
    top += sideHeight;
    if (toolbar && toolbar->isVisible()) {
        toolBar_ = new QToolBar(&windowWidget_);
        toolBar_->setMovable(false);
        toolBar_->setFloatable(false);
        toolBar_->setToolButtonStyle(buttonStyle(toolbar->displayMode()));
        const std::vector<Ref<String>> selectable = toolbar->selectableItemIdentifiers();
        const Ref<String> selected = toolbar->selectedItemIdentifier();
        for (const auto& item : toolbar->items()) {
            if (const auto view = item->view()) {
                toolBar_->addWidget(hold(view));
                continue;
            }
            QIcon icon;
            if (const auto image = item->image())
                icon = QIcon(QPixmap::fromImage(image->peer().image));
            QAction* action = toolBar_->addAction(icon, toQString(item->label()));
            action->setObjectName(toQString(item->itemIdentifier()));
            action->setToolTip(toQString(item->toolTip()));
            action->setEnabled(item->isValidated());
            if (std::any_of(selectable.begin(), selectable.end(), [&](const Ref<String>& each) {
                    return each->isEqual(*item->itemIdentifier());
                })) {
                action->setCheckable(true);
                action->setChecked(selected && selected->isEqual(*item->itemIdentifier()));
            }
            QObject::connect(
                action, &QAction::triggered, action,
                [weakBar = WeakRef<Toolbar>(toolbar), weakItem = WeakRef<ToolbarItem>(item)] {
                    const auto bar = weakBar.lock();
                    if (const auto chosen = weakItem.lock(); bar && chosen)
                        bar->userChoseItem(chosen);
                });
        }
        toolBar_->show();
        toolBarTop_ = top;
        toolBarHeight_ = toolBar_->sizeHint().height();
        top += toolBarHeight_;
    }
    for (const auto& accessory : accessories) {
        const auto view = accessory->view();
        const LayoutAttribute attribute = accessory->layoutAttribute();
        if (!view || (attribute != LayoutAttribute::Bottom && attribute != LayoutAttribute::Top))
            continue;
        Strip strip{hold(view), view, true, false, top};
        strip.holder->setParent(&windowWidget_);
        top += strip.holder->height();
        strips_.push_back(strip);
    }
    for (const auto& strip : strips_)
        strip.holder->show();
    height_ = top;
    return height_;
}

void WindowChrome::layout(QSize size) {
    int left = 0;
    int right = size.width();
    for (const auto& strip : strips_) {
        QWidget* holder = strip.holder;
        if (!holder)
            continue;
        if (strip.fullWidth) {
            // Rows across the window are as wide as the window, as their views are.
            holder->setFixedWidth(size.width());
            strip.view->setFrameSize(
                {static_cast<double>(size.width()), strip.view->frame().height()});
            holder->move(0, strip.top);
        } else if (strip.right) {
            right -= holder->width();
            holder->move(right, strip.top);
        } else {
            holder->move(left, strip.top);
            left += holder->width();
        }
    }
    if (menuBar_)
        menuBar_->setGeometry(0, 0, size.width(), menuBarHeight_);
    if (toolBar_)
        toolBar_->setGeometry(0, toolBarTop_, size.width(), toolBarHeight_);
    const int top = static_cast<int>(height_);
    contentHost_->setGeometry(0, top, size.width(), std::max(0, size.height() - top));
}

} // namespace platform::detail

#include "platform/views/controls/PathControl.h"

#include "platform/app/Application.h"
#include "platform/app/DraggingInfo.h"
#include "platform/app/Pasteboard.h"
#include "platform/detail/ControlWidget.h"
#include "platform/detail/MenuPeer.h"
#include "platform/detail/QtStrings.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/services/OpenPanel.h"
#include "platform/views/controls/PathControlDelegate.h"
#include "platform/windows/Menu.h"
#include "platform/windows/MenuItem.h"

#include <QDir>
#include <QFileIconProvider>
#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>

#include <functional>

namespace platform {

namespace {

// A component's button, which tells a second click of a double click apart from a first.
class ComponentButton : public QToolButton {
public:
    ComponentButton(QWidget* parent, std::function<void(bool twice)> clicked)
        : QToolButton(parent), clicked_(std::move(clicked)) {
        setAutoRaise(true);
        setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        connect(this, &QToolButton::clicked, this, [this] {
            const bool twice = twice_;
            twice_ = false;
            clicked_(twice);
        });
    }

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        twice_ = true;
        QToolButton::mouseDoubleClickEvent(event);
    }

private:
    std::function<void(bool)> clicked_;
    bool twice_ = false;
};

// The component named by a file URL's path, from the root down.
std::vector<Ref<PathControlItem>> componentsOf(const Ref<URL>& url) {
    std::vector<Ref<PathControlItem>> items;
    if (!url || !url->isFileURL())
        return items;
    const QString path = QDir::cleanPath(detail::toQString(url->path()));
    QString upTo;
    for (const QString& part : path.split(u'/')) {
        upTo = upTo.isEmpty() || upTo == u"/" ? upTo + part : upTo + u'/' + part;
        if (upTo.isEmpty())
            upTo = QStringLiteral("/");
        const QString title = part.isEmpty() ? QStringLiteral("/") : part;
        items.push_back(std::make_shared<PathControlItem>(
            detail::fromQString(title), URL::fileURLWithPath(*detail::fromQString(upTo))));
    }
    return items;
}

QIcon iconOf(const PathControlItem& item) {
    static const QFileIconProvider provider;
    return provider.icon(QFileInfo(detail::toQString(item.URL()->path())));
}

} // namespace

struct PathControl::Toolkit {
    QWidget* widget = nullptr;
    QHBoxLayout* layout = nullptr;
    std::vector<ComponentButton*> buttons;
};

PathControl::PathControl(Rect frame)
    : Control(frame, std::make_unique<ViewPeer>(nullptr)), toolkit_(std::make_unique<Toolkit>()) {
    toolkit_->widget = new detail::ControlWidget<QWidget>(*this);
    toolkit_->layout = new QHBoxLayout(toolkit_->widget);
    toolkit_->layout->setContentsMargins(0, 0, 0, 0);
    toolkit_->layout->setSpacing(0);
    peer().widget = toolkit_->widget;
    setFrame(frame);
    registerForDraggedTypes(Array::arrayWithObjects({String::fromUtf8(FilenamesPboardType)}));
    rebuild();
}

PathControl::~PathControl() = default;

void PathControl::setURL(Ref<platform::URL> url) {
    url_ = std::move(url);
    clicked_ = nullptr;
    rebuild();
}

void PathControl::setPathStyle(PathStyle style) {
    style_ = style;
    rebuild();
}

Ref<String> PathControl::stringValue() const {
    return url_ ? url_->path() : String::create();
}

void PathControl::setStringValue(const Ref<String>& string) {
    setURL(string && string->length() > 0 ? URL::fileURLWithPath(*string) : nullptr);
}

void PathControl::setEnabled(bool enabled) {
    Control::setEnabled(enabled);
    for (ComponentButton* button : toolkit_->buttons)
        button->setEnabled(enabled);
}

void PathControl::rebuild() {
    items_ = componentsOf(url_);
    while (QLayoutItem* old = toolkit_->layout->takeAt(0)) {
        delete old->widget();
        delete old;
    }
    toolkit_->buttons.clear();
    // The pop-up style shows the last component, or "Choose…" before there is one, and lists
    // the rest on a click.
    const bool popUp = style_ == PathStyle::PopUp;
    const std::size_t first = popUp && !items_.empty() ? items_.size() - 1 : 0;
    const std::size_t shown = popUp ? 1 : items_.size();
    for (std::size_t i = first; i < first + shown; ++i) {
        auto* button = new ComponentButton(toolkit_->widget, [this, i, popUp](bool twice) {
            if (popUp)
                showPopUp();
            else
                userClicked(i, twice);
        });
        if (i < items_.size()) {
            button->setText(detail::toQString(items_[i]->title()));
            button->setIcon(iconOf(*items_[i]));
        } else {
            button->setText(QStringLiteral("Choose…"));
        }
        button->setEnabled(isEnabled());
        toolkit_->layout->addWidget(button);
        button->show();
        toolkit_->buttons.push_back(button);
    }
    toolkit_->layout->addStretch();
    toolkit_->layout->activate();
}

void PathControl::userClicked(std::size_t index, bool twice) {
    const auto keep = shared_from_this(); // the action may close the window
    if (index >= items_.size())
        return;
    clicked_ = items_[index];
    if (twice)
        sendAction(doubleAction_);
    else
        sendAction();
}

void PathControl::showPopUp() {
    if (!isEnabled())
        return;
    const auto menu = std::make_shared<Menu>(String::create());
    const auto self = std::static_pointer_cast<PathControl>(shared_from_this());
    for (std::size_t i = items_.size(); i-- > 0;) {
        auto item = std::make_shared<MenuItem>(
            items_[i]->title(), Selector("componentChosen:", &PathControl::componentChosen),
            String::create());
        item->setTag(static_cast<std::int64_t>(i));
        item->setTarget(self);
        menu->addItem(item);
    }
    if (!items_.empty())
        menu->addItem(MenuItem::separatorItem());
    auto choose = std::make_shared<MenuItem>(String::fromUtf8("Choose…"),
                                             Selector("chooseChosen:", &PathControl::chooseChosen),
                                             String::create());
    choose->setTarget(self);
    menu->addItem(choose);
    if (const auto delegate = this->delegate())
        delegate->pathControlWillPopUpMenu(self, menu);
    QWidget* anchor = toolkit_->buttons.empty() ? toolkit_->widget : toolkit_->buttons.front();
    QMenu* shown = detail::makeToolkitMenu(menu, anchor);
    shown->setAttribute(Qt::WA_DeleteOnClose);
    shown->popup(anchor->mapToGlobal(QPoint(0, anchor->height())));
}

void PathControl::componentChosen(const Ref<MenuItem>& item) {
    if (item)
        userClicked(static_cast<std::size_t>(item->tag()), false);
}

void PathControl::chooseChosen(const Ref<MenuItem>&) {
    chooseInOpenPanel();
}

void PathControl::chooseInOpenPanel() {
    const auto keep = std::static_pointer_cast<PathControl>(shared_from_this());
    const auto panel = OpenPanel::openPanel();
    if (url_)
        panel->setDirectoryURL(url_);
    if (const auto delegate = this->delegate())
        delegate->pathControlWillDisplayOpenPanel(keep, panel);
    if (panel->runModal() != ModalResponse::OK)
        return;
    const auto urls = panel->URLs();
    if (urls && urls->count() > 0)
        userChangedURL(std::dynamic_pointer_cast<platform::URL>(urls->objectAtIndex(0)));
}

void PathControl::userChangedURL(Ref<platform::URL> url) {
    setURL(std::move(url));
    clicked_ = items_.empty() ? nullptr : items_.back();
    sendAction();
}

std::uint64_t PathControl::draggingEntered(const Ref<DraggingInfo>& sender) {
    const auto paths =
        sender ? std::dynamic_pointer_cast<Array>(sender->draggingPasteboard()->propertyListForType(
                     *String::fromUtf8(FilenamesPboardType)))
               : nullptr;
    if (!isEnabled() || !paths || paths->count() == 0)
        return DragOperation::None;
    const auto delegate = this->delegate();
    return delegate ? delegate->pathControlValidateDrop(
                          std::static_pointer_cast<PathControl>(shared_from_this()), sender)
                    : DragOperation::Copy;
}

bool PathControl::performDragOperation(const Ref<DraggingInfo>& sender) {
    const auto paths = std::dynamic_pointer_cast<Array>(
        sender->draggingPasteboard()->propertyListForType(*String::fromUtf8(FilenamesPboardType)));
    const auto first = paths && paths->count() > 0
                           ? std::dynamic_pointer_cast<String>(paths->objectAtIndex(0))
                           : nullptr;
    if (!first)
        return false;
    const auto self = std::static_pointer_cast<PathControl>(shared_from_this());
    if (const auto delegate = this->delegate();
        delegate && !delegate->pathControlAcceptDrop(self, sender))
        return false;
    userChangedURL(URL::fileURLWithPath(*first));
    return true;
}

} // namespace platform

#include "platform/views/controls/ComboButton.h"

#include "platform/detail/ButtonWidget.h"
#include "platform/detail/ImagePeer.h"
#include "platform/detail/MenuPeer.h"
#include "platform/drawing/Image.h"
#include "platform/foundation/String.h"
#include "platform/windows/Menu.h"

#include <QMenu>
#include <QPixmap>
#include <QToolButton>

namespace platform {

struct ComboButton::Toolkit {
    QToolButton* widget = nullptr;
};

ComboButton::ComboButton(Rect frame)
    : Control(frame, std::make_unique<ViewPeer>(nullptr)), toolkit_(std::make_unique<Toolkit>()),
      title_(String::fromUtf8("Button")) {
    toolkit_->widget = new detail::ButtonWidget<QToolButton>(*this);
    toolkit_->widget->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    peer().widget = toolkit_->widget;
    setFrame(frame);
    setTitle(title_);
    setStyle(style_);
    // Clicks only: opening the menu from the arrow part or by holding the button down is none.
    QObject::connect(toolkit_->widget, &QToolButton::clicked, toolkit_->widget,
                     [this] { sendAction(); });
}

ComboButton::~ComboButton() = default;

void ComboButton::setTitle(Ref<String> title) {
    title_ = title ? std::move(title) : String::fromUtf8("");
    toolkit_->widget->setText(detail::buttonText(title_));
}

void ComboButton::setImage(Ref<Image> image) {
    image_ = std::move(image);
    toolkit_->widget->setIcon(image_ ? QIcon(QPixmap::fromImage(image_->peer().image)) : QIcon());
}

void ComboButton::setStyle(ComboButtonStyle style) {
    style_ = style;
    toolkit_->widget->setPopupMode(style == ComboButtonStyle::Split ? QToolButton::MenuButtonPopup
                                                                    : QToolButton::DelayedPopup);
}

void ComboButton::setItemMenu(Ref<Menu> menu) {
    menu_ = std::move(menu);
    delete toolkit_->widget->menu();
    toolkit_->widget->setMenu(menu_ ? detail::makeToolkitMenu(menu_, toolkit_->widget) : nullptr);
}

} // namespace platform

#include "platform/views/controls/Button.h"

#include "platform/detail/ButtonWidget.h"
#include "platform/detail/EventTranslation.h"
#include "platform/foundation/String.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

namespace platform {

namespace {

bool keepsState(ButtonType type) {
    return type == ButtonType::PushOnPushOff || type == ButtonType::Toggle ||
           type == ButtonType::OnOff || type == ButtonType::Switch || type == ButtonType::Radio;
}

} // namespace

struct Button::Toolkit {
    QAbstractButton* widget = nullptr;
    QShortcut* shortcut = nullptr;
};

Button::Button(Rect frame, ButtonType type)
    : Control(frame, std::make_unique<ViewPeer>(nullptr)), toolkit_(std::make_unique<Toolkit>()),
      type_(type), title_(String::fromUtf8("Button")), keyEquivalent_(String::fromUtf8("")) {
    if (type == ButtonType::Switch)
        toolkit_->widget = new detail::ButtonWidget<QCheckBox>(*this);
    else if (type == ButtonType::Radio)
        toolkit_->widget = new detail::ButtonWidget<QRadioButton>(*this);
    else
        toolkit_->widget = new detail::ButtonWidget<QPushButton>(*this);
    QAbstractButton* widget = toolkit_->widget;
    widget->setCheckable(keepsState(type));
    peer().widget = widget;
    setFrame(frame);
    showTitle();
    // Only a click (the user's, or performClick) emits this; states set by the program do not.
    QObject::connect(widget, &QAbstractButton::clicked, widget, [this] {
        if (keepsState(type_)) {
            const auto* box = qobject_cast<QCheckBox*>(toolkit_->widget);
            state_ = box && box->checkState() == Qt::PartiallyChecked ? ControlStateValue::Mixed
                     : toolkit_->widget->isChecked()                  ? ControlStateValue::On
                                                                      : ControlStateValue::Off;
            showTitle();
        }
        sendAction();
    });
}

Button::~Button() = default;

void Button::setTitle(Ref<String> title) {
    title_ = title ? std::move(title) : String::fromUtf8("");
    showTitle();
}

void Button::setAlternateTitle(Ref<String> title) {
    alternateTitle_ = std::move(title);
    showTitle();
}

void Button::showTitle() {
    const bool alternate = alternateTitle_ && alternateTitle_->length() > 0 &&
                           state_ != ControlStateValue::Off && keepsState(type_);
    toolkit_->widget->setText(detail::buttonText(alternate ? alternateTitle_ : title_));
}

void Button::setState(std::int64_t state) {
    if (!keepsState(type_))
        return;
    if (state == ControlStateValue::Mixed && !allowsMixedState_)
        state = ControlStateValue::On;
    state_ = state == ControlStateValue::Mixed || state == ControlStateValue::Off
                 ? state
                 : ControlStateValue::On;
    if (auto* box = qobject_cast<QCheckBox*>(toolkit_->widget))
        box->setCheckState(state_ == ControlStateValue::Mixed ? Qt::PartiallyChecked
                           : state_ == ControlStateValue::On  ? Qt::Checked
                                                              : Qt::Unchecked);
    else
        toolkit_->widget->setChecked(state_ == ControlStateValue::On);
    showTitle();
}

void Button::setAllowsMixedState(bool allows) {
    allowsMixedState_ = allows;
    if (auto* box = qobject_cast<QCheckBox*>(toolkit_->widget))
        box->setTristate(allows);
    if (!allows && state_ == ControlStateValue::Mixed)
        setState(ControlStateValue::On);
}

void Button::setDoubleValue(double value) {
    setState(value < 0   ? ControlStateValue::Mixed
             : value > 0 ? ControlStateValue::On
                         : ControlStateValue::Off);
}

void Button::setKeyEquivalent(Ref<String> key) {
    keyEquivalent_ = key ? std::move(key) : String::fromUtf8("");
    installKeyEquivalent();
}

void Button::setKeyEquivalentModifierMask(std::uint64_t mask) {
    keyEquivalentModifiers_ = mask;
    installKeyEquivalent();
}

void Button::installKeyEquivalent() {
    delete toolkit_->shortcut;
    toolkit_->shortcut = nullptr;
    const QKeyCombination keys =
        detail::toolkitKeyEquivalent(*keyEquivalent_, keyEquivalentModifiers_);
    if (keys.key() == Qt::Key_unknown)
        return;
    // Heard anywhere in the button's window.
    toolkit_->shortcut = new QShortcut(QKeySequence(keys), toolkit_->widget);
    QObject::connect(toolkit_->shortcut, &QShortcut::activated, toolkit_->widget,
                     [this] { performClick(); });
}

void Button::performClick(const Ref<Object>&) {
    // The toolkit clicks only enabled buttons, and a click of a disabled one sends nothing.
    toolkit_->widget->click();
}

} // namespace platform

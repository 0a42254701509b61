#include "platform/views/VisualEffectView.h"

#include "platform/detail/ViewPeer.h"
#include "platform/drawing/Color.h"
#include "platform/drawing/Graphics.h"
#include "platform/windows/Window.h"

#include <QEvent>

namespace platform {

namespace {

// The grey of each material in the light appearance.
double materialWhite(VisualEffectMaterial material) {
    switch (material) {
    case VisualEffectMaterial::Dark:
    case VisualEffectMaterial::UltraDark:
    case VisualEffectMaterial::HUDWindow:
    case VisualEffectMaterial::FullScreenUI:
        return 0.16;
    case VisualEffectMaterial::Sidebar:
    case VisualEffectMaterial::UnderPageBackground:
        return 0.87;
    case VisualEffectMaterial::Titlebar:
    case VisualEffectMaterial::HeaderView:
    case VisualEffectMaterial::MediumLight:
        return 0.9;
    case VisualEffectMaterial::ToolTip:
    case VisualEffectMaterial::ContentBackground:
        return 0.98;
    default:
        return 0.93;
    }
}

// Redraws a view when its window becomes or stops being the active one, which the toolkit
// tells every widget of the window.
class ActivationRepaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate)
            static_cast<QWidget*>(watched)->update();
        return false;
    }
};

} // namespace

VisualEffectView::VisualEffectView(Rect frame) : View(frame) {
    QWidget* widget = peer().widget;
    widget->installEventFilter(new ActivationRepaint(widget));
}

void VisualEffectView::setMaterial(VisualEffectMaterial material) {
    material_ = material;
    setNeedsDisplay(true);
}

void VisualEffectView::setBlendingMode(VisualEffectBlendingMode mode) {
    blendingMode_ = mode;
    setNeedsDisplay(true);
}

void VisualEffectView::setState(VisualEffectState state) {
    state_ = state;
    setNeedsDisplay(true);
}

bool VisualEffectView::looksActive() const {
    if (state_ != VisualEffectState::FollowsWindowActiveState)
        return state_ == VisualEffectState::Active;
    const auto window = this->window();
    return !window || window->isKeyWindow();
}

Ref<Color> VisualEffectView::effectColor() const {
    if (material_ == VisualEffectMaterial::Selection)
        return Color::colorWithRed(0.0, 0.39, 0.88, looksActive() ? 0.85 : 1.0);
    return Color::colorWithWhite(materialWhite(material_), looksActive() ? 0.85 : 1.0);
}

void VisualEffectView::drawRect(Rect) {
    effectColor()->set();
    RectFill(bounds());
}

} // namespace platform

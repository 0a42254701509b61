#include "platform/views/TextInsertionIndicator.h"

#include "platform/detail/ViewPeer.h"
#include "platform/drawing/Color.h"
#include "platform/drawing/Graphics.h"
#include "platform/windows/Window.h"

#include <QApplication>
#include <QTimer>

namespace platform {

namespace {

// The indicator's widget repaints when its window gains or loses the keyboard, which the
// automatic mode follows.
class IndicatorWidget : public detail::ViewWidget<QWidget> {
public:
    using ViewWidget::ViewWidget;

protected:
    void changeEvent(QEvent* event) override {
        ViewWidget::changeEvent(event);
        if (event->type() == QEvent::ActivationChange)
            update();
    }
};

} // namespace

struct TextInsertionIndicator::Blink {
    QTimer* timer = nullptr;
    bool on = true;
};

TextInsertionIndicator::TextInsertionIndicator(Rect frame)
    : View(frame, std::make_unique<ViewPeer>(nullptr)), blink_(std::make_unique<Blink>()) {
    auto* widget = new IndicatorWidget(*this);
    peer().widget = widget;
    setFrame(frame);
    blink_->timer = new QTimer(widget);
    QObject::connect(blink_->timer, &QTimer::timeout, widget, [this] {
        blink_->on = !blink_->on;
        setNeedsDisplay(true);
    });
    setDisplayMode(displayMode_);
}

TextInsertionIndicator::~TextInsertionIndicator() = default;

void TextInsertionIndicator::setDisplayMode(TextInsertionIndicatorDisplayMode mode) {
    displayMode_ = mode;
    blink_->on = true;
    // A flash time of zero is the desktop asking for a caret that does not blink.
    const int flash = QApplication::cursorFlashTime();
    if (mode == TextInsertionIndicatorDisplayMode::Hidden || flash <= 0)
        blink_->timer->stop();
    else
        blink_->timer->start(flash / 2);
    setNeedsDisplay(true);
}

void TextInsertionIndicator::setColor(Ref<Color> color) {
    color_ = std::move(color);
    setNeedsDisplay(true);
}

bool TextInsertionIndicator::modeShows() const {
    switch (displayMode_) {
    case TextInsertionIndicatorDisplayMode::Visible:
        return true;
    case TextInsertionIndicatorDisplayMode::Hidden:
        return false;
    case TextInsertionIndicatorDisplayMode::Automatic:
        break;
    }
    const auto window = this->window();
    return window && window->isKeyWindow();
}

bool TextInsertionIndicator::isCaretOn() const {
    return blink_->on && modeShows();
}

void TextInsertionIndicator::drawRect(Rect) {
    if (!isCaretOn())
        return;
    (color_ ? color_ : Color::textColor())->set();
    RectFill(bounds());
}

void TextInsertionIndicator::viewDidMoveToWindow() {
    View::viewDidMoveToWindow();
    setNeedsDisplay(true);
}

} // namespace platform

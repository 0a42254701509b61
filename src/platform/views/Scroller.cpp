#include "platform/views/Scroller.h"

#include "platform/app/Application.h"
#include "platform/detail/ViewPeer.h"

#include <QApplication>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

std::unique_ptr<ViewPeer> makeScrollBarPeer(View& view) {
    Application::shared();
    auto* bar = new detail::ForwardingWidget<QScrollBar, View>(view, Qt::Vertical);
    bar->setFocusPolicy(Qt::NoFocus);
    return std::make_unique<ViewPeer>(bar);
}

} // namespace

Scroller::Scroller(Rect frame) : View(frame, makeScrollBarPeer(*this)) {}

double Scroller::scrollerWidth() {
    Application::shared();
    return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

void Scroller::setDoubleValue(double value) {
    value_ = std::clamp(value, 0.0, 1.0);
    applyToPeer();
}

void Scroller::setKnobProportion(double proportion) {
    knobProportion_ = std::clamp(proportion, 0.0, 1.0);
    applyToPeer();
}

void Scroller::applyToPeer() {
    auto* bar = qobject_cast<QScrollBar*>(peer().widget.data());
    if (!bar)
        return;
    // The toolkit's bar counts in whole points: the range is the distance the document can
    // move, the page the part in view.
    const double page = frame().height();
    const double range =
        knobProportion_ > 0 && knobProportion_ < 1 ? page / knobProportion_ - page : 0;
    const QSignalBlocker quiet(bar);
    bar->setRange(0, static_cast<int>(std::lround(range)));
    bar->setPageStep(std::max(1, static_cast<int>(std::lround(page))));
    bar->setValue(static_cast<int>(std::lround(value_ * range)));
}

} // namespace platform

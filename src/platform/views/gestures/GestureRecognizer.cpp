#include "platform/views/gestures/GestureRecognizer.h"

#include "platform/detail/ViewPeer.h"
#include "platform/detail/ViewPoints.h"
#include "platform/views/View.h"

#include <QLineF>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QObject>
#include <QTouchEvent>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace platform {

// Hands the toolkit input the watcher sees to the protected methods of the view's recognizers.
struct GestureInput {
    static void each(View& view, bool starting, auto&& call) {
        // A copy: an action may add or remove recognizers.
        const auto recognizers = GestureRecognizer::gestureRecognizersOfView(view);
        for (const auto& recognizer : recognizers) {
            if (!recognizer->isEnabled())
                continue;
            // A new touch or press starts the next gesture of a recognizer that finished one.
            if (starting && recognizer->state() >= GestureRecognizerState::Ended)
                recognizer->state_ = GestureRecognizerState::Possible;
            call(*recognizer);
        }
    }
    static void located(View& view, Point at) {
        for (const auto& recognizer : GestureRecognizer::gestureRecognizersOfView(view))
            recognizer->location_ = at;
    }
    static void mouseDown(View& view, Point at, int clickCount) {
        located(view, at);
        each(view, true, [&](GestureRecognizer& r) { r.mouseDown(at, clickCount); });
    }
    static void mouseDragged(View& view, Point at) {
        located(view, at);
        each(view, false, [&](GestureRecognizer& r) { r.mouseDragged(at); });
    }
    static void mouseUp(View& view, Point at) {
        located(view, at);
        each(view, false, [&](GestureRecognizer& r) { r.mouseUp(at); });
    }
    static void pinched(View& view, bool starting, double magnification, double rotation,
                        bool ended) {
        each(view, starting,
             [&](GestureRecognizer& r) { r.pinched(magnification, rotation, ended); });
    }
};

namespace {

double normalizedAngle(double radians) {
    return std::remainder(radians, 2 * std::numbers::pi);
}

// Watches the widget of a view with recognizers, and holds them. Two fingers are followed from the
// moment both touch (or the touchpad reports a pinch beginning) to the moment either lifts.
class GestureWatcher : public QObject {
public:
    static constexpr const char* kName = "gestureWatcher";

    GestureWatcher(View& view, QWidget* widget) : QObject(widget), view_(view) {
        setObjectName(QString::fromLatin1(kName));
        widget->setAttribute(Qt::WA_AcceptTouchEvents);
        widget->installEventFilter(this);
    }

    // The watcher of the view's widget, made when asked to and missing.
    static GestureWatcher* of(const View& view, bool make) {
        QWidget* widget = view.peer().widget;
        if (!widget)
            return nullptr;
        auto* found = static_cast<GestureWatcher*>(
            widget->findChild<QObject*>(QString::fromLatin1(kName), Qt::FindDirectChildrenOnly));
        return found || !make ? found : new GestureWatcher(const_cast<View&>(view), widget);
    }

    std::vector<Ref<GestureRecognizer>> recognizers;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            mouse(static_cast<QMouseEvent&>(*event));
            return false;
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
            touch(static_cast<QTouchEvent&>(*event));
            return true;
        case QEvent::NativeGesture:
            native(static_cast<QNativeGestureEvent&>(*event));
            return true;
        default:
            return false;
        }
    }

private:
    Point at(QPointF position) const { return detail::viewPointAt(view_, position); }

    void mouse(const QMouseEvent& event) {
        const bool left = event.button() == Qt::LeftButton;
        switch (event.type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (left)
                GestureInput::mouseDown(view_, at(event.position()),
                                        event.type() == QEvent::MouseButtonDblClick ? 2 : 1);
            break;
        case QEvent::MouseMove:
            if (event.buttons() & Qt::LeftButton)
                GestureInput::mouseDragged(view_, at(event.position()));
            break;
        default:
            if (left)
                GestureInput::mouseUp(view_, at(event.position()));
        }
    }

    void touch(QTouchEvent& event) {
        event.accept();
        const auto& points = event.points();
        const bool lifted = event.type() == QEvent::TouchEnd ||
                            event.type() == QEvent::TouchCancel || points.size() < 2 ||
                            points[0].state() == QEventPoint::Released ||
                            points[1].state() == QEventPoint::Released;
        if (points.size() >= 2) {
            // Measured from the screen positions, which every source of touches fills in.
            auto* widget = static_cast<QWidget*>(parent());
            const QLineF line(widget->mapFromGlobal(points[0].globalPosition()),
                              widget->mapFromGlobal(points[1].globalPosition()));
            GestureInput::located(view_, at(line.center()));
            if (!following_ && !lifted) {
                following_ = true;
                startLength_ = std::max(line.length(), 1.0);
                lastAngle_ = std::atan2(line.dy(), line.dx());
                magnification_ = rotation_ = 0;
                GestureInput::pinched(view_, true, 0, 0, false);
                return;
            }
            if (following_) {
                magnification_ = line.length() / startLength_ - 1;
                // Widget coordinates point down, so a turn counterclockwise on the screen makes
                // the angle smaller.
                const double angle = std::atan2(line.dy(), line.dx());
                rotation_ -= normalizedAngle(angle - lastAngle_);
                lastAngle_ = angle;
            }
        }
        if (following_) {
            GestureInput::pinched(view_, false, magnification_, rotation_, lifted);
            following_ = !lifted;
        }
    }

    // The touchpad's pinches and turns come as changes since the last event; the toolkit counts
    // degrees clockwise.
    void native(QNativeGestureEvent& event) {
        event.accept();
        GestureInput::located(view_, at(event.position()));
        switch (event.gestureType()) {
        case Qt::BeginNativeGesture:
            following_ = true;
            magnification_ = rotation_ = 0;
            GestureInput::pinched(view_, true, 0, 0, false);
            break;
        case Qt::ZoomNativeGesture:
            magnification_ += event.value();
            GestureInput::pinched(view_, false, magnification_, rotation_, false);
            break;
        case Qt::RotateNativeGesture:
            rotation_ -= event.value() * std::numbers::pi / 180;
            GestureInput::pinched(view_, false, magnification_, rotation_, false);
            break;
        case Qt::EndNativeGesture:
            if (following_)
                GestureInput::pinched(view_, false, magnification_, rotation_, true);
            following_ = false;
            break;
        default:
            break;
        }
    }

    View& view_;
    bool following_ = false;
    double startLength_ = 1;
    double lastAngle_ = 0;
    double magnification_ = 0;
    double rotation_ = 0;
};

} // namespace

GestureRecognizer::GestureRecognizer(const Ref<Object>& target, Selector action)
    : target_(target), action_(std::move(action)) {}

GestureRecognizer::~GestureRecognizer() = default;

void GestureRecognizer::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (!enabled)
        state_ = GestureRecognizerState::Possible;
}

Point GestureRecognizer::locationInView(const View* other) const {
    const auto own = view();
    if (!own || other == own.get())
        return location_;
    return own->convertPointToView(location_, other);
}

void GestureRecognizer::mouseDown(Point, int) {}
void GestureRecognizer::mouseDragged(Point) {}
void GestureRecognizer::mouseUp(Point) {}
void GestureRecognizer::pinched(double, double, bool) {}

void GestureRecognizer::setState(GestureRecognizerState state) {
    state_ = state;
    if (state == GestureRecognizerState::Possible || state == GestureRecognizerState::Failed)
        return;
    const auto keep = shared_from_this(); // the action may remove the recognizer
    if (const auto target = this->target())
        action_.performOn(*target, keep);
}

void GestureRecognizer::addToView(const Ref<View>& view) {
    if (!view || view_.lock() == view)
        return;
    removeFromView();
    GestureWatcher* watcher = GestureWatcher::of(*view, true);
    if (!watcher)
        return;
    watcher->recognizers.push_back(std::static_pointer_cast<GestureRecognizer>(shared_from_this()));
    view_ = view;
}

void GestureRecognizer::removeFromView() {
    const auto view = view_.lock();
    view_.reset();
    GestureWatcher* watcher = view ? GestureWatcher::of(*view, false) : nullptr;
    if (!watcher)
        return;
    auto& list = watcher->recognizers;
    list.erase(std::remove(list.begin(), list.end(), shared_from_this()), list.end());
    state_ = GestureRecognizerState::Possible;
}

std::vector<Ref<GestureRecognizer>> GestureRecognizer::gestureRecognizersOfView(const View& view) {
    GestureWatcher* watcher = GestureWatcher::of(view, false);
    return watcher ? watcher->recognizers : std::vector<Ref<GestureRecognizer>>{};
}

} // namespace platform

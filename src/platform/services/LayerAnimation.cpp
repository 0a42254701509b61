#include "platform/services/LayerAnimation.h"

#include "platform/foundation/Number.h"
#include "platform/foundation/Value.h"
#include "platform/views/View.h"

#include <QVariantAnimation>

#include <algorithm>
#include <string_view>

namespace platform {

LayerAnimationDelegate::~LayerAnimationDelegate() = default;
void LayerAnimationDelegate::animationDidStart(const Ref<LayerAnimation>&) {}
void LayerAnimationDelegate::animationDidStopFinished(const Ref<LayerAnimation>&, bool) {}

namespace {

// Both properties travel as two numbers; opacity uses the first only.
struct Property {
    std::string_view keyPath;
    Point (*read)(const View& view);
    void (*write)(View& view, Point value);
};

constexpr Property properties[] = {
    {"opacity",
     [](const View& view) {
         return Point{view.alphaValue(), 0};
     },
     [](View& view, Point value) { view.setAlphaValue(value.x); }},
    {"position",
     [](const View& view) {
         return Point{view.frame().midX(), view.frame().midY()};
     },
     [](View& view, Point value) {
         view.setFrameOrigin(
             {value.x - view.frame().width() / 2, value.y - view.frame().height() / 2});
     }},
};

const Property* propertyFor(std::string_view keyPath) {
    const auto found = std::ranges::find(properties, keyPath, &Property::keyPath);
    return found == std::end(properties) ? nullptr : found;
}

Point pointOf(const Ref<Object>& value, Point otherwise) {
    if (!value)
        return otherwise;
    if (const auto number = value->as<Number>())
        return {number->doubleValue(), 0};
    if (const auto point = value->as<Value>(); point && point->kind() == Value::Kind::Point)
        return point->pointValue();
    return otherwise;
}

} // namespace

struct LayerAnimation::Run {
    // Let go later: a run is replaced or ends from inside its own timer's signals.
    ~Run() {
        progress->disconnect();
        progress->stop();
        progress->deleteLater();
    }
    QVariantAnimation* progress = new QVariantAnimation;
    WeakRef<View> view;
    const Property* property = nullptr;
    Point from;
    Point to;
    // The animation keeps itself while it runs, as the view it animates would.
    Ref<LayerAnimation> keep;
};

LayerAnimation::LayerAnimation(std::string keyPath) : keyPath_(std::move(keyPath)) {}

LayerAnimation::~LayerAnimation() = default;

Ref<LayerAnimation> LayerAnimation::animationWithKeyPath(std::string keyPath) {
    return std::make_shared<LayerAnimation>(std::move(keyPath));
}

bool LayerAnimation::isRunning() const {
    return run_ && run_->keep;
}

Ref<View> LayerAnimation::view() const {
    return isRunning() ? run_->view.lock() : nullptr;
}

void LayerAnimation::addToView(const Ref<View>& view) {
    removeFromView();
    if (!view)
        return;
    const auto keep = std::static_pointer_cast<LayerAnimation>(self());
    run_ = std::make_unique<Run>();
    Run& run = *run_;
    run.view = view;
    run.property = propertyFor(keyPath_);
    if (run.property) {
        const Point now = run.property->read(*view);
        run.from = pointOf(fromValue_, now);
        run.to = pointOf(toValue_, now);
        // Shown at once: the toolkit's first frame comes a timer tick later, and a view fading in
        // would flash fully drawn until then.
        run.property->write(*view, run.from);
    }
    run.progress->setStartValue(0.0);
    run.progress->setEndValue(1.0);
    run.progress->setDuration(std::max(1, static_cast<int>(duration_ * 1000)));
    QObject::connect(run.progress, &QVariantAnimation::valueChanged, run.progress,
                     [this, &run](const QVariant& value) {
                         const auto shown = run.view.lock();
                         if (!shown) {
                             finish(false);
                             return;
                         }
                         if (!run.property)
                             return;
                         const double t = value.toDouble();
                         run.property->write(*shown, {run.from.x + (run.to.x - run.from.x) * t,
                                                      run.from.y + (run.to.y - run.from.y) * t});
                     });
    QObject::connect(run.progress, &QVariantAnimation::finished, run.progress,
                     [this] { finish(true); });
    run.keep = keep;
    run.progress->start();
    if (isRunning() && run_.get() == &run && delegate_)
        delegate_->animationDidStart(keep);
}

void LayerAnimation::removeFromView() {
    if (isRunning())
        finish(false);
}

void LayerAnimation::finish(bool finished) {
    if (!isRunning())
        return;
    const auto keep = std::move(run_->keep);
    run_->progress->stop();
    if (delegate_)
        delegate_->animationDidStopFinished(keep, finished);
}

} // namespace platform

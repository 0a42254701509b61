#include "platform/services/AnimationEffect.h"

#include "platform/detail/ScreenGeometry.h"
#include "platform/detail/WindowSystem.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QVariantAnimation>
#include <QWidget>

#include <cmath>

namespace platform {

AnimationEffectDelegate::~AnimationEffectDelegate() = default;
void AnimationEffectDelegate::animationEffectDidEnd(void*) {}

namespace {

constexpr int EffectMilliseconds = 450;
constexpr Size OwnSize{64, 64};

// A small cloud that swells and fades: five puffs around a centre drifting outwards. Where the
// window system does not composite, the window is cut to the cloud's shape instead, and the
// cloud thins out as it fades.
class PuffWidget : public QWidget {
public:
    PuffWidget()
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput),
          composited_(detail::windowSystemComposites()) {
        setAttribute(Qt::WA_TranslucentBackground, composited_);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_DeleteOnClose);
    }
    void setPhase(double phase) {
        phase_ = phase;
        if (!composited_)
            setMask(QRegion(cloud().toFillPolygon().toPolygon()));
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        if (composited_)
            painter.setOpacity(1.0 - phase_);
        painter.fillPath(cloud(), QColor(200, 200, 205));
    }

private:
    QPainterPath cloud() const {
        QPainterPath path;
        const QPointF centre = rect().toRectF().center();
        const double extent = std::min(width(), height()) / 2.0;
        const double drift = extent * (0.15 + 0.35 * phase_);
        const double radius = extent * (composited_ ? 0.3 + 0.2 * phase_ : 0.4 * (1.0 - phase_));
        path.addEllipse(centre, radius, radius);
        for (int puff = 0; puff < 5; ++puff) {
            const double angle = puff * 2 * M_PI / 5 + phase_;
            path.addEllipse(centre + QPointF(std::cos(angle), std::sin(angle)) * drift,
                            radius * 0.8, radius * 0.8);
        }
        path.setFillRule(Qt::WindingFill);
        return path;
    }

    const bool composited_;
    double phase_ = 0;
};

} // namespace

void showAnimationEffect(AnimationEffect, Point centerLocation, Size size,
                         std::shared_ptr<AnimationEffectDelegate> delegate, void* contextInfo) {
    const Size shown = size.width > 0 && size.height > 0 ? size : OwnSize;
    auto* puff = new PuffWidget;
    puff->setGeometry(detail::toToolkitScreenRect(
        {{centerLocation.x - shown.width / 2, centerLocation.y - shown.height / 2}, shown}));
    auto* timeline = new QVariantAnimation(puff);
    timeline->setStartValue(0.0);
    timeline->setEndValue(1.0);
    timeline->setDuration(EffectMilliseconds);
    QObject::connect(timeline, &QVariantAnimation::valueChanged, puff,
                     [puff](const QVariant& phase) { puff->setPhase(phase.toDouble()); });
    QObject::connect(timeline, &QVariantAnimation::finished, puff,
                     [puff, delegate = std::move(delegate), contextInfo] {
                         puff->close();
                         if (delegate)
                             delegate->animationEffectDidEnd(contextInfo);
                     });
    puff->setPhase(0);
    puff->show();
    timeline->start();
}

} // namespace platform

// Borderless floating windows as input panels use them: they take the keyboard, move when
// dragged by their background, and keep their rounded shape without black corners where the
// window system cannot show transparency.

#include "platform/app/Application.h"
#include "platform/app/Event.h"
#include "platform/detail/ViewPeer.h"
#include "platform/detail/WindowPeer.h"
#include "platform/drawing/Color.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/WindowSnapshot.h"
#include "platform/views/TextField.h"
#include "platform/views/View.h"
#include "platform/views/VisualEffectView.h"
#include "platform/windows/Window.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <tuple>

using namespace platform;
using platform::testing::Key;
using platform::testing::ModalScript;
using platform::testing::Pixel;
using platform::testing::WindowSnapshot;

namespace {

class KeyPanel : public Panel {
public:
    explicit KeyPanel(Rect content = Rect(300, 400, 110, 36))
        : Panel(content, WindowStyleMask::Borderless) {
        setFloatingPanel(true);
    }
    bool canBecomeKeyWindow() const override { return true; }
    void keyDown(const Ref<Event>& event) override {
        wasKeyWhenTyped = isKeyWindow();
        if (event->keyCode() == KeyCode::Escape)
            Application::shared()->stopModalWithCode(7);
        else
            typed += event->characters()->utf8();
    }
    std::string typed;
    bool wasKeyWhenTyped = false;
};

// Presses the left button at a point of a widget, moves the mouse by an offset with the button
// held, and releases it there, as the window system reports a drag.
void dragWidget(QWidget* widget, QPoint at, QPoint by) {
    const QPointF local(at);
    const QPointF global = widget->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    for (int step = 1; step <= 2; ++step) {
        const QPointF offset = QPointF(by) * step / 2.0;
        QMouseEvent move(QEvent::MouseMove, local + offset, global + offset, Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    QMouseEvent release(QEvent::MouseButtonRelease, local + QPointF(by), global + QPointF(by),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

// The translucent rounded panel of an input window.
Ref<KeyPanel> roundedPanel() {
    auto panel = std::make_shared<KeyPanel>();
    panel->setOpaque(false);
    panel->setBackgroundColor(Color::clearColor());
    panel->contentView()->setWantsLayer(true);
    panel->contentView()->setLayerCornerRadius(10);
    auto effect = std::make_shared<VisualEffectView>(Rect(0, 0, 110, 36));
    effect->setAutoresizingMask(AutoresizingMask::WidthSizable | AutoresizingMask::HeightSizable);
    panel->contentView()->addSubview(effect);
    return panel;
}

} // namespace

TEST(BorderlessWindow, OneThatCanBecomeKeyReceivesTheKeysOfItsModalRun) {
    const auto panel = std::make_shared<KeyPanel>();
    ModalScript script;
    script.run().type("k9").press(Key::Escape);

    EXPECT_EQ(Application::shared()->runModalForWindow(panel), 7);
    EXPECT_EQ(panel->typed, "k9");
    EXPECT_TRUE(panel->wasKeyWhenTyped);
    EXPECT_EQ(panel->level(), WindowLevel::Floating);
    panel->close();
}

TEST(BorderlessWindow, DraggingTheBackgroundMovesAMovableWindow) {
    struct Case {
        bool movable;
        bool onField;
        bool moves;
    };
    const Case cases[] = {{true, false, true}, {false, false, false}, {true, true, false}};
    for (const Case& c : cases) {
        const auto panel = std::make_shared<KeyPanel>(Rect(300, 400, 200, 60));
        panel->setMovableByWindowBackground(c.movable);
        // A plain view handles no mouse events, so it counts as background; a field does not.
        const auto plain = std::make_shared<View>(Rect(0, 0, 100, 60));
        const auto field = std::make_shared<TextField>(Rect(110, 20, 80, 20));
        panel->contentView()->addSubview(plain);
        panel->contentView()->addSubview(field);
        panel->orderFront();
        const Rect before = panel->frame();

        QWidget* target = c.onField ? field->peer().widget : plain->peer().widget;
        dragWidget(target, QPoint(10, 10), QPoint(30, 40));

        const Rect after = panel->frame();
        if (c.moves) {
            // Right by 30, and down by 40, which is y - 40 on a screen whose y grows upwards.
            EXPECT_EQ(after.origin, (Point{before.minX() + 30, before.minY() - 40}));
            EXPECT_EQ(after.size, before.size);
        } else {
            EXPECT_EQ(after, before) << "movable " << c.movable << ", on field " << c.onField;
        }
        panel->close();
    }
}

TEST(BorderlessWindow, PerformWindowDragFollowsTheMouseFromTheMouseDown) {
    class DraggedByMouseDown : public KeyPanel {
    public:
        void mouseDown(const Ref<Event>& event) override { performWindowDragWithEvent(event); }
    };
    const auto panel = std::make_shared<DraggedByMouseDown>();
    panel->orderFront();
    const Rect before = panel->frame();
    dragWidget(panel->contentView()->peer().widget, QPoint(50, 18), QPoint(-20, 15));
    EXPECT_EQ(panel->frame().origin, (Point{before.minX() - 20, before.minY() - 15}));
    // The drag is over: a later move with the button up moves nothing.
    QWidget* widget = panel->contentView()->peer().widget;
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    EXPECT_EQ(panel->frame().origin, (Point{before.minX() - 20, before.minY() - 15}));
    panel->close();
}

// The offscreen platform, like an X server without a compositing manager, shows no
// transparency, so the panel must be drawn opaque and cut to its rounded shape, at every size.
TEST(BorderlessWindow, ARoundedTranslucentPanelWithoutACompositorIsOpaqueAndShaped) {
    const auto panel = roundedPanel();
    panel->orderFront();
    QWidget* widget = panel->peer().widget;
    EXPECT_FALSE(widget->testAttribute(Qt::WA_TranslucentBackground));
    // The window system cuts the corners away; just inside them the panel is drawn.
    for (const auto& [width, inside, outside] : {std::tuple{110, QPoint(105, 4), QPoint(109, 35)},
                                                 {240, QPoint(235, 4), QPoint(239, 0)}}) {
        panel->setFrameDisplay(Rect(panel->frame().origin, Size{double(width), 36}), true);
        const QRegion shape = widget->mask();
        EXPECT_FALSE(shape.contains(QPoint(0, 0)));
        EXPECT_FALSE(shape.contains(outside));
        EXPECT_TRUE(shape.contains(QPoint(4, 4)));
        EXPECT_TRUE(shape.contains(inside));
        EXPECT_TRUE(shape.contains(QPoint(55, 0)));
        const WindowSnapshot snapshot(*panel);
        const Pixel middle = snapshot.pixelAt({55, 18});
        EXPECT_EQ(middle.alpha, 255);
        EXPECT_GT(middle.red + middle.green + middle.blue, 3 * 128) << "a light panel, not black";
        const double right = width - 5;
        for (const Point p : {Point{4, 4}, Point{right, 4}, Point{4, 31}, Point{right, 31},
                              Point{55, 0}, Point{0, 18}})
            EXPECT_EQ(snapshot.pixelAt(p), middle) << p << " at width " << width;
    }
    panel->close();
}

TEST(BorderlessWindow, TitledWindowsAndSquarePanelsKeepTheirWholeRectangle) {
    const auto titled = std::make_shared<Window>(Rect(100, 100, 200, 100), WindowStyleMask::Titled);
    titled->contentView()->setWantsLayer(true);
    titled->contentView()->setLayerCornerRadius(10);
    titled->orderFront();
    EXPECT_TRUE(titled->peer().widget->mask().isEmpty());
    titled->close();
    const auto square = std::make_shared<KeyPanel>();
    square->orderFront();
    EXPECT_TRUE(square->peer().widget->mask().isEmpty());
    square->close();
}

TEST(VisualEffect, IsTranslucentWhenActiveAndOpaqueWhenInactive) {
    const auto view = std::make_shared<VisualEffectView>(Rect(0, 0, 10, 10));
    view->setState(VisualEffectState::Active);
    EXPECT_LT(view->effectColor()->alphaComponent(), 1);
    view->setState(VisualEffectState::Inactive);
    EXPECT_EQ(view->effectColor()->alphaComponent(), 1);
    view->setMaterial(VisualEffectMaterial::HUDWindow);
    EXPECT_LT(view->effectColor()->redComponent(), 0.5);
}

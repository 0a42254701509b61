#pragma once

// Internal to the platform: the window of a PreviewPanel.

#include "platform/services/PreviewPanel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStackedLayout>
#include <QVBoxLayout>
#include <QWidget>

namespace platform::detail {

// The panel's window: a title line over either a picture or a text.
struct PreviewWindow : QWidget {
    explicit PreviewWindow(PreviewPanel& panel) : owner(panel) {
        setWindowTitle(QStringLiteral("Preview"));
        resize(480, 400);
        auto* column = new QVBoxLayout(this);
        title = new QLabel(this);
        column->addWidget(title);
        pages = new QStackedLayout;
        column->addLayout(pages);
        picture = new QLabel(this);
        picture->setAlignment(Qt::AlignCenter);
        text = new QPlainTextEdit(this);
        text->setReadOnly(true);
        // The arrow keys move between items, not through the text.
        text->setFocusPolicy(Qt::NoFocus);
        pages->addWidget(picture);
        pages->addWidget(text);
    }

    void keyPressEvent(QKeyEvent* event) override {
        const std::int64_t index = owner.currentPreviewItemIndex();
        switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            owner.setCurrentPreviewItemIndex(index - 1);
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            owner.setCurrentPreviewItemIndex(index + 1);
            break;
        case Qt::Key_Escape:
            owner.orderOut();
            break;
        default:
            QWidget::keyPressEvent(event);
        }
    }

    PreviewPanel& owner;
    QLabel* title;
    QStackedLayout* pages;
    QLabel* picture;
    QPlainTextEdit* text;
};

} // namespace platform::detail

#include "platform/services/PreviewPanel.h"

#include "platform/app/Application.h"
#include "platform/detail/PreviewWindow.h"
#include "platform/detail/QtStrings.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"

#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStackedLayout>

#include <algorithm>

namespace platform {

namespace {
constexpr int PictureWidth = 440;
constexpr int PictureHeight = 340;
} // namespace

PreviewPanelDataSource::~PreviewPanelDataSource() = default;
std::int64_t PreviewPanelDataSource::numberOfPreviewItemsInPreviewPanel(const Ref<PreviewPanel>&) {
    return 0;
}
Ref<URL> PreviewPanelDataSource::previewPanelPreviewItemAtIndex(const Ref<PreviewPanel>&,
                                                                std::int64_t) {
    return nullptr;
}

PreviewPanel::PreviewPanel() {
    Application::shared();
    window_ = std::make_unique<detail::PreviewWindow>(*this);
}

PreviewPanel::~PreviewPanel() = default;

Ref<PreviewPanel> PreviewPanel::sharedPreviewPanel() {
    // Never destroyed, as the application is not: its window must not be torn down by static
    // destruction.
    static const auto* panel = new Ref<PreviewPanel>(std::make_shared<PreviewPanel>());
    return *panel;
}

void PreviewPanel::makeKeyAndOrderFront() {
    reloadData();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void PreviewPanel::orderOut() {
    window_->hide();
}

bool PreviewPanel::isVisible() const {
    return window_->isVisible();
}

void PreviewPanel::reloadData() {
    const auto source = dataSource();
    const auto self = std::static_pointer_cast<PreviewPanel>(this->self());
    count_ =
        source ? std::max<std::int64_t>(0, source->numberOfPreviewItemsInPreviewPanel(self)) : 0;
    index_ = std::clamp<std::int64_t>(index_, 0, std::max<std::int64_t>(0, count_ - 1));
    show();
}

void PreviewPanel::setCurrentPreviewItemIndex(std::int64_t index) {
    index_ = std::clamp<std::int64_t>(index, 0, std::max<std::int64_t>(0, count_ - 1));
    show();
}

void PreviewPanel::show() {
    const auto source = dataSource();
    current_ = source && count_ > 0 ? source->previewPanelPreviewItemAtIndex(
                                          std::static_pointer_cast<PreviewPanel>(self()), index_)
                                    : nullptr;
    if (!current_) {
        window_->title->setText(count_ > 0 ? QStringLiteral("No preview")
                                           : QStringLiteral("No items"));
        window_->picture->clear();
        window_->pages->setCurrentWidget(window_->picture);
        return;
    }
    const QString path = detail::toQString(current_->path());
    window_->title->setText(QStringLiteral("%1 (%2 of %3)")
                                .arg(detail::toQString(current_->lastPathComponent()))
                                .arg(index_ + 1)
                                .arg(count_));
    QImageReader reader(path);
    if (const QImage image = reader.read(); !image.isNull()) {
        // A picture larger than the panel is shrunk to fit it; a smaller one keeps its size.
        QPixmap pixmap = QPixmap::fromImage(image);
        if (pixmap.width() > PictureWidth || pixmap.height() > PictureHeight)
            pixmap = pixmap.scaled(PictureWidth, PictureHeight, Qt::KeepAspectRatio,
                                   Qt::SmoothTransformation);
        window_->picture->setPixmap(pixmap);
        window_->pages->setCurrentWidget(window_->picture);
        return;
    }
    QFile file(path);
    window_->text->setPlainText(
        file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.read(1 << 20)) : QString());
    window_->pages->setCurrentWidget(window_->text);
}

} // namespace platform

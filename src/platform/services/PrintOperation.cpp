#include "platform/services/PrintOperation.h"

#include "platform/app/Application.h"
#include "platform/app/MainQueue.h"
#include "platform/detail/GraphicsContext.h"
#include "platform/detail/ModalRun.h"
#include "platform/detail/QtStrings.h"
#include "platform/foundation/URL.h"
#include "platform/services/PrintInfo.h"
#include "platform/views/View.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

void layOut(QPrinter& printer, const PrintInfo& info) {
    const Size paper = info.paperSize();
    printer.setPageSize(QPageSize(QSizeF(paper.width, paper.height), QPageSize::Point));
    printer.setPageOrientation(info.orientation() == PaperOrientation::Landscape
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
    printer.setPageMargins(
        QMarginsF(info.leftMargin(), info.topMargin(), info.rightMargin(), info.bottomMargin()),
        QPageLayout::Point);
}

// The printer dialog as a modal run of its own, so that tests drive it as any other.
bool choosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer);
    detail::ModalRun run(&dialog);
    QObject::connect(&dialog, &QDialog::finished, &dialog,
                     [&run](int result) { run.stop(result == QDialog::Accepted ? 1 : 0); });
    dialog.show();
    return run.exec() == 1;
}

} // namespace

Ref<PrintOperation> PrintOperation::printOperationWithViewPrintInfo(const Ref<View>& view,
                                                                    const Ref<PrintInfo>& info) {
    auto operation = std::make_shared<PrintOperation>();
    operation->view_ = view;
    operation->printInfo_ = (info ? info : PrintInfo::sharedPrintInfo())->copy();
    return operation;
}

std::int64_t PrintOperation::pageCount() const {
    const double pageHeight = printInfo_->printableSize().height;
    if (!view_ || pageHeight <= 0)
        return 0;
    return std::max<std::int64_t>(
        1, static_cast<std::int64_t>(std::ceil(view_->bounds().size.height / pageHeight)));
}

bool PrintOperation::runOperation() {
    if (!view_ || pageCount() == 0)
        return false;
    Application::shared()->finishLaunching();
    QPrinter printer(QPrinter::HighResolution);
    layOut(printer, *printInfo_);
    printer.setDocName(detail::toQString(jobTitle_));
    const auto file = printInfo_->jobSavingURL();
    if (file) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(detail::toQString(file->path()));
    } else if (showsPrintPanel_ && !choosePrinter(printer)) {
        return false;
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The painter counts device pixels; one point is resolution / 72 of them.
    const double scale = printer.resolution() / 72.0;
    const Size page = printInfo_->printableSize();
    const Rect bounds = view_->bounds();
    const bool flipped = view_->isFlipped();
    for (std::int64_t index = 0; index < pageCount(); ++index) {
        if (index > 0)
            printer.newPage();
        painter.save();
        painter.scale(scale, scale);
        painter.setClipRect(QRectF(0, 0, page.width, page.height));
        const double down = static_cast<double>(index) * page.height;
        Rect strip;
        if (flipped) {
            painter.translate(-bounds.minX(), -(bounds.minY() + down));
            strip = {bounds.minX(), bounds.minY() + down, page.width, page.height};
        } else {
            painter.translate(-bounds.minX(), bounds.maxY() - down);
            painter.scale(1, -1);
            strip = {bounds.minX(), bounds.maxY() - down - page.height, page.width, page.height};
        }
        {
            detail::GraphicsContext context(painter, flipped);
            view_->drawRect(strip);
        }
        painter.restore();
    }
    return painter.end() && (!file || QFileInfo(printer.outputFileName()).size() > 0);
}

void PrintOperation::runOperationModalForWindowCompletionHandler(
    const Ref<Window>&, std::function<void(bool success)> handler) {
    MainQueue::async(
        [self = std::static_pointer_cast<PrintOperation>(self()), handler = std::move(handler)] {
            const bool success = self->runOperation();
            if (handler)
                handler(success);
        });
}

} // namespace platform

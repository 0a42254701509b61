#include "platform/services/Cursor.h"

#include "platform/detail/ImagePeer.h"
#include "platform/drawing/Image.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>

namespace platform {

namespace {

Ref<Cursor>& current() {
    static Ref<Cursor> cursor;
    return cursor;
}

constexpr Qt::CursorShape shapes[] = {
    Qt::ArrowCursor,   Qt::IBeamCursor,    Qt::PointingHandCursor,
    Qt::CrossCursor,   Qt::OpenHandCursor, Qt::ClosedHandCursor,
    Qt::SizeHorCursor, Qt::SizeVerCursor,  Qt::ForbiddenCursor,
};

} // namespace

Cursor::Cursor(Shape shape) : shape_(shape) {}

Cursor::Cursor(Ref<Image> image, Point hotSpot) : image_(std::move(image)), hotSpot_(hotSpot) {}

void Cursor::set() {
    const QCursor cursor = image_
                               ? QCursor(QPixmap::fromImage(image_->peer().image),
                                         static_cast<int>(hotSpot_.x), static_cast<int>(hotSpot_.y))
                               : QCursor(shapes[static_cast<std::size_t>(shape_)]);
    // The application's cursor is one override, changed in place, not a stack of them.
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(cursor);
    else
        QGuiApplication::setOverrideCursor(cursor);
    current() = std::static_pointer_cast<Cursor>(self());
}

Ref<Cursor> Cursor::currentCursor() {
    return current();
}

} // namespace platform

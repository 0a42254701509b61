#include "platform/views/controls/SearchField.h"

#include "platform/detail/ViewPeer.h"
#include "platform/foundation/String.h"
#include "platform/views/controls/SearchFieldDelegate.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>

namespace platform {

namespace {

// A magnifying glass in the field's text colour.
QIcon magnifier(const QLineEdit& edit) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(edit.palette().color(QPalette::Text), 1.6));
    painter.drawEllipse(QRectF(2.5, 2.5, 8, 8));
    painter.drawLine(QPointF(9.5, 9.5), QPointF(13.5, 13.5));
    return QIcon(pixmap);
}

} // namespace

struct SearchField::Buttons {
    QAction* search = nullptr;
    QAction* clear = nullptr;
};

SearchField::SearchField(Rect frame) : TextField(frame), buttons_(std::make_unique<Buttons>()) {
    auto* edit = qobject_cast<QLineEdit*>(peer().widget);
    buttons_->search = edit->addAction(magnifier(*edit), QLineEdit::LeadingPosition);
    buttons_->clear = edit->addAction(edit->style()->standardIcon(QStyle::SP_LineEditClearButton),
                                      QLineEdit::TrailingPosition);
    buttons_->search->setToolTip(QApplication::translate("SearchField", "Search"));
    buttons_->clear->setToolTip(QApplication::translate("SearchField", "Clear"));
    buttons_->clear->setVisible(false);
    QObject::connect(buttons_->search, &QAction::triggered, edit, [this] { search(); });
    QObject::connect(buttons_->clear, &QAction::triggered, edit, [this] { clear(); });
    // The clear button shows while there is something to clear, however the text came.
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [this](const QString& text) { buttons_->clear->setVisible(!text.isEmpty()); });
}

SearchField::~SearchField() = default;

bool SearchField::performEditingCommand(std::string_view command) {
    if (command != "cancelOperation:" || stringValue()->length() == 0)
        return false;
    clear();
    return true;
}

void SearchField::userChangedText() {
    if (!sendsWholeSearchString_)
        search();
}

void SearchField::search() {
    const bool hasText = stringValue()->length() > 0;
    if (hasText != searching_) {
        searching_ = hasText;
        const auto self = as<SearchField>();
        if (const auto d = std::dynamic_pointer_cast<SearchFieldDelegate>(delegate()))
            hasText ? d->searchFieldDidStartSearching(self) : d->searchFieldDidEndSearching(self);
    }
    sendAction();
}

void SearchField::clear() {
    setStringValue(String::create());
    search();
}

} // namespace platform

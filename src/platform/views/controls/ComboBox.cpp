#include "platform/views/controls/ComboBox.h"

#include "platform/detail/ViewPeer.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/String.h"
#include "platform/views/controls/ComboBoxDataSource.h"
#include "platform/views/controls/ComboBoxDelegate.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>

#include <algorithm>

namespace platform {

namespace {

// The arrow that opens the list, in the field's text colour.
QIcon arrow(const QLineEdit& edit) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(edit.palette().color(QPalette::Text));
    painter.drawPolygon(QPolygonF({QPointF(4, 6), QPointF(12, 6), QPointF(8, 11)}));
    return QIcon(pixmap);
}

QString toQString(const String& string) {
    return QString::fromStdU16String(string.utf16());
}

// The open list: it holds the keyboard and the mouse while it shows, as menus do.
class ItemList : public QListWidget {
public:
    ItemList(QWidget* field, std::function<void(int)> choose, std::function<void()> closing)
        : QListWidget(field), choose_(std::move(choose)), closing_(std::move(closing)) {
        setWindowFlags(Qt::Popup);
        setFocusPolicy(Qt::NoFocus);
        setUniformItemSizes(true);
        connect(this, &QListWidget::itemClicked, this,
                [this](QListWidgetItem* item) { choose_(row(item)); });
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (currentRow() >= 0)
                choose_(currentRow());
            else
                close();
            return;
        case Qt::Key_Escape:
            close();
            return;
        default:
            QListWidget::keyPressEvent(event);
        }
    }
    void closeEvent(QCloseEvent* event) override {
        closing_();
        QListWidget::closeEvent(event);
    }

private:
    std::function<void(int)> choose_;
    std::function<void()> closing_;
};

} // namespace

struct ComboBox::List {
    ItemList* list = nullptr;
    QAction* button = nullptr;
    // Set while the list is filled, which moves through it without the user.
    bool filling = false;
};

ComboBox::ComboBox(Rect frame) : TextField(frame), list_(std::make_unique<List>()) {
    auto* edit = qobject_cast<QLineEdit*>(peer().widget);
    list_->button = edit->addAction(arrow(*edit), QLineEdit::TrailingPosition);
    list_->button->setToolTip(QApplication::translate("ComboBox", "Show the items"));
    QObject::connect(list_->button, &QAction::triggered, edit, [this] { togglePopUp(); });
    list_->list = new ItemList(
        edit, [this](int row) { choose(row); },
        [this] {
            notify(&ComboBoxDelegate::comboBoxWillDismiss, "NSComboBoxWillDismissNotification");
        });
    QObject::connect(list_->list, &QListWidget::currentRowChanged, list_->list, [this] {
        if (!list_->filling)
            notify(&ComboBoxDelegate::comboBoxSelectionIsChanging,
                   "NSComboBoxSelectionIsChangingNotification");
    });
}

// The list goes first: closing it tells the delegate, which needs the combo box whole.
ComboBox::~ComboBox() {
    delete list_->list;
}

Ref<ComboBox> ComboBox::asAsked() const {
    return std::const_pointer_cast<ComboBox>(as<ComboBox>());
}

void ComboBox::addItemWithObjectValue(const Ref<Object>& object) {
    items_.push_back(object);
}

void ComboBox::removeAllItems() {
    items_.clear();
    selected_ = -1;
}

std::int64_t ComboBox::numberOfItems() const {
    if (!usesDataSource_)
        return static_cast<std::int64_t>(items_.size());
    const auto source = dataSource();
    return source ? std::max<std::int64_t>(0, source->numberOfItemsInComboBox(asAsked())) : 0;
}

Ref<Object> ComboBox::itemObjectValueAtIndex(std::int64_t index) const {
    if (index < 0 || index >= numberOfItems())
        return nullptr;
    if (!usesDataSource_)
        return items_[static_cast<std::size_t>(index)];
    return dataSource()->comboBoxObjectValueForItemAtIndex(asAsked(), index);
}

Ref<String> ComboBox::itemText(std::int64_t index) const {
    const Ref<Object> item = itemObjectValueAtIndex(index);
    if (const auto string = item ? item->as<String>() : nullptr)
        return string;
    return item ? item->description() : String::create();
}

void ComboBox::selectItemAtIndex(std::int64_t index) {
    if (index < 0 || index >= numberOfItems()) {
        selected_ = -1;
        return;
    }
    selected_ = index;
    setObjectValue(itemObjectValueAtIndex(index));
}

bool ComboBox::performEditingCommand(std::string_view command) {
    const std::int64_t step = command == "moveDown:" ? 1 : command == "moveUp:" ? -1 : 0;
    const std::int64_t count = numberOfItems();
    if (step == 0 || count == 0)
        return false;
    const std::int64_t next = selected_ < 0 ? (step > 0 ? 0 : count - 1) : selected_ + step;
    if (next >= 0 && next < count && next != selected_) {
        selectItemAtIndex(next);
        notify(&ComboBoxDelegate::comboBoxSelectionDidChange,
               "NSComboBoxSelectionDidChangeNotification");
    }
    return true;
}

void ComboBox::userTypedText() {
    if (!completes_)
        return;
    const auto* edit = qobject_cast<QLineEdit*>(peer().widget);
    const QString typed = edit->text();
    if (typed.isEmpty() || edit->hasSelectedText() || edit->cursorPosition() != typed.size())
        return;
    for (std::int64_t i = 0, count = numberOfItems(); i < count; ++i) {
        const QString item = toQString(*itemText(i));
        if (item.size() > typed.size() && item.startsWith(typed, Qt::CaseInsensitive)) {
            // What was typed stays as typed; only the rest comes from the item.
            showChosenText(String::create((typed + item.mid(typed.size())).toStdU16String()),
                           Range{typed.size(), item.size() - typed.size()});
            return;
        }
    }
}

void ComboBox::notify(void (ComboBoxDelegate::*method)(const Ref<Notification>&),
                      const char* name) {
    if (const auto d = std::dynamic_pointer_cast<ComboBoxDelegate>(delegate()))
        ((*d).*method)(std::make_shared<Notification>(String::fromUtf8(name), self()));
}

void ComboBox::togglePopUp() {
    ItemList* list = list_->list;
    if (list->isVisible()) {
        list->close();
        return;
    }
    notify(&ComboBoxDelegate::comboBoxWillPopUp, "NSComboBoxWillPopUpNotification");
    list_->filling = true;
    list->clear();
    const std::int64_t count = numberOfItems();
    for (std::int64_t i = 0; i < count; ++i)
        list->addItem(toQString(*itemText(i)));
    list->setCurrentRow(static_cast<int>(selected_));
    list_->filling = false;
    QWidget* edit = peer().widget;
    list->setFont(edit->font());
    const int rowHeight = std::max(list->sizeHintForRow(0), edit->fontMetrics().height());
    const auto rows = static_cast<int>(std::clamp<std::int64_t>(count, 1, visibleItems_));
    list->resize(edit->width(), rowHeight * rows + 2 * list->frameWidth());
    list->move(edit->mapToGlobal(QPoint(0, edit->height())));
    list->show();
}

void ComboBox::choose(std::int64_t index) {
    // The list may be the last thing holding the combo box's window open.
    const auto self = this->self();
    list_->list->close();
    selectItemAtIndex(index);
    notify(&ComboBoxDelegate::comboBoxSelectionDidChange,
           "NSComboBoxSelectionDidChangeNotification");
    sendAction();
}

} // namespace platform

#include "platform/views/controls/PredicateEditor.h"

#include "platform/detail/ControlWidget.h"
#include "platform/detail/QtStrings.h"
#include "platform/foundation/String.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRegularExpression>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace platform {

namespace {

struct Operator {
    const char* format;
    const char* title;
};

constexpr Operator kOperators[] = {
    {"==", "is"},
    {"!=", "is not"},
    {"<", "is less than"},
    {"<=", "is at most"},
    {">", "is greater than"},
    {">=", "is at least"},
    {"CONTAINS", "contains"},
    {"BEGINSWITH", "begins with"},
    {"ENDSWITH", "ends with"},
};

struct Row {
    QWidget* widget;
    QComboBox* left;
    QComboBox* comparison;
    QLineEdit* value;
};

// The value as it stands in the format string.
QString literal(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^-?\\d+(\\.\\d+)?$"));
    if (number.match(text).hasMatch())
        return text;
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return u'"' + escaped + u'"';
}

} // namespace

struct PredicateEditor::Toolkit {
    QWidget* widget = nullptr;
    QVBoxLayout* layout = nullptr;
    std::vector<Row> rows;
};

PredicateEditor::PredicateEditor(Rect frame)
    : Control(frame, std::make_unique<ViewPeer>(nullptr)), toolkit_(std::make_unique<Toolkit>()) {
    toolkit_->widget = new detail::ControlWidget<QWidget>(*this);
    toolkit_->layout = new QVBoxLayout(toolkit_->widget);
    toolkit_->layout->setContentsMargins(0, 0, 0, 0);
    toolkit_->layout->addStretch();
    peer().widget = toolkit_->widget;
    setFrame(frame);
}

PredicateEditor::~PredicateEditor() = default;

const std::vector<const char*>& PredicateEditor::operatorNames() {
    static const std::vector<const char*> names = [] {
        std::vector<const char*> all;
        for (const Operator& op : kOperators)
            all.push_back(op.format);
        return all;
    }();
    return names;
}

void PredicateEditor::setLeftKeyPaths(std::vector<Ref<String>> keyPaths) {
    keyPaths_ = std::move(keyPaths);
    for (const Row& row : toolkit_->rows) {
        const QString chosen = row.left->currentText();
        row.left->clear();
        for (const auto& keyPath : keyPaths_)
            row.left->addItem(detail::toQString(keyPath));
        row.left->setCurrentIndex(std::max(0, row.left->findText(chosen)));
    }
}

std::int64_t PredicateEditor::numberOfRows() const {
    return static_cast<std::int64_t>(toolkit_->rows.size());
}

void PredicateEditor::insertRowAtIndex(std::int64_t index) {
    if (index < 0 || index > numberOfRows())
        index = numberOfRows();
    auto* widget = new QWidget(toolkit_->widget);
    auto* line = new QHBoxLayout(widget);
    line->setContentsMargins(0, 0, 0, 0);
    Row row{widget, new QComboBox(widget), new QComboBox(widget), new QLineEdit(widget)};
    for (const auto& keyPath : keyPaths_)
        row.left->addItem(detail::toQString(keyPath));
    for (const Operator& op : kOperators)
        row.comparison->addItem(QString::fromUtf8(op.title));
    auto* remove = new QToolButton(widget);
    remove->setText(QStringLiteral("−"));
    auto* add = new QToolButton(widget);
    add->setText(QStringLiteral("+"));
    for (QWidget* part : {static_cast<QWidget*>(row.left), static_cast<QWidget*>(row.comparison),
                          static_cast<QWidget*>(row.value), static_cast<QWidget*>(remove),
                          static_cast<QWidget*>(add)})
        line->addWidget(part);
    line->setStretchFactor(row.value, 1);
    // Only the user's choices and typing emit these; the program's setRow does not.
    QObject::connect(row.left, &QComboBox::activated, widget, [this] { userChanged(); });
    QObject::connect(row.comparison, &QComboBox::activated, widget, [this] { userChanged(); });
    QObject::connect(row.value, &QLineEdit::textEdited, widget, [this] { userChanged(); });
    // A row's place changes as rows come and go, so the buttons look it up when clicked.
    const auto place = [this, widget] {
        const auto found = std::find_if(toolkit_->rows.begin(), toolkit_->rows.end(),
                                        [widget](const Row& r) { return r.widget == widget; });
        return static_cast<std::int64_t>(found - toolkit_->rows.begin());
    };
    QObject::connect(add, &QToolButton::clicked, widget, [this, place] {
        insertRowAtIndex(place() + 1);
        userChanged();
    });
    QObject::connect(remove, &QToolButton::clicked, widget, [this, place] {
        removeRowAtIndex(place());
        userChanged();
    });
    widget->setEnabled(isEnabled());
    toolkit_->layout->insertWidget(static_cast<int>(index), widget);
    widget->show();
    toolkit_->rows.insert(toolkit_->rows.begin() + index, row);
    toolkit_->layout->activate();
}

void PredicateEditor::removeRowAtIndex(std::int64_t index) {
    if (index < 0 || index >= numberOfRows())
        return;
    // The row's own button may be what removes it: the widget goes once the click is over.
    toolkit_->rows[index].widget->hide();
    toolkit_->rows[index].widget->deleteLater();
    toolkit_->rows.erase(toolkit_->rows.begin() + index);
    toolkit_->layout->activate();
}

void PredicateEditor::setRow(std::int64_t index, const String& keyPath, const char* operatorName,
                             const Ref<String>& value) {
    const auto& names = operatorNames();
    const auto op = std::find_if(names.begin(), names.end(), [&](const char* name) {
        return std::string_view(name) == operatorName;
    });
    if (index < 0 || index >= numberOfRows() || op == names.end())
        return;
    const Row& row = toolkit_->rows[index];
    const int left = row.left->findText(QString::fromStdU16String(keyPath.utf16()));
    if (left < 0)
        return;
    row.left->setCurrentIndex(left);
    row.comparison->setCurrentIndex(static_cast<int>(op - names.begin()));
    row.value->setText(detail::toQString(value));
}

Ref<String> PredicateEditor::predicateFormat() const {
    QStringList parts;
    for (const Row& row : toolkit_->rows) {
        if (row.left->currentIndex() < 0)
            continue;
        parts << row.left->currentText() + u' ' +
                     QString::fromUtf8(kOperators[row.comparison->currentIndex()].format) + u' ' +
                     literal(row.value->text());
    }
    const bool negated = compound_ == CompoundPredicateType::Not;
    const QString joined = parts.join(
        compound_ == CompoundPredicateType::And ? QStringLiteral(" AND ") : QStringLiteral(" OR "));
    if (negated && !parts.isEmpty())
        return detail::fromQString(QStringLiteral("NOT (") + joined + u')');
    return detail::fromQString(joined);
}

void PredicateEditor::setEnabled(bool enabled) {
    Control::setEnabled(enabled);
    for (const Row& row : toolkit_->rows)
        row.widget->setEnabled(enabled);
}

void PredicateEditor::userChanged() {
    const auto keep = shared_from_this(); // the action may close the window
    sendAction();
}

} // namespace platform

#include "platform/detail/AlertDialog.h"

#include "platform/detail/QtStrings.h"
#include "platform/foundation/String.h"
#include "platform/windows/Alert.h"
#include "platform/windows/AlertDelegate.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace platform::detail {

namespace {

constexpr int IconSize = 64;
constexpr int TextWidth = 320;

QStyle::StandardPixmap iconFor(AlertStyle style) {
    switch (style) {
    case AlertStyle::Informational:
        return QStyle::SP_MessageBoxInformation;
    case AlertStyle::Critical:
        return QStyle::SP_MessageBoxCritical;
    case AlertStyle::Warning:
        break;
    }
    return QStyle::SP_MessageBoxWarning;
}

QLabel* textLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setFixedWidth(TextWidth);
    return label;
}

// The character a key press stands for when matched against key equivalents.
QString keyCharacter(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    case Qt::Key_Escape:
        return QStringLiteral("\x1b");
    default:
        break;
    }
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    return event.text();
}

} // namespace

AlertDialog::AlertDialog(const Alert& alert, QWidget* parent,
                         std::function<void(std::int64_t)> respond)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      respond_(std::move(respond)) {
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("alertIcon"));
    icon->setPixmap(style()->standardIcon(iconFor(alert.alertStyle())).pixmap(IconSize, IconSize));
    icon->setAlignment(Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    auto* message = textLabel(toQString(alert.messageText()), this);
    message->setObjectName(QStringLiteral("alertMessage"));
    QFont bold = message->font();
    bold.setBold(true);
    message->setFont(bold);
    texts->addWidget(message);
    const QString informativeText = toQString(alert.informativeText());
    // A screen reader announces a dialog by its name and description as it opens.
    setAccessibleName(message->text());
    setAccessibleDescription(informativeText);
    if (!informativeText.isEmpty()) {
        auto* informative = textLabel(informativeText, this);
        informative->setObjectName(QStringLiteral("alertInformative"));
        texts->addWidget(informative);
    }
    const auto& buttons = alert.buttons();
    if (alert.showsSuppressionButton()) {
        const auto box = alert.suppressionButton();
        suppression_ = new QCheckBox(toQString(box->title()), this);
        suppression_->setChecked(box->state() != 0);
        // The test scripting counts the check box after the buttons.
        suppression_->setProperty("platformButtonIndex", static_cast<int>(buttons.size()));
        texts->addWidget(suppression_);
    }
    texts->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(texts);

    // The first button stands rightmost, each later one to the left of the one before.
    auto* row = new QHBoxLayout;
    if (alert.showsHelp()) {
        auto* help = new QToolButton(this);
        help->setText(QStringLiteral("?"));
        help->setObjectName(QStringLiteral("alertHelp"));
        // The test scripting counts it after the buttons and the check box.
        help->setProperty("platformButtonIndex",
                          static_cast<int>(buttons.size() + (suppression_ ? 1 : 0)));
        const WeakRef<const Object> source = alert.weak_from_this();
        connect(help, &QToolButton::clicked, this, [source] {
            const auto object = source.lock();
            if (!object)
                return;
            const auto shown =
                std::const_pointer_cast<Alert>(std::static_pointer_cast<const Alert>(object));
            if (const auto delegate = shown->delegate())
                delegate->alertShowHelp(shown);
        });
        row->addWidget(help);
    }
    row->addStretch();
    for (std::size_t i = buttons.size(); i-- > 0;) {
        const auto& source = buttons[i];
        auto* button = new QPushButton(toQString(source->title()), this);
        button->setAutoDefault(false);
        button->setProperty("platformButtonIndex", static_cast<int>(i));
        const QString equivalent = toQString(source->keyEquivalent());
        button->setDefault(equivalent == QStringLiteral("\r"));
        if (!equivalent.isEmpty())
            keyEquivalents_.emplace_back(button, equivalent);
        const std::int64_t response = source->tag();
        connect(button, &QPushButton::clicked, this, [this, response] { respond_(response); });
        row->addWidget(button);
    }
    // Earlier buttons win when two share a key equivalent.
    std::reverse(keyEquivalents_.begin(), keyEquivalents_.end());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool AlertDialog::suppressionChecked() const {
    return suppression_ && suppression_->isChecked();
}

void AlertDialog::keyPressEvent(QKeyEvent* event) {
    const QString character = keyCharacter(*event);
    if (!character.isEmpty()) {
        for (const auto& [button, equivalent] : keyEquivalents_) {
            if (equivalent == character) {
                button->click();
                return;
            }
        }
    }
    event->ignore();
}

void AlertDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
}

} // namespace platform::detail

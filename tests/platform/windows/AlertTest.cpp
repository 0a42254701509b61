#include "platform/windows/Alert.h"
#include "platform/app/Application.h"
#include "platform/detail/ModalRun.h"
#include "platform/detail/WindowPeer.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/ToolkitInput.h"
#include "platform/windows/Window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

using namespace platform;
using platform::testing::Key;
using platform::testing::ModalScript;

using platform::testing::clickWidget;
using platform::testing::processEventsUntil;

namespace {

Ref<String> text(const char* utf8) {
    return String::fromUtf8(utf8);
}

Ref<Alert> alertWithButtons(std::initializer_list<const char*> titles) {
    auto alert = std::make_shared<Alert>();
    alert->setMessageText(text("Message"));
    alert->setInformativeText(text("Details"));
    for (const char* title : titles)
        alert->addButtonWithTitle(text(title));
    return alert;
}

// Looks at the alert's dialog once its modal run has started, before any scripted input.
void inspectDuringRun(std::function<void(QDialog&)> inspect) {
    QTimer::singleShot(0, qApp, [inspect] {
        auto* run = detail::ModalRun::innermost();
        auto* dialog = run ? qobject_cast<QDialog*>(run->widget()) : nullptr;
        ASSERT_NE(dialog, nullptr) << "the alert runs no dialog";
        inspect(*dialog);
    });
}

// The alert's buttons in the order they were added.
std::vector<QAbstractButton*> buttonsOf(QWidget& dialog) {
    std::vector<QAbstractButton*> buttons;
    for (auto* button : dialog.findChildren<QAbstractButton*>())
        if (button->inherits("QPushButton"))
            buttons.push_back(button);
    std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) {
        return a->property("platformButtonIndex").toInt() <
               b->property("platformButtonIndex").toInt();
    });
    return buttons;
}

QString labelText(QWidget& dialog, const char* name) {
    auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<none>");
}

} // namespace

TEST(Alert, EachButtonAnswersItsOwnResponseInTheOrderAdded) {
    struct Case {
        int click;
        std::int64_t response;
    };
    for (const Case c : {Case{0, 1000}, Case{1, 1001}, Case{2, 1002}}) {
        const auto alert = alertWithButtons({"Stop", "Continue", "Crash"});
        ModalScript script;
        script.run().clickButton(c.click);
        EXPECT_EQ(alert->runModal(), c.response) << "button " << c.click;
    }
}

TEST(Alert, ShowsItsTextsAndButtonsWithTheFirstRightmost) {
    const auto alert = alertWithButtons({"Quit", "Crash"});
    std::vector<std::string> titles;
    bool firstIsRightmost = false;
    bool shown = false;
    QString message, informative;
    inspectDuringRun([&](QDialog& dialog) {
        shown = dialog.isVisible();
        message = labelText(dialog, "alertMessage");
        informative = labelText(dialog, "alertInformative");
        const auto buttons = buttonsOf(dialog);
        for (auto* button : buttons)
            titles.push_back(button->text().toStdString());
        firstIsRightmost = buttons.size() == 2 && buttons[0]->x() > buttons[1]->x();
    });
    ModalScript script;
    script.run().clickButton(0);
    alert->runModal();
    EXPECT_TRUE(shown);
    EXPECT_EQ(message, "Message");
    EXPECT_EQ(informative, "Details");
    EXPECT_EQ(titles, (std::vector<std::string>{"Quit", "Crash"}));
    EXPECT_TRUE(firstIsRightmost);
}

TEST(Alert, WithoutButtonsItOffersOK) {
    auto alert = std::make_shared<Alert>();
    std::vector<std::string> titles;
    inspectDuringRun([&](QDialog& dialog) {
        for (auto* button : buttonsOf(dialog))
            titles.push_back(button->text().toStdString());
    });
    ModalScript script;
    script.run().press(Key::Return);
    EXPECT_EQ(alert->runModal(), AlertFirstButtonReturn);
    EXPECT_EQ(titles, (std::vector<std::string>{"OK"}));
}

TEST(Alert, EachStyleShowsItsOwnIcon) {
    const std::pair<AlertStyle, QStyle::StandardPixmap> cases[] = {
        {AlertStyle::Warning, QStyle::SP_MessageBoxWarning},
        {AlertStyle::Informational, QStyle::SP_MessageBoxInformation},
        {AlertStyle::Critical, QStyle::SP_MessageBoxCritical},
    };
    std::vector<QImage> shown;
    for (const auto& [style, pixmap] : cases) {
        const auto alert = alertWithButtons({"OK"});
        alert->setAlertStyle(style);
        QImage icon, expected;
        inspectDuringRun([&, pixmap = pixmap](QDialog& dialog) {
            auto* label = dialog.findChild<QLabel*>(QStringLiteral("alertIcon"));
            ASSERT_NE(label, nullptr);
            icon = label->pixmap().toImage();
            expected =
                dialog.style()->standardIcon(pixmap).pixmap(label->pixmap().size()).toImage();
        });
        ModalScript script;
        script.run().clickButton(0);
        alert->runModal();
        EXPECT_FALSE(icon.isNull());
        EXPECT_EQ(icon, expected) << "style " << static_cast<int>(style);
        shown.push_back(icon);
    }
    EXPECT_NE(shown[0], shown[1]);
    EXPECT_NE(shown[1], shown[2]);
    EXPECT_NE(shown[0], shown[2]);
}

TEST(Alert, ReturnAnswersTheFirstButtonWhateverHasFocus) {
    const auto alert = alertWithButtons({"Yes", "No"});
    inspectDuringRun([](QDialog& dialog) { buttonsOf(dialog)[1]->setFocus(); });
    ModalScript script;
    script.run().press(Key::Return);
    EXPECT_EQ(alert->runModal(), AlertFirstButtonReturn);
}

TEST(Alert, EscapeChoosesNoButtonUnlessOneHasItAsKeyEquivalent) {
    {
        const auto alert = alertWithButtons({"Yes", "No"});
        ModalScript script;
        // Were Escape to end the alert, the click would be left over and the response wrong.
        script.run().press(Key::Escape).clickButton(1);
        EXPECT_EQ(alert->runModal(), AlertSecondButtonReturn);
    }
    {
        const auto alert = alertWithButtons({"Save", "Cancel", "Discard"});
        alert->buttons()[1]->setKeyEquivalent(text("\x1b"));
        ModalScript script;
        script.run().press(Key::Escape);
        EXPECT_EQ(alert->runModal(), AlertSecondButtonReturn);
    }
}

TEST(Alert, ACharacterKeyEquivalentAnswersItsButton) {
    const auto alert = alertWithButtons({"Save", "Don't Save"});
    alert->buttons()[1]->setKeyEquivalent(text("d"));
    ModalScript script;
    script.run().type("x").type("d");
    EXPECT_EQ(alert->runModal(), AlertSecondButtonReturn);
}

TEST(Alert, AWindowManagerCloseDoesNotEndIt) {
    const auto alert = alertWithButtons({"Quit", "Crash"});
    bool stillShown = false;
    bool hasCloseButton = true;
    inspectDuringRun([&](QDialog& dialog) {
        hasCloseButton = dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint);
        dialog.close();
        stillShown = dialog.isVisible();
    });
    ModalScript script;
    script.run().clickButton(1);
    EXPECT_EQ(alert->runModal(), AlertSecondButtonReturn);
    EXPECT_TRUE(stillShown);
    EXPECT_FALSE(hasCloseButton);
}

TEST(Alert, StoppingTheModalRunEndsItWithTheCode) {
    const auto alert = alertWithButtons({"OK"});
    QTimer::singleShot(0, qApp, [] { Application::shared()->stopModalWithCode(77); });
    EXPECT_EQ(alert->runModal(), 77);
}

TEST(Alert, TheSuppressionCheckBoxKeepsTheStateTheUserLeft) {
    const auto alert = alertWithButtons({"OK", "Cancel"});
    bool shownWithout = true;
    inspectDuringRun(
        [&](QDialog& dialog) { shownWithout = dialog.findChild<QCheckBox*>() != nullptr; });
    {
        ModalScript script;
        script.run().clickButton(0);
        alert->runModal();
    }
    EXPECT_FALSE(shownWithout);

    alert->setShowsSuppressionButton(true);
    {
        // The check box counts after the buttons.
        ModalScript script;
        script.run().clickButton(2).clickButton(1);
        EXPECT_EQ(alert->runModal(), AlertSecondButtonReturn);
    }
    EXPECT_EQ(alert->suppressionButton()->state(), 1);
    {
        ModalScript script;
        script.run().clickButton(2).clickButton(0);
        alert->runModal();
    }
    EXPECT_EQ(alert->suppressionButton()->state(), 0);
}

TEST(Alert, ASheetBlocksOnlyItsWindowAndCompletesFromTheEventLoop) {
    const auto window = std::make_shared<Window>(Rect(100, 100, 400, 300), WindowStyleMask::Titled);
    window->makeKeyAndOrderFront();
    std::optional<std::int64_t> response;
    {
        const auto alert = alertWithButtons({"Play Again", "Quit"});
        alert->beginSheetModalForWindowCompletionHandler(
            window, [&response](std::int64_t value) { response = value; });
    }
    QDialog* sheet = nullptr;
    for (auto* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible())
            sheet = dialog;
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
    EXPECT_EQ(sheet->parentWidget(), window->peer().widget.data());

    clickWidget(*buttonsOf(*sheet)[1]);
    EXPECT_FALSE(response.has_value()) << "the handler ran inside the click";
    processEventsUntil([&] { return response.has_value(); });
    EXPECT_EQ(response, AlertSecondButtonReturn);
    window->close();
}

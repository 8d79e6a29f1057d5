#include "menubar/StatusItemController.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QRegularExpression>

#include "platform/fake/FakePlatform.h"

namespace {

using Calls = std::vector<std::string>;

class StatusItemControllerTest : public testing::Test {
protected:
    StatusItemControllerTest() {
        platform.resources.folder = ZEMBRIL_SOURCE_DIR "/resources";
        setPermission(true);
    }

    std::unique_ptr<StatusItemController> makeController(
        const std::optional<std::string>& displayString = std::nullopt) {
        const auto record = [this](const char* what) {
            return [this, what] { fired.push_back(what); };
        };
        return std::make_unique<StatusItemController>(
            displayString, record("open picker"), record("change shortcut"),
            record("open settings"), record("allow pasting"));
    }

    void setPermission(bool granted) {
        platform.inputAccess.trusted = granted;
        platform.inputAccess.postEventsAllowed = granted;
    }

    // The visible entries as the menu shows them: separators as "---", shortcuts after a tab,
    // a checked entry marked with "[x]".
    static std::vector<QString> shown(StatusItemController& controller) {
        std::vector<QString> lines;
        for (const QAction* action : controller.menu().actions()) {
            if (!action->isVisible()) {
                continue;
            }
            QString line = action->isSeparator() ? QStringLiteral("---") : action->text();
            if (!action->shortcut().isEmpty()) {
                line += QLatin1Char('\t') + action->shortcut().toString();
            }
            if (action->isChecked()) {
                line += QStringLiteral(" [x]");
            }
            lines.push_back(line);
        }
        return lines;
    }

    QAction& actionTitled(StatusItemController& controller, const QString& text) {
        for (QAction* action : controller.menu().actions()) {
            if (action->text() == text) {
                return *action;
            }
        }
        ADD_FAILURE() << "no entry " << text.toStdString();
        static QAction none;
        return none;
    }

    platform::FakePlatform platform;
    Calls fired;
};

TEST_F(StatusItemControllerTest, TheMenuShowsTheEntriesInOrderWithCtrlAsTheMenuModifier) {
    setPermission(false);
    const auto controller = makeController("⌃⌥Space");

    EXPECT_EQ(
        shown(*controller),
        (std::vector<QString>{"Allow Pasting…", "---", "Open Zembril", "---",
                              "Change Shortcut (⌃⌥Space)…", "Settings…\tCtrl+,", "Launch at Login",
                              "---", "About Zembril", "---", "Quit\tCtrl+Q"}));
    EXPECT_EQ(controller->menu().actions().size(), 11);
    EXPECT_FALSE(controller->menu().actions().front()->icon().isNull());

    controller->menu().grab().save("status-menu.png");
}

TEST_F(StatusItemControllerTest, AllowPastingIsRefreshedWhenTheMenuIsAboutToOpen) {
    const auto controller = makeController();
    EXPECT_EQ(shown(*controller).front(), "Open Zembril");

    setPermission(false);
    EXPECT_EQ(shown(*controller).front(), "Open Zembril");
    controller->menu().popup(QPoint(0, 0));
    EXPECT_EQ(shown(*controller).front(), "Allow Pasting…");
    controller->menu().hide();

    setPermission(true);
    controller->menu().popup(QPoint(0, 0));
    EXPECT_EQ(shown(*controller).front(), "Open Zembril");
    controller->menu().hide();
}

TEST_F(StatusItemControllerTest, TheShortcutTitleFollowsTheShortcutAndKeepsAmpersands) {
    const auto controller = makeController();
    EXPECT_EQ(shown(*controller)[2], "Set Shortcut…");

    controller->updateShortcutTitle("⌘&");

    EXPECT_EQ(shown(*controller)[2], "Change Shortcut (⌘&&)…");
}

TEST_F(StatusItemControllerTest, ChoosingAnEntryFiresItsCallback) {
    setPermission(false);
    const auto controller = makeController("⌘E");

    actionTitled(*controller, "Allow Pasting…").trigger();
    actionTitled(*controller, "Open Zembril").trigger();
    actionTitled(*controller, "Change Shortcut (⌘E)…").trigger();
    actionTitled(*controller, "Settings…").trigger();

    EXPECT_EQ(fired, (Calls{"allow pasting", "open picker", "change shortcut", "open settings"}));
}

TEST_F(StatusItemControllerTest, LaunchAtLoginShowsTheStatusAfterEachSwitch) {
    const auto controller = makeController();
    QAction& launchAtLogin = actionTitled(*controller, "Launch at Login");
    EXPECT_FALSE(launchAtLogin.isChecked());

    launchAtLogin.trigger();
    EXPECT_TRUE(launchAtLogin.isChecked());
    launchAtLogin.trigger();
    EXPECT_FALSE(launchAtLogin.isChecked());

    // A refused registration: Qt's own toggle must not leave the checkmark on.
    platform.loginItem.requestsFail = true;
    launchAtLogin.trigger();
    EXPECT_FALSE(launchAtLogin.isChecked());
    EXPECT_EQ(platform.calls.back(), "register login item");
    EXPECT_TRUE(fired.empty());
}

TEST_F(StatusItemControllerTest, QuitEndsTheProgramAndAboutShowsNameVersionAndIcon) {
    const auto controller = makeController();
    platform.calls.clear();

    actionTitled(*controller, "Quit").trigger();
    EXPECT_EQ(platform.calls, Calls{"terminate"});

    actionTitled(*controller, "About Zembril").trigger();
    QMessageBox* about = controller->aboutBox();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), "About Zembril");
    EXPECT_TRUE(about->text().contains("Zembril"));
    EXPECT_TRUE(about->text().contains(QRegularExpression("Version \\d+\\.\\d+\\.\\d+")));
    EXPECT_FALSE(about->informativeText().isEmpty());
    EXPECT_FALSE(about->iconPixmap().isNull());
    about->grab().save("about.png");

    actionTitled(*controller, "About Zembril").trigger();
    EXPECT_EQ(controller->aboutBox(), about);
    EXPECT_TRUE(fired.empty());
}

TEST_F(StatusItemControllerTest, WorksWithoutATray) {
    ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable());
    const auto controller = makeController();

    EXPECT_FALSE(controller->trayIcon().icon().isNull());
    actionTitled(*controller, "Open Zembril").trigger();
    EXPECT_EQ(fired, Calls{"open picker"});
}

TEST_F(StatusItemControllerTest, TheIconReadsOnLightAndDarkPanels) {
    const auto controller = makeController();
    const QIcon icon = controller->trayIcon().icon();
    EXPECT_TRUE(icon.availableSizes().contains(QSize(22, 22)));

    // The icon at tray size on a light and a dark panel, side by side and enlarged.
    QImage panels(96, 48, QImage::Format_ARGB32);
    panels.fill(Qt::white);
    QPainter painter(&panels);
    painter.fillRect(48, 0, 48, 48, QColor(30, 30, 30));
    const QPixmap face = icon.pixmap(QSize(22, 22));
    for (const int x : {13, 61}) {
        painter.drawPixmap(x, 13, face);
    }
    painter.end();
    panels.scaled(384, 192).save("status-icon.png");

    // On both panels some of the face is drawn in a colour far from the panel's.
    const auto contrasts = [&panels](int left, const QColor& panel) {
        for (int y = 13; y < 35; ++y) {
            for (int x = left + 13; x < left + 35; ++x) {
                const QColor pixel = panels.pixelColor(x, y);
                if (std::abs(pixel.lightness() - panel.lightness()) > 128) {
                    return true;
                }
            }
        }
        return false;
    };
    EXPECT_TRUE(contrasts(0, Qt::white));
    EXPECT_TRUE(contrasts(48, QColor(30, 30, 30)));
}

}  // namespace

#include "menubar/StatusItemController.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QMessageBox>
#include <QPalette>
#include <utility>

#include "Version.h"
#include "menubar/StatusIcon.h"
#include "ui/SymbolImage.h"

namespace {

using Kind = StatusMenuEntry::Kind;

constexpr int aboutIconSize = 64;
constexpr int menuIconSize = 16;

// Menu titles are plain text: an ampersand in a shortcut's name is not a mnemonic.
QString menuText(const std::string& title) {
    return QString::fromStdString(title).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// Menus on Linux choose their entries with Ctrl, where macOS menus use Command.
QKeySequence keySequence(const std::string& keyEquivalent) {
    if (keyEquivalent.empty()) {
        return {};
    }
    return QKeySequence(QStringLiteral("Ctrl+") + QString::fromStdString(keyEquivalent).toUpper());
}

}  // namespace

StatusItemController::StatusItemController(const std::optional<std::string>& displayString,
                                           std::function<void()> onOpenPicker,
                                           std::function<void()> onChangeShortcut,
                                           std::function<void()> onOpenSettings,
                                           std::function<void()> onAllowPasting)
    : model_(displayString, std::move(onOpenPicker), std::move(onChangeShortcut),
             std::move(onOpenSettings), std::move(onAllowPasting)),
      menu_(std::make_unique<QMenu>()),
      trayIcon_(std::make_unique<QSystemTrayIcon>()) {
    addActions();
    sync();
    connect(menu_.get(), &QMenu::aboutToShow, this, [this] {
        model_.menuWillOpen();
        sync();
    });

    trayIcon_->setIcon(statusIcon(QApplication::palette()));
    trayIcon_->setToolTip(QStringLiteral("Zembril"));
    trayIcon_->setContextMenu(menu_.get());
    // A click of either button opens the menu, as the right button does on its own.
    connect(trayIcon_.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger) {
                    menu_->popup(QCursor::pos());
                }
            });
    qApp->installEventFilter(this);
    trayIcon_->show();
}

StatusItemController::~StatusItemController() {
    qApp->removeEventFilter(this);
    delete aboutBox_;
}

void StatusItemController::addActions() {
    for (const StatusMenuEntry& entry : model_.entries()) {
        QAction* action = menu_->addAction(menuText(entry.title));
        action->setSeparator(entry.isSeparator());
        action->setCheckable(entry.checkable);
        action->setShortcut(keySequence(entry.keyEquivalent));
        const Kind kind = entry.kind;
        connect(action, &QAction::triggered, this, [this, kind] { trigger(kind); });
        actions_.push_back(action);
    }
    const QPixmap warning =
        symbolImage("exclamationmark.triangle.fill", menu_->palette().color(QPalette::WindowText),
                    menuIconSize, menu_->devicePixelRatioF());
    if (!warning.isNull()) {
        actions_.front()->setIcon(QIcon(warning));
    }
}

void StatusItemController::updateShortcutTitle(const std::optional<std::string>& displayString) {
    model_.updateShortcutTitle(displayString);
    sync();
}

void StatusItemController::sync() {
    const auto& entries = model_.entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        QAction* action = actions_[i];
        if (!entries[i].isSeparator()) {
            action->setText(menuText(entries[i].title));
        }
        action->setVisible(entries[i].visible);
        action->setChecked(entries[i].checked);
    }
}

void StatusItemController::trigger(Kind kind) {
    switch (kind) {
        case Kind::allowPasting:
            model_.allowPastingClicked();
            break;
        case Kind::openPicker:
            model_.openPickerClicked();
            break;
        case Kind::changeShortcut:
            model_.changeShortcutClicked();
            break;
        case Kind::settings:
            model_.settingsClicked();
            break;
        case Kind::launchAtLogin:
            model_.toggleLaunchAtLoginClicked();
            break;
        case Kind::about:
            showAbout();
            break;
        case Kind::quit:
            model_.quitClicked();
            break;
        case Kind::allowPastingSeparator:
        case Kind::separator:
            break;
    }
    sync();
}

void StatusItemController::showAbout() {
    if (aboutBox_ == nullptr) {
        aboutBox_ = new QMessageBox();
        aboutBox_->setAttribute(Qt::WA_DeleteOnClose);
        aboutBox_->setWindowTitle(QStringLiteral("About Zembril"));
        aboutBox_->setTextFormat(Qt::RichText);
        aboutBox_->setText(QStringLiteral("<b>Zembril</b><br>Version ") +
                           QString::fromLatin1(zembrilVersion));
        aboutBox_->setInformativeText(QStringLiteral(
            "An emoji picker in the system tray: press the shortcut, type a name, and the emoji "
            "is pasted where you were typing."));
        aboutBox_->setIconPixmap(
            statusIcon(aboutBox_->palette())
                .pixmap(QSize(aboutIconSize, aboutIconSize), aboutBox_->devicePixelRatioF()));
        aboutBox_->setStandardButtons(QMessageBox::Ok);
    }
    // Not modal: the tray and the global shortcut keep working while it is open.
    aboutBox_->show();
    aboutBox_->raise();
    aboutBox_->activateWindow();
}

bool StatusItemController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange) {
        trayIcon_->setIcon(statusIcon(QApplication::palette()));
    }
    return QObject::eventFilter(watched, event);
}

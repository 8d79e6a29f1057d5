#pragma once

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "menubar/StatusMenu.h"

// The program's item in the system tray and its menu: the user's permanent way in. Without a
// tray on the desktop the item stays unseen and everything else goes on working.
class StatusItemController final : public QObject {
public:
    StatusItemController(const std::optional<std::string>& displayString,
                         std::function<void()> onOpenPicker, std::function<void()> onChangeShortcut,
                         std::function<void()> onOpenSettings,
                         std::function<void()> onAllowPasting);
    ~StatusItemController() override;

    /// Retitles the shortcut entry for the shortcut shown as `displayString`, or none.
    void updateShortcutTitle(const std::optional<std::string>& displayString);

    QSystemTrayIcon& trayIcon() { return *trayIcon_; }
    QMenu& menu() { return *menu_; }
    /// The menu's actions, one per entry of the model, separators included, in menu order.
    const std::vector<QAction*>& actions() const { return actions_; }
    /// The about box, while it is open.
    QMessageBox* aboutBox() const { return aboutBox_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addActions();
    void trigger(StatusMenuEntry::Kind kind);
    /// Shows the model's titles, visibility and checkmarks.
    void sync();
    void showAbout();

    StatusMenu model_;
    std::unique_ptr<QMenu> menu_;
    std::vector<QAction*> actions_;
    std::unique_ptr<QSystemTrayIcon> trayIcon_;
    QPointer<QMessageBox> aboutBox_;
};

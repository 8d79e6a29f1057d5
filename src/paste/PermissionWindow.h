#pragma once

#include <functional>
#include <memory>

#include "paste/PastePermission.h"
#include "paste/PastePermissionMonitor.h"
#include "ui/TitledWindow.h"

class QLabel;
class QPushButton;
class PastePermissionStatusView;

// The small window that walks the user through allowing Zembril to paste: it shows the
// permission state, watches it once a second while open, and offers the next step as its one
// push button. Shown as the second step of onboarding or on demand.
class PermissionWindow final : public TitledWindow {
public:
    explicit PermissionWindow(bool isOnboarding);
    ~PermissionWindow() override;

    /// Centres the window, brings it to the front and starts watching the permission state.
    void present();

    /// Called when the user asks for the restart that the permission needs.
    std::function<void()> onRestart;
    /// Called once when the window closes, however it closes. The window must outlive the
    /// call: drop it afterwards (deleteLater), not from inside.
    std::function<void()> onClose;

    PastePermissionStatusView* statusView() const { return statusView_; }
    QLabel* hintLabel() const { return hintLabel_; }
    QPushButton* primaryButton() const { return primaryButton_; }
    QPushButton* skipButton() const { return skipButton_; }
    PastePermission::State state() const { return state_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void apply(PastePermission::State state);
    void primaryClicked();
    void skipClicked();
    void windowWillClose();

    QLabel* stepLabel_ = nullptr;
    QLabel* bodyLabel_ = nullptr;
    QLabel* hintLabel_;
    PastePermissionStatusView* statusView_;
    QPushButton* primaryButton_;
    QPushButton* skipButton_;
    std::unique_ptr<PastePermissionMonitor> monitor_;
    PastePermission::State state_ = PastePermission::State::needsAccessibility;
};

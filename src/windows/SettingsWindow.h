#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "catalogue/SkinTone.h"
#include "paste/PastePermission.h"
#include "ui/TitledWindow.h"
#include "windows/SettingsSection.h"

class PastePermissionMonitor;
class PastePermissionStatusView;
class QLabel;
class QPushButton;
class SidebarRowView;
class SkinToneSwatchView;

// The settings window: a sidebar with one row per section and, beside it, the page of the
// selected section: the default skin tone, and the paste permission. Made once and kept;
// closing only hides it.
class SettingsWindow final : public TitledWindow {
public:
    SettingsWindow();
    ~SettingsWindow() override;

    /// Called when the user asks for the restart that the paste permission needs.
    std::function<void()> onRestart;

    /// Created on first use; the same monitor for the window's life.
    PastePermissionMonitor& pasteMonitor();
    /// Centres on the primary screen's available area.
    void center();
    /// Shows, raises and activates the window.
    void showAndActivate();

    /// The raised hand in `tone`.
    static QString handGlyph(SkinTone tone);

    SidebarRowView* sidebarRow(SettingsSection section) const;
    QWidget* sectionView(SettingsSection section) const;
    const std::vector<SkinToneSwatchView*>& toneSwatches() const { return toneSwatches_; }
    QLabel* toneSelectionLabel() const { return toneSelectionLabel_; }
    PastePermissionStatusView* pasteStatusView() const { return pasteStatusView_; }
    QPushButton* pasteButton() const { return pasteButton_; }
    PastePermission::State pasteState() const { return pasteState_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setUpSidebar();
    void select(SettingsSection section);
    /// A page of the content container, to be filled by a page builder.
    QWidget* makePage();
    QWidget* buildSkinToneView();
    QWidget* buildPastingView();
    void selectTone(SkinTone tone);
    void applyPasteState(PastePermission::State state);
    void pasteButtonClicked();

    static constexpr int sidebarWidth = 150;
    static constexpr int windowWidth = 560;
    static constexpr int windowHeight = 320;
    static constexpr int topInset = 56;

    QWidget* contentContainer_ = nullptr;
    std::unordered_map<SettingsSection, SidebarRowView*> sidebarRows_;
    std::unordered_map<SettingsSection, QWidget*> sectionViews_;
    std::vector<SkinToneSwatchView*> toneSwatches_;
    QLabel* toneSelectionLabel_ = nullptr;
    PastePermissionStatusView* pasteStatusView_ = nullptr;
    QPushButton* pasteButton_ = nullptr;
    PastePermission::State pasteState_ = PastePermission::State::needsAccessibility;
    std::unique_ptr<PastePermissionMonitor> pasteMonitor_;
    // Texts drawn in the secondary label colour, taken again from the window's palette when
    // it changes.
};

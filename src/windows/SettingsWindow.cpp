#include "windows/SettingsWindow.h"

#include <QCloseEvent>
#include <QPointer>

#include "paste/PastePermissionMonitor.h"
#include "ui/DynamicColorView.h"
#include "ui/Frame.h"
#include "ui/SystemColors.h"
#include "ui/WindowLook.h"
#include "windows/SidebarRowView.h"

namespace {

constexpr int rowHeight = 30;
constexpr int rowSpacing = 4;

}  // namespace

SettingsWindow::SettingsWindow() {
    setWindowTitle(QStringLiteral("Settings"));
    setFixedSize(windowWidth, windowHeight);
    fillWithWindowBackground(*this);

    setUpSidebar();

    contentContainer_ = new QWidget(this);
    contentContainer_->setObjectName("contentContainer");
    place(*contentContainer_,
          Frame{sidebarWidth + 1, 0, windowWidth - sidebarWidth - 1, windowHeight});

    for (const SettingsSection section : settingsSections::allCases) {
        QWidget* page =
            section == SettingsSection::pasting ? buildPastingView() : buildSkinToneView();
        page->hide();
        sectionViews_[section] = page;
    }
    select(SettingsSection::skinTone);
}

SettingsWindow::~SettingsWindow() = default;

void SettingsWindow::setUpSidebar() {
    auto* sidebar = new QWidget(this);
    sidebar->setObjectName("sidebar");
    place(*sidebar, Frame{0, 0, sidebarWidth, windowHeight});

    auto* separator = new DynamicColorView(SystemColor::separator, std::nullopt, this);
    separator->setObjectName("separator");
    place(*separator, Frame{sidebarWidth, 0, 1, windowHeight});

    QPointer<SettingsWindow> window(this);
    int y = windowHeight - topInset - rowHeight;
    for (const SettingsSection section : settingsSections::allCases) {
        auto* row = new SidebarRowView(QString::fromUtf8(settingsSections::title(section)),
                                       settingsSections::symbolName(section), sidebar);
        place(*row, Frame{10, y, sidebarWidth - 20, rowHeight});
        // A hidden window gets no resize events yet: the row is laid out for its frame now.
        row->layOutSubviews();
        row->onSelect = [window, section] {
            if (window) {
                window->select(section);
            }
        };
        sidebarRows_[section] = row;
        y -= rowHeight + rowSpacing;
    }
}

void SettingsWindow::select(SettingsSection section) {
    for (const auto& [key, row] : sidebarRows_) {
        row->isSelected = key == section;
        row->updateAppearance();
    }
    for (const auto& [key, page] : sectionViews_) {
        page->setVisible(key == section);
    }
}

QWidget* SettingsWindow::makePage() {
    auto* page = new QWidget(contentContainer_);
    place(*page, Frame{0, 0, contentContainer_->width(), windowHeight});
    return page;
}

SidebarRowView* SettingsWindow::sidebarRow(SettingsSection section) const {
    return sidebarRows_.at(section);
}

QWidget* SettingsWindow::sectionView(SettingsSection section) const {
    return sectionViews_.at(section);
}

void SettingsWindow::center() {
    centerOnPrimaryScreen(*this);
}

void SettingsWindow::showAndActivate() {
    bringToFront(*this);
}

void SettingsWindow::closeEvent(QCloseEvent* event) {
    pasteMonitor().stop();
    QWidget::closeEvent(event);
}

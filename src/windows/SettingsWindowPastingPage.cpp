// The pasting page of the settings window: why pasting needs access, the live permission
// state, and the one button that moves it forward.
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "paste/PastePermissionMonitor.h"
#include "paste/PastePermissionStatusView.h"
#include "prefs/StoredPreferences.h"
#include "ui/Frame.h"
#include "ui/WindowLook.h"
#include "windows/SettingsWindow.h"

namespace {

constexpr int buttonWidth = 220;

}  // namespace

using PastePermission::State;

QWidget* SettingsWindow::buildPastingView() {
    QWidget* page = makePage();
    page->setObjectName("pastingPage");
    const int width = page->width();

    auto* heading =
        makeLabel(QStringLiteral("Pasting"), systemFont(15, QFont::Bold), Qt::AlignLeft, page);
    heading->setObjectName("heading");
    place(*heading, Frame{24, 244, width - 48, 20});

    auto* explanation = makeWrappingLabel(
        QStringLiteral("Zembril pastes by sending ⌘V to the app you were using, which needs "
                       "Accessibility access. Without it, picked emoji are copied instead."),
        systemFont(12), Qt::AlignLeft, page);
    explanation->setObjectName("explanation");
    placeWrapping(*explanation, Frame{24, 200, width - 48, 36});
    secondaryTexts_.push_back(explanation);

    pasteStatusView_ = new PastePermissionStatusView(page);
    pasteStatusView_->setObjectName("pasteStatus");
    place(*pasteStatusView_, Frame{24, 154, width - 48, 24});
    pasteStatusView_->layOut();

    pasteButton_ = new QPushButton(page);
    pasteButton_->setObjectName("pasteButton");
    pasteButton_->setFont(systemFont(13));
    // Half a point left of centre when the spare width is odd: frames are whole points.
    place(*pasteButton_, Frame{(width - buttonWidth) / 2, 108, buttonWidth, 28});
    connect(pasteButton_, &QPushButton::clicked, this, [this] { pasteButtonClicked(); });

    applyPasteState(PastePermission::current());
    return page;
}

void SettingsWindow::applyPasteState(State state) {
    pasteState_ = state;
    pasteStatusView_->update(state);
    switch (state) {
        case State::granted:
            break;
        case State::needsAccessibility:
            pasteButton_->setText(prefs::pastePermissionRequested()
                                      ? QStringLiteral("Open Privacy && Security")
                                      : QStringLiteral("Allow Pasting…"));
            break;
        case State::needsRestart:
            pasteButton_->setText(QStringLiteral("Restart Zembril"));
            break;
    }
    pasteButton_->setVisible(state != State::granted);
}

void SettingsWindow::pasteButtonClicked() {
    switch (pasteState_) {
        case State::granted:
            break;
        case State::needsAccessibility:
            PastePermission::requestAccess();
            applyPasteState(pasteState_);
            break;
        case State::needsRestart:
            if (onRestart) {
                onRestart();
            }
            break;
    }
}

PastePermissionMonitor& SettingsWindow::pasteMonitor() {
    if (!pasteMonitor_) {
        QPointer<SettingsWindow> window(this);
        pasteMonitor_ = std::make_unique<PastePermissionMonitor>([window](State state) {
            if (window) {
                window->applyPasteState(state);
            }
        });
    }
    return *pasteMonitor_;
}

// The pasting page of the settings window: why pasting needs access, the live permission
// state, and the one button that moves it forward.
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "paste/PastePermissionMonitor.h"
#include "paste/PastePermissionPrompt.h"
#include "ui/Frame.h"
#include "ui/PastePermissionStatusView.h"
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
    addSecondaryText(*explanation);

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
    const PastePermissionPrompt prompt = PastePermissionPrompt::forState(state);
    pasteStatusView_->display(prompt.statusSymbol, prompt.statusTone,
                              QString::fromStdString(prompt.statusText));
    pasteButton_->setText(buttonTitle(prompt.buttonTitle));
    // The page needs no button once nothing is left to do; it has no hint.
    pasteButton_->setVisible(prompt.action != PastePermissionPrompt::Action::finish);
}

void SettingsWindow::pasteButtonClicked() {
    switch (PastePermissionPrompt::forState(pasteState_).action) {
        case PastePermissionPrompt::Action::finish:
            break;
        case PastePermissionPrompt::Action::requestAccess:
            PastePermission::requestAccess();
            applyPasteState(pasteState_);
            break;
        case PastePermissionPrompt::Action::restart:
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

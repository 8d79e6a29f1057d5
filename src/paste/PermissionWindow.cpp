#include "paste/PermissionWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>

#include "paste/PastePermissionPrompt.h"
#include "ui/Frame.h"
#include "ui/PastePermissionStatusView.h"
#include "ui/WindowLook.h"

namespace {

using PastePermission::State;

constexpr int windowWidth = 420;
constexpr int windowHeight = 402;
constexpr int stepLineHeight = 20;

QLabel* makeCentredLabel(const QString& text, int pixelSize, QFont::Weight weight, bool wraps,
                         QWidget* parent) {
    const QFont font = systemFont(pixelSize, weight);
    return wraps ? makeWrappingLabel(text, font, Qt::AlignHCenter, parent)
                 : makeLabel(text, font, Qt::AlignHCenter, parent);
}

}  // namespace

PermissionWindow::PermissionWindow(bool isOnboarding) {
    const int height = windowHeight + (isOnboarding ? stepLineHeight : 0);
    setFixedSize(windowWidth, height);

    fillWithWindowBackground(*this);

    auto* icon = new QLabel(this);
    icon->setObjectName("applicationIcon");
    icon->setAlignment(Qt::AlignCenter);
    icon->setPixmap(QGuiApplication::windowIcon().pixmap(64, 64));
    place(*icon, Frame{178, height - 104, 64, 64});

    if (isOnboarding) {
        stepLabel_ = makeCentredLabel("Step 2 of 2", 11, QFont::Medium, false, this);
        stepLabel_->setObjectName("stepLine");
        place(*stepLabel_, Frame{20, height - 132, 380, 16});
    }

    auto* title = makeCentredLabel("Allow Zembril to paste", 20, QFont::Bold, false, this);
    title->setObjectName("title");
    place(*title, Frame{20, 260, 380, 26});

    bodyLabel_ = makeCentredLabel(
        "Zembril pastes by sending ⌘V to the app you were using. macOS needs your OK for that. "
        "Zembril doesn’t read or record anything you type.",
        13, QFont::Normal, true, this);
    bodyLabel_->setObjectName("body");
    place(*bodyLabel_, Frame{40, 200, 340, 52});

    hintLabel_ = makeCentredLabel(QString(), 12, QFont::Normal, true, this);
    hintLabel_->setObjectName("hint");
    place(*hintLabel_, Frame{40, 144, 340, 48});

    statusView_ = new PastePermissionStatusView(this);
    statusView_->setObjectName("status");
    place(*statusView_, Frame{40, 104, 340, 24});
    statusView_->layOut();

    primaryButton_ = new QPushButton(this);
    primaryButton_->setObjectName("primaryButton");
    primaryButton_->setDefault(true);
    QFont primaryFont = primaryButton_->font();
    primaryFont.setPixelSize(13);
    primaryButton_->setFont(primaryFont);
    place(*primaryButton_, Frame{90, 52, 240, 32});
    connect(primaryButton_, &QPushButton::clicked, this, [this] { primaryClicked(); });

    skipButton_ = new QPushButton("Skip for now", this);
    skipButton_->setObjectName("skipButton");
    skipButton_->setFlat(true);
    skipButton_->setCursor(Qt::PointingHandCursor);
    QFont skipFont = skipButton_->font();
    skipFont.setPixelSize(12);
    skipButton_->setFont(skipFont);
    place(*skipButton_, Frame{150, 24, 120, 20});
    connect(skipButton_, &QPushButton::clicked, this, [this] { skipClicked(); });

    for (QWidget* text : {static_cast<QWidget*>(stepLabel_), static_cast<QWidget*>(bodyLabel_),
                          static_cast<QWidget*>(hintLabel_), static_cast<QWidget*>(skipButton_)}) {
        if (text != nullptr) {
            addSecondaryText(*text);
        }
    }
    apply(PastePermission::current());
}

PermissionWindow::~PermissionWindow() = default;

void PermissionWindow::present() {
    centerOnPrimaryScreen(*this);
    bringToFront(*this);

    QPointer<PermissionWindow> window(this);
    monitor_ = std::make_unique<PastePermissionMonitor>([window](State state) {
        if (!window) {
            return;
        }
        const State previous = window->state_;
        window->apply(state);
        if (state == State::granted && previous != State::granted) {
            bringToFront(*window);
        }
    });
    monitor_->start();
}

void PermissionWindow::apply(State state) {
    state_ = state;
    const PastePermissionPrompt prompt = PastePermissionPrompt::forState(state);
    statusView_->display(prompt.statusSymbol, prompt.statusTone,
                         QString::fromStdString(prompt.statusText));
    primaryButton_->setText(buttonTitle(prompt.buttonTitle));
    hintLabel_->setText(QString::fromStdString(prompt.hint));
    skipButton_->setVisible(prompt.offersSkip);
}

void PermissionWindow::primaryClicked() {
    switch (PastePermissionPrompt::forState(state_).action) {
        case PastePermissionPrompt::Action::finish:
            close();
            break;
        case PastePermissionPrompt::Action::requestAccess:
            PastePermission::requestAccess();
            apply(state_);
            break;
        case PastePermissionPrompt::Action::restart:
            if (onRestart) {
                onRestart();
            }
            break;
    }
}

void PermissionWindow::skipClicked() {
    close();
}

void PermissionWindow::closeEvent(QCloseEvent* event) {
    windowWillClose();
    QWidget::closeEvent(event);
}

void PermissionWindow::windowWillClose() {
    if (monitor_) {
        monitor_->stop();
    }
    monitor_.reset();
    if (auto closed = std::exchange(onClose, nullptr)) {
        closed();
    }
}

void PermissionWindow::keyPressEvent(QKeyEvent* event) {
    // A plain window has no default button: Return presses the primary one here.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        primaryButton_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

#include "windows/WelcomeWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <utility>

#include "ui/EmojiFont.h"
#include "ui/Frame.h"
#include "ui/SystemColors.h"
#include "ui/WindowLook.h"
#include "windows/ShortcutField.h"

namespace {

constexpr int windowWidth = 420;
constexpr int windowHeight = 560;
constexpr int previewWidth = 372;
constexpr double previewTintAlpha = 0.4;
constexpr double previewCornerRadius = 12;

// Twelve sample emoji between single spaces. The heart (U+2764) and the star (U+2B50) carry
// the emoji presentation selector, so that no font draws them as text symbols.
constexpr char sampleEmoji[] =
    "\U0001F600 \U0001F602 \u2764\uFE0F \U0001F389 \U0001F525 \U0001F680 \U0001F44D "
    "\U0001F355 \U0001F3A8 \U0001F308 \U0001F436 \u2B50\uFE0F";

// The sample line as rich text: each emoji in the colour emoji font, the spaces between them
// in the label's own font. The colour font's spaces are nearly as wide as its emoji and would
// push the line onto a third row.
QString sampleEmojiHtml() {
    QStringList emoji;
    for (const QString& glyph : QString::fromUtf8(sampleEmoji).split(u' ')) {
        emoji << QStringLiteral("<span style=\"font-family: '%1'\">%2</span>")
                     .arg(emojiFont(30).family(), glyph);
    }
    return emoji.join(u' ');
}

// The rounded box under the sample emoji, tinted with the text background of the palette in use.
class PreviewBox final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(withAlpha(palette().color(QPalette::Base), previewTintAlpha));
        painter.drawRoundedRect(QRectF(rect()), previewCornerRadius, previewCornerRadius);
    }
};

}  // namespace

WelcomeWindow::WelcomeWindow()
    : shortcutField_(new ShortcutField(this)),
      skipButton_(new QPushButton(QStringLiteral("Skip for now"), this)) {
    setFixedSize(windowWidth, windowHeight);
    fillWithWindowBackground(*this);

    auto* icon = new QLabel(this);
    icon->setObjectName("applicationIcon");
    icon->setAlignment(Qt::AlignCenter);
    icon->setPixmap(QGuiApplication::windowIcon().pixmap(96, 96));
    place(*icon, Frame{162, 424, 96, 96});

    auto* title = makeLabel(QStringLiteral("Welcome to Zembril"), systemFont(20, QFont::Bold),
                            Qt::AlignHCenter, this);
    title->setObjectName("title");
    place(*title, Frame{20, 384, 380, 28});

    auto* subtitle = makeWrappingLabel(
        QStringLiteral("Choose a global shortcut to open Zembril from anywhere on your Mac."),
        systemFont(13), Qt::AlignHCenter, this);
    subtitle->setObjectName("subtitle");
    placeWrapping(*subtitle, Frame{40, 340, 340, 36});

    shortcutField_->setObjectName("shortcutField");
    place(*shortcutField_, Frame{80, 268, 260, 44});
    QPointer<WelcomeWindow> window(this);
    shortcutField_->onRecorded = [window](const Hotkey& hotkey) {
        if (window) {
            window->complete(hotkey);
        }
    };

    skipButton_->setObjectName("skipButton");
    skipButton_->setFlat(true);
    skipButton_->setCursor(Qt::PointingHandCursor);
    skipButton_->setFont(systemFont(12));
    place(*skipButton_, Frame{150, 234, 120, 20});
    connect(skipButton_, &QPushButton::clicked, this, [this] { skipClicked(); });

    auto* preview = new PreviewBox(this);
    preview->setObjectName("preview");
    place(*preview, Frame{24, 24, previewWidth, 180});

    auto* emojiLine =
        makeWrappingLabel(sampleEmojiHtml(), systemFont(30), Qt::AlignHCenter, preview);
    emojiLine->setTextFormat(Qt::RichText);
    emojiLine->setObjectName("emojiLine");
    placeWrapping(*emojiLine, Frame{16, 56, previewWidth - 32, 90});

    auto* caption = makeLabel(QStringLiteral("Search hundreds of emoji instantly"), systemFont(11),
                              Qt::AlignHCenter, preview);
    caption->setObjectName("caption");
    place(*caption, Frame{16, 16, previewWidth - 32, 20});

    addSecondaryText(*subtitle);
    addSecondaryText(*skipButton_);
    addSecondaryText(*caption);
}

void WelcomeWindow::present(std::function<void(std::optional<Hotkey>)> completion) {
    completion_ = std::move(completion);
    centerOnPrimaryScreen(*this);
    bringToFront(*this);
    shortcutField_->beginRecording();
}

void WelcomeWindow::skipClicked() {
    complete(std::nullopt);
}

void WelcomeWindow::complete(std::optional<Hotkey> value) {
    if (didComplete_) {
        return;
    }
    didComplete_ = true;
    if (auto completion = std::exchange(completion_, nullptr)) {
        completion(std::move(value));
    }
    // When the window is already closing this close meets Qt's own guard and does nothing.
    close();
}

void WelcomeWindow::closeEvent(QCloseEvent* event) {
    complete(std::nullopt);
    QWidget::closeEvent(event);
}

#include "menubar/NoticePanel.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>
#include <QTextBoundaryFinder>

#include "ui/DynamicColorView.h"
#include "ui/Frame.h"
#include "ui/SystemColors.h"

namespace {

constexpr int topInset = 16;
constexpr int textInset = 16;

// Whether `cluster` is drawn as an emoji: it asks for emoji presentation or is a keycap or a
// joined sequence, or it starts in a block of pictographs.
bool isEmoji(QStringView cluster) {
    for (const char32_t c : cluster.toUcs4()) {
        if (c == 0xFE0F || c == 0x20E3 || c == 0x200D || c >= 0x1F000 ||
            (c >= 0x2600 && c <= 0x27BF) || (c >= 0x2B00 && c <= 0x2BFF) ||
            (c >= 0x231A && c <= 0x231B) || (c >= 0x23E9 && c <= 0x23FA)) {
            return true;
        }
    }
    return false;
}

QString withColourEmoji(const QString& text) {
    QString html;
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    for (qsizetype end = clusters.toNextBoundary(); end != -1; end = clusters.toNextBoundary()) {
        const QString cluster = text.mid(start, end - start);
        if (isEmoji(cluster)) {
            html += QStringLiteral("<span style=\"font-family: 'Noto Color Emoji'\">") +
                    cluster.toHtmlEscaped() + QStringLiteral("</span>");
        } else {
            html += cluster.toHtmlEscaped();
        }
        start = end;
    }
    return QStringLiteral("<span style=\"white-space: pre\">") + html + QStringLiteral("</span>");
}

}  // namespace

QPoint noticeOrigin(const QRect& visibleFrame, const QSize& size) {
    return QPoint(visibleFrame.left() + visibleFrame.width() / 2 - size.width() / 2,
                  visibleFrame.top() + topInset);
}

NoticePanel::NoticePanel()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      fade_(this, "windowOpacity") {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(QStringLiteral("Zembril"));
    setFixedSize(panelWidth, panelHeight);
    // No compositor is needed for the rounded corners: the window itself has that shape.
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));

    clickableView_ = new ClickableView(this);
    place(*clickableView_, Frame{0, 0, panelWidth, panelHeight});
    clickableView_->onClick = [this] { controller_->handleClick(); };

    auto* background =
        new DynamicColorView(SystemColor::windowBackground, std::nullopt, clickableView_);
    place(*background, Frame{0, 0, panelWidth, panelHeight});
    background->setAttribute(Qt::WA_TransparentForMouseEvents);

    titleLabel_ = makeLabel(13, QFont::DemiBold);
    place(*titleLabel_, Frame{textInset, 29, panelWidth - 2 * textInset, 17});
    detailLabel_ = makeLabel(12, QFont::Normal);
    place(*detailLabel_, Frame{textInset, 10, panelWidth - 2 * textInset, 16});
    applyLabelColors();

    fade_.setEndValue(0.0);
    NoticeView& view = *this;
    controller_ = std::make_unique<NoticeController>(view);
}

NoticePanel::~NoticePanel() = default;

void NoticePanel::show(const std::string& title, const std::string& detail,
                       std::chrono::duration<double> duration, std::function<void()> onClick) {
    controller_->show(title, detail, duration, std::move(onClick));
}

QLabel* NoticePanel::makeLabel(int pixelSize, QFont::Weight weight) {
    auto* label = new QLabel(clickableView_);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(false);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

void NoticePanel::applyLabelColors() {
    const auto colorLabel = [this](QLabel* label, SystemColor color) {
        QPalette labelPalette = label->palette();
        labelPalette.setColor(QPalette::WindowText, systemColor(color, palette()));
        label->setPalette(labelPalette);
    };
    colorLabel(titleLabel_, SystemColor::label);
    colorLabel(detailLabel_, SystemColor::secondaryLabel);
}

void NoticePanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange && titleLabel_ != nullptr) {
        applyLabelColors();
    }
    QWidget::changeEvent(event);
}

void NoticePanel::setContent(const std::string& title, const std::string& detail,
                             bool showsPointingHand) {
    titleLabel_->setText(withColourEmoji(QString::fromStdString(title)));
    detailLabel_->setText(withColourEmoji(QString::fromStdString(detail)));
    clickableView_->setShowsPointingHand(showsPointingHand);
}

void NoticePanel::moveToTopOfMainScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(noticeOrigin(screen->availableGeometry(), size()));
    }
}

void NoticePanel::orderFrontAtFullOpacity() {
    fade_.stop();
    setWindowOpacity(1.0);
    QWidget::show();
    raise();
}

void NoticePanel::beginFadeOut(platform::Duration duration) {
    fade_.stop();
    fade_.setDuration(static_cast<int>(duration.count()));
    fade_.setStartValue(windowOpacity());
    fade_.start();
}

void NoticePanel::hideWindow() {
    fade_.stop();
    hide();
}

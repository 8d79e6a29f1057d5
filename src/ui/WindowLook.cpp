#include "ui/WindowLook.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "ui/DynamicColorView.h"
#include "ui/Frame.h"
#include "ui/SystemColors.h"

namespace {

constexpr double backgroundTintAlpha = 0.7;

}  // namespace

void fillWithWindowBackground(QWidget& window) {
    auto* background =
        new DynamicColorView(SystemColor::windowBackground, backgroundTintAlpha, &window);
    background->setObjectName("windowBackground");
    place(*background, Frame{0, 0, window.width(), window.height()});
    background->lower();
}

QFont systemFont(int pixelSize, QFont::Weight weight) {
    QFont font = QApplication::font();
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

QString buttonTitle(std::string_view title) {
    return QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()))
        .replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QLabel* makeLabel(const QString& text, const QFont& font, Qt::Alignment alignment,
                  QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QLabel* makeWrappingLabel(const QString& text, const QFont& font, Qt::Alignment alignment,
                          QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

void placeWrapping(QLabel& label, const Frame& frame) {
    // The layouts were drawn for a narrower system font than Linux desktops use: a text that
    // fits two lines there can need a third here, and must not be cut off.
    const int needed = std::max(frame.height, label.heightForWidth(frame.width));
    place(label, Frame{frame.x, frame.y + frame.height - needed, frame.width, needed});
}

void setSecondaryTextColor(QWidget& widget, const QPalette& windowPalette) {
    const QColor secondary = systemColor(SystemColor::secondaryLabel, windowPalette);
    QPalette colors = widget.palette();
    colors.setColor(QPalette::WindowText, secondary);
    colors.setColor(QPalette::ButtonText, secondary);
    widget.setPalette(colors);
}

void centerOnPrimaryScreen(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.geometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

void bringToFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

bool moveByBackground(QWidget& window, const QMouseEvent& event) {
    // The windows have no title to hold on to: the window manager moves them from anywhere
    // their background shows.
    if (event.button() != Qt::LeftButton || window.windowHandle() == nullptr) {
        return false;
    }
    return window.windowHandle()->startSystemMove();
}

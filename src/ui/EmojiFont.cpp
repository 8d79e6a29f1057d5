#include "ui/EmojiFont.h"

QFont emojiFont(int pixelSize) {
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(pixelSize);
    return font;
}

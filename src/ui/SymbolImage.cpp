#include "ui/SymbolImage.h"

#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <string>

#include "platform/Platform.h"

QPixmap symbolImage(std::string_view name, const QColor& tint, int size, qreal pixelRatio) {
    const auto path = platform::resources().pathForResource("icons/" + std::string(name), "svg");
    if (!path) {
        return {};
    }
    QSvgRenderer renderer(QString::fromStdString(path->string()));
    if (!renderer.isValid()) {
        return {};
    }
    const int pixels = qRound(size * pixelRatio);
    QPixmap image(pixels, pixels);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    // The symbol's shape keeps its coverage; only its colour changes.
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), tint);
    painter.end();
    image.setDevicePixelRatio(pixelRatio);
    return image;
}

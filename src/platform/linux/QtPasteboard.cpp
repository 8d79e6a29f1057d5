#include "platform/linux/QtPasteboard.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QString>
#include <QStringList>

namespace platform {
namespace {

QClipboard::Mode modeOf(Selection selection) {
    return selection == Selection::clipboard ? QClipboard::Clipboard : QClipboard::Selection;
}

// The X selection protocol's own targets, which describe the selection rather than hold its
// data, and the formats Qt derives from the real ones; restoring them would offer false data.
bool isDerivedFormat(const QString& format) {
    static const QStringList protocolTargets{"TARGETS", "MULTIPLE", "TIMESTAMP", "SAVE_TARGETS"};
    return protocolTargets.contains(format) || format.startsWith("application/x-qt-");
}

QByteArray bytesOf(const std::string& data) {
    return QByteArray(data.data(), static_cast<qsizetype>(data.size()));
}

}  // namespace

PasteboardContents QtPasteboard::contents(Selection selection) const {
    PasteboardContents contents;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(modeOf(selection));
    if (data == nullptr) {
        return contents;
    }
    for (const QString& format : data->formats()) {
        if (isDerivedFormat(format)) {
            continue;
        }
        const QByteArray bytes = data->data(format);
        contents.push_back(
            {format.toStdString(),
             std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()))});
    }
    return contents;
}

void QtPasteboard::writeText(Selection selection, const std::string& text,
                             const PasteboardContents& extra) {
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(text));
    for (const auto& item : extra) {
        data->setData(QString::fromStdString(item.format), bytesOf(item.data));
    }
    QGuiApplication::clipboard()->setMimeData(data, modeOf(selection));
}

void QtPasteboard::restore(Selection selection, const PasteboardContents& contents) {
    if (contents.empty()) {
        QGuiApplication::clipboard()->clear(modeOf(selection));
        return;
    }
    auto* data = new QMimeData;
    for (const auto& item : contents) {
        data->setData(QString::fromStdString(item.format), bytesOf(item.data));
    }
    QGuiApplication::clipboard()->setMimeData(data, modeOf(selection));
}

}  // namespace platform

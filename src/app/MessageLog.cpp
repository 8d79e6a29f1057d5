#include "app/MessageLog.h"

#include <unistd.h>

#include <QDateTime>
#include <QString>
#include <QtGlobal>
#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/linux/RotatingLog.h"
#include "platform/linux/UserFolders.h"

namespace message_log {
namespace {

// Qt's handler gets no context of its own; the log lives for the rest of the program.
std::atomic<platform::RotatingLog*> currentLog{nullptr};
std::atomic<bool> printing{false};

const char* levelName(QtMsgType type) {
    switch (type) {
        case QtWarningMsg:
            return "warning";
        case QtCriticalMsg:
            return "error";
        case QtFatalMsg:
            return "fatal";
        case QtDebugMsg:
        case QtInfoMsg:
            break;
    }
    return "info";
}

std::string lineFor(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    std::string line = QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toStdString();
    line += " zembril[" + std::to_string(::getpid()) + "] ";
    line += levelName(type);
    if (context.category != nullptr && std::string_view(context.category) != "default") {
        line += std::string(" (") + context.category + ')';
    }
    line += ": " + message.toStdString();
    return line;
}

void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg) {
        return;
    }
    const std::string line = lineFor(type, context, message);
    if (platform::RotatingLog* log = currentLog.load()) {
        log->append(line);
    }
    if (printing.load() || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", line.c_str());
    }
}

}  // namespace

std::filesystem::path defaultFile() {
    return platform::userStateFolder() / "zembril" / "zembril.log";
}

void install(const std::filesystem::path& file, std::uintmax_t capacity, bool verbose) {
    // A replaced log is kept, not freed: another thread may be writing to it this moment.
    static std::vector<std::unique_ptr<platform::RotatingLog>> logs;
    logs.push_back(std::make_unique<platform::RotatingLog>(file, capacity));
    currentLog.store(logs.back().get());
    printing.store(verbose);
    qInstallMessageHandler(handle);
}

}  // namespace message_log

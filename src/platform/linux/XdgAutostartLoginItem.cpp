#include "platform/linux/XdgAutostartLoginItem.h"

#include <unistd.h>

#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

#include "platform/FileReading.h"
#include "platform/linux/FileReplacement.h"
#include "platform/linux/UserFolders.h"

namespace platform {
namespace {

// A desktop entry is a few hundred bytes; anything far larger is not one of ours.
constexpr off_t maximumEntrySize = 64 * 1024;

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Whether the [Desktop Entry] group of `entry` says Hidden=true.
bool isHidden(const std::string& entry) {
    std::istringstream lines(entry);
    std::string line;
    bool inMainGroup = false;
    while (std::getline(lines, line)) {
        const std::string_view text = trimmed(line);
        if (text.starts_with('[')) {
            inMainGroup = text == "[Desktop Entry]";
            continue;
        }
        const auto equals = text.find('=');
        if (!inMainGroup || equals == std::string_view::npos) {
            continue;
        }
        if (trimmed(text.substr(0, equals)) == "Hidden") {
            return trimmed(text.substr(equals + 1)) == "true";
        }
    }
    return false;
}

// The Exec value that runs `executable` with no arguments: the path quoted as the desktop entry
// format asks, then escaped as any of its string values.
std::string execValue(const std::filesystem::path& executable) {
    std::string quoted = "\"";
    for (const char c : executable.string()) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        if (c == '%') {
            quoted += '%';
        }
        quoted += c;
    }
    quoted += '"';
    std::string escaped;
    for (const char c : quoted) {
        switch (c) {
            case '\\':
                escaped += "\\\\";
                break;
            case '\n':
                escaped += "\\n";
                break;
            case '\t':
                escaped += "\\t";
                break;
            case '\r':
                escaped += "\\r";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string entryText(const std::filesystem::path& executable) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Zembril\n"
           "Comment=Emoji picker in the system tray\n"
           "Exec=" +
           execValue(executable) +
           "\n"
           "Terminal=false\n";
}

}  // namespace

XdgAutostartLoginItem::XdgAutostartLoginItem(std::filesystem::path entryPath,
                                             std::filesystem::path executable)
    : entryPath_(std::move(entryPath)), executable_(std::move(executable)) {}

std::filesystem::path XdgAutostartLoginItem::defaultEntryPath() {
    return userConfigFolder() / "autostart" / "zembril.desktop";
}

std::filesystem::path XdgAutostartLoginItem::runningExecutable() {
    std::error_code error;
    auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : executable;
}

LoginItemStatus XdgAutostartLoginItem::status() const {
    const FileRead entry = readFile(entryPath_, std::nullopt, maximumEntrySize);
    if (entry.status == FileRead::Status::read && !isHidden(entry.bytes)) {
        return LoginItemStatus::enabled;
    }
    return executable_.empty() ? LoginItemStatus::notFound : LoginItemStatus::notRegistered;
}

void XdgAutostartLoginItem::registerItem() {
    if (executable_.empty()) {
        return;
    }
    try {
        const auto folder = entryPath_.parent_path();
        if (!folder.empty() && !createPrivateFolders(folder)) {
            return;
        }
        ReplacementFile replacement(entryPath_, entryText(executable_));
        replacement.commit();
    } catch (...) {
        // Failures are silent: the status read afterwards shows what there is.
    }
}

void XdgAutostartLoginItem::unregisterItem() {
    ::unlink(entryPath_.c_str());
}

}  // namespace platform

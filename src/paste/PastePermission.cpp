#include "paste/PastePermission.h"

#include <filesystem>
#include <string>

#include "platform/Platform.h"
#include "prefs/StoredPreferences.h"

namespace PastePermission {
namespace {

bool isUnreservedInUrl(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
           (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' ||
           byte == '~' || byte == '/';
}

std::string fileUrl(const std::filesystem::path& path) {
    static constexpr char hexDigits[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const unsigned char byte : std::filesystem::absolute(path).string()) {
        if (isUnreservedInUrl(byte)) {
            url += static_cast<char>(byte);
        } else {
            url += '%';
            url += hexDigits[byte >> 4];
            url += hexDigits[byte & 0xF];
        }
    }
    return url;
}

}  // namespace

State current() {
    auto& access = platform::inputAccess();
    if (!access.isTrusted()) {
        return State::needsAccessibility;
    }
    return access.mayPostEvents() ? State::granted : State::needsRestart;
}

void requestAccess() {
    if (prefs::pastePermissionRequested()) {
        openSettings();
    } else {
        request();
    }
}

void request() {
    prefs::setPastePermissionRequested();
    auto& access = platform::inputAccess();
    access.requestTrust();
    if (!access.mayPostEvents()) {
        access.requestPostEventAccess();
    }
}

void openSettings() {
    platform::inputAccess().requestPostEventAccess();
    if (const auto page = platform::resources().pathForResource("help/allow-pasting", "html")) {
        platform::workspace().openLink(fileUrl(*page));
    }
}

void relaunch(bool isOnboarding, const std::function<void()>& beforeLaunch) {
    prefs::setResumePastePermissionSetup(isOnboarding);
    if (beforeLaunch) {
        beforeLaunch();
    }
    platform::workspace().launchNewInstance(
        [] { platform::mainQueue().async([] { platform::workspace().terminate(); }); });
}

std::optional<bool> consumeResume() {
    return prefs::takeResumePastePermissionSetup();
}

}  // namespace PastePermission

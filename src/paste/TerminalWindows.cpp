#include "paste/TerminalWindows.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>

namespace TerminalWindows {
namespace {

// The WM_CLASS names, in lower case, of the terminal emulators of the common Linux desktops.
// Terminals set either their class or their instance name to one of these.
constexpr std::string_view names[] = {
    "alacritty",
    "cool-retro-term",
    "eterm",
    "foot",
    "footclient",
    "gnome-terminal",
    "gnome-terminal-server",
    "guake",
    "kgx",
    "kitty",
    "konsole",
    "lxterminal",
    "mate-terminal",
    "org.gnome.console",
    "org.wezfurlong.wezterm",
    "qterminal",
    "roxterm",
    "rxvt",
    "sakura",
    "st",
    "st-256color",
    "terminator",
    "terminology",
    "tilda",
    "tilix",
    "urxvt",
    "uxterm",
    "wezterm",
    "xfce4-terminal",
    "xterm",
    "yakuake",
    "zutty",
};

std::string lowered(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return result;
}

bool isTerminalName(std::string_view name) {
    return std::find(std::begin(names), std::end(names), lowered(name)) != std::end(names);
}

}  // namespace

bool contains(const platform::TargetWindow& window) {
    return isTerminalName(window.windowClass) || isTerminalName(window.instanceName);
}

}  // namespace TerminalWindows

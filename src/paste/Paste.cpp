#include "paste/Paste.h"

#include <utility>
#include <vector>

#include "paste/TerminalWindows.h"
#include "platform/Platform.h"

namespace Paste {
namespace {

using platform::Selection;

// Long enough for the window manager to bring the target forward before it gets the keystroke.
constexpr platform::Duration keystrokeDelay{150};
// Long enough for the target to fetch the emoji before the clipboard changes back.
constexpr platform::Duration restoreDelay{200};

// Clipboard managers leave what carries this hint out of their history, so the emoji that
// passes through the clipboard for a moment does not crowd out what the user copied.
const platform::PasteboardContents passwordManagerHint{{"x-kde-passwordManagerHint", "secret"}};

struct SavedSelection {
    Selection selection;
    platform::PasteboardContents contents;
};

bool postShiftInsert() {
    return platform::keystrokes().postPaste(platform::PasteKeystroke::shiftInsert);
}

void pasteNow(const std::string& emoji, bool intoTerminal) {
    auto& pasteboard = platform::pasteboard();
    // Terminals paste the primary selection with Shift+Insert; some read the clipboard
    // instead, so the emoji goes on both.
    std::vector<Selection> selections{Selection::clipboard};
    if (intoTerminal) {
        selections.push_back(Selection::primary);
    }
    std::vector<SavedSelection> saved;
    for (const auto selection : selections) {
        saved.push_back({selection, pasteboard.contents(selection)});
        pasteboard.writeText(selection, emoji, passwordManagerHint);
    }
    if (intoTerminal) {
        postShiftInsert();
    } else {
        postPasteShortcut();
    }
    platform::mainQueue().asyncAfter(restoreDelay, [saved = std::move(saved)] {
        for (const auto& [selection, contents] : saved) {
            platform::pasteboard().restore(selection, contents);
        }
    });
}

}  // namespace

void pasteEmoji(const std::string& emoji, const std::optional<platform::TargetWindow>& target) {
    if (target) {
        platform::workspace().activate(*target);
    }
    const bool intoTerminal = target && TerminalWindows::contains(*target);
    platform::mainQueue().asyncAfter(keystrokeDelay,
                                     [emoji, intoTerminal] { pasteNow(emoji, intoTerminal); });
}

bool postPasteShortcut() {
    return platform::keystrokes().postPaste(platform::PasteKeystroke::controlV);
}

}  // namespace Paste

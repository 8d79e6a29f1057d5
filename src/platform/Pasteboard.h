#pragma once

#include <string>
#include <vector>

namespace platform {

// The two X selections a paste goes through: the clipboard that Ctrl+V pastes, and the
// primary selection that terminals paste with Shift+Insert.
enum class Selection { clipboard, primary };

// One format that a selection offers, with its bytes exactly as its owner gave them.
struct PasteboardItem {
    std::string format;
    std::string data;

    bool operator==(const PasteboardItem&) const = default;
};

// Everything a selection held at one moment; empty when it held nothing.
using PasteboardContents = std::vector<PasteboardItem>;

// The system-wide clipboard and primary selection.
class Pasteboard {
public:
    Pasteboard() = default;
    Pasteboard(const Pasteboard&) = delete;
    Pasteboard& operator=(const Pasteboard&) = delete;
    virtual ~Pasteboard() = default;

    /// Every format `selection` offers now, with its bytes; empty when it holds nothing.
    virtual PasteboardContents contents(Selection selection) const = 0;
    /// Makes `selection` hold `text` as plain text, offered together with the `extra` formats.
    virtual void writeText(Selection selection, const std::string& text,
                           const PasteboardContents& extra) = 0;
    /// Makes `selection` hold exactly `contents`; empty contents leave it empty.
    virtual void restore(Selection selection, const PasteboardContents& contents) = 0;
};

}  // namespace platform

#include "platform/fake/FakePasteboard.h"

#include <utility>

namespace platform {

PasteboardContents FakePasteboard::contents(Selection selection) const {
    return held(selection);
}

void FakePasteboard::writeText(Selection selection, const std::string& text,
                               const PasteboardContents& extra) {
    PasteboardContents written{{textFormat, text}};
    written.insert(written.end(), extra.begin(), extra.end());
    held(selection) = std::move(written);
    calls_.push_back("write " + describe(selection) + " " + text);
}

void FakePasteboard::restore(Selection selection, const PasteboardContents& contents) {
    held(selection) = contents;
    calls_.push_back("restore " + describe(selection) + " " + describe(contents));
}

void FakePasteboard::set(Selection selection, PasteboardContents contents) {
    held(selection) = std::move(contents);
}

std::optional<std::string> FakePasteboard::text(Selection selection) const {
    for (const auto& item : held(selection)) {
        if (item.format == textFormat) {
            return item.data;
        }
    }
    return std::nullopt;
}

PasteboardContents& FakePasteboard::held(Selection selection) {
    return selections_[selection == Selection::clipboard ? 0 : 1];
}

const PasteboardContents& FakePasteboard::held(Selection selection) const {
    return selections_[selection == Selection::clipboard ? 0 : 1];
}

std::string describe(Selection selection) {
    return selection == Selection::clipboard ? "clipboard" : "primary";
}

std::string describe(const PasteboardContents& contents) {
    if (contents.empty()) {
        return "nothing";
    }
    std::string text;
    for (const auto& item : contents) {
        if (!text.empty()) {
            text += ", ";
        }
        text += item.format;
        if (item.format.starts_with("text/")) {
            text += "=" + item.data;
        }
    }
    return text;
}

}  // namespace platform

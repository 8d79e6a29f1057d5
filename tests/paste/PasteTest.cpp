#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "paste/Paste.h"
#include "platform/fake/FakePlatform.h"

namespace {

using namespace std::chrono_literals;
using platform::PasteboardContents;
using platform::Selection;
using platform::TargetWindow;
using Calls = std::vector<std::string>;

const TargetWindow editor{
    .windowId = 42, .pid = 1234, .windowClass = "Gedit", .instanceName = "gedit"};

TargetWindow window(std::uint64_t id, const std::string& windowClass,
                    const std::string& instanceName) {
    return {.windowId = id,
            .pid = std::nullopt,
            .windowClass = windowClass,
            .instanceName = instanceName};
}

PasteboardContents text(const std::string& value) {
    return {{"text/plain", value}};
}

PasteboardContents offeredEmoji(const std::string& emoji) {
    return {{"text/plain", emoji}, {"x-kde-passwordManagerHint", "secret"}};
}

class PasteTest : public testing::Test {
protected:
    platform::FakePlatform platform;
};

TEST_F(PasteTest, ActivatesAtOncePastesAtAHundredFiftyAndRestoresTwoHundredLater) {
    platform.pasteboard.set(Selection::clipboard, text("abc"));
    Paste::pasteEmoji("😀", editor);
    EXPECT_EQ(platform.calls, Calls{"activate 42"});

    platform.queue.advance(149ms);
    EXPECT_EQ(platform.calls, Calls{"activate 42"});
    platform.queue.advance(1ms);
    EXPECT_EQ(platform.calls, (Calls{"activate 42", "write clipboard 😀", "post ctrl+v"}));
    EXPECT_EQ(platform.pasteboard.contents(Selection::clipboard), offeredEmoji("😀"));

    platform.queue.advance(199ms);
    EXPECT_EQ(platform.pasteboard.contents(Selection::clipboard), offeredEmoji("😀"));
    platform.queue.advance(1ms);
    EXPECT_EQ(platform.pasteboard.contents(Selection::clipboard), text("abc"));
    EXPECT_EQ(platform.calls.back(), "restore clipboard text/plain=abc");
    EXPECT_EQ(platform.queue.pendingCount(), 0u);
    EXPECT_EQ(platform.pasteboard.contents(Selection::primary), PasteboardContents{})
        << "the primary selection is left alone outside terminals";
}

TEST_F(PasteTest, PutsBackEveryFormatTheClipboardHeldByteForByte) {
    const std::string png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    const struct {
        const char* what;
        PasteboardContents before;
    } cases[] = {
        {"plain text", text("abc")},
        {"an image only", {{"image/png", png}}},
        {"rich text", {{"text/html", "<b>abc</b>"}, {"text/plain", "abc"}}},
        {"files",
         {{"text/uri-list", "file:///tmp/a%20b\r\n"},
          {"x-special/gnome-copied-files", "copy\nfile:///tmp/a%20b"}}},
        {"nothing", {}},
    };
    for (const auto& [what, before] : cases) {
        SCOPED_TRACE(what);
        platform.pasteboard.set(Selection::clipboard, before);
        Paste::pasteEmoji("🇫🇷", editor);
        platform.queue.advance(150ms);
        EXPECT_EQ(platform.pasteboard.contents(Selection::clipboard), offeredEmoji("🇫🇷"));
        platform.queue.advance(200ms);
        EXPECT_EQ(platform.pasteboard.contents(Selection::clipboard), before);
    }
}

TEST_F(PasteTest, WritesAnEmojiOfSeveralCodePointsAsOneText) {
    for (const std::string emoji : {"👋🏽", "🇫🇷", "👩‍💻", "❤️"}) {
        SCOPED_TRACE(emoji);
        Paste::pasteEmoji(emoji, editor);
        platform.queue.advance(150ms);
        EXPECT_EQ(platform.pasteboard.text(Selection::clipboard), emoji);
        platform.queue.advance(200ms);
    }
}

TEST_F(PasteTest, OverlappingPastesEachRestoreWhatTheyFound) {
    platform.pasteboard.set(Selection::clipboard, text("abc"));
    Paste::pasteEmoji("😀", editor);
    platform.queue.advance(100ms);
    Paste::pasteEmoji("🐱", editor);
    platform.queue.advance(1s);
    EXPECT_EQ(platform.calls, (Calls{
                                  "activate 42",
                                  "activate 42",
                                  "write clipboard 😀",  // 150 ms
                                  "post ctrl+v",
                                  "write clipboard 🐱",  // 250 ms, over the first emoji
                                  "post ctrl+v",
                                  "restore clipboard text/plain=abc",  // 350 ms
                                  "restore clipboard text/plain=😀, x-kde-passwordManagerHint",
                              }));
    EXPECT_EQ(platform.pasteboard.contents(Selection::clipboard), offeredEmoji("😀"));
}

TEST_F(PasteTest, WithoutATargetActivatesNothingAndStillPastes) {
    platform.pasteboard.set(Selection::clipboard, text("abc"));
    Paste::pasteEmoji("😀", std::nullopt);
    platform.queue.advance(350ms);
    EXPECT_EQ(platform.calls,
              (Calls{"write clipboard 😀", "post ctrl+v", "restore clipboard text/plain=abc"}));
}

TEST_F(PasteTest, RestoresTheClipboardWhenTheKeystrokeCannotBeMade) {
    platform.keystrokes.canPost = false;
    platform.pasteboard.set(Selection::clipboard, text("abc"));
    Paste::pasteEmoji("😀", editor);
    platform.queue.advance(350ms);
    EXPECT_EQ(platform.calls, (Calls{"activate 42", "write clipboard 😀", "post ctrl+v failed",
                                     "restore clipboard text/plain=abc"}));
    EXPECT_EQ(platform.pasteboard.contents(Selection::clipboard), text("abc"));
}

TEST_F(PasteTest, PastesIntoTerminalsWithShiftInsertThroughBothSelections) {
    const struct {
        const char* windowClass;
        const char* instanceName;
    } terminals[] = {
        {"XTerm", "xterm"},
        {"URxvt", "urxvt"},
        {"Gnome-terminal", "gnome-terminal-server"},
        {"konsole", "konsole"},
        {"Xfce4-terminal", "xfce4-terminal"},
        {"Alacritty", "Alacritty"},
        {"kitty", "kitty"},
        {"st-256color", "st-256color"},
        {"org.wezfurlong.wezterm", "org.wezfurlong.wezterm"},
    };
    for (const auto& [windowClass, instanceName] : terminals) {
        SCOPED_TRACE(windowClass);
        platform.calls.clear();
        platform.pasteboard.set(Selection::clipboard, text("abc"));
        platform.pasteboard.set(Selection::primary, text("selected words"));
        Paste::pasteEmoji("👋🏽", window(7, windowClass, instanceName));
        platform.queue.advance(150ms);
        EXPECT_EQ(platform.pasteboard.contents(Selection::primary), offeredEmoji("👋🏽"));
        platform.queue.advance(200ms);
        EXPECT_EQ(platform.calls, (Calls{
                                      "activate 7",
                                      "write clipboard 👋🏽",
                                      "write primary 👋🏽",
                                      "post shift+insert",
                                      "restore clipboard text/plain=abc",
                                      "restore primary text/plain=selected words",
                                  }));
    }
}

TEST_F(PasteTest, PastesWithCtrlVIntoWindowsThatOnlyLookLikeTerminals) {
    const TargetWindow lookalikes[] = {
        window(1, "Terminal-notes", "terminal-notes"),
        window(2, "Sterm", "xtermish"),
        window(3, "", ""),
    };
    for (const auto& lookalike : lookalikes) {
        SCOPED_TRACE(lookalike.windowClass);
        platform.calls.clear();
        Paste::pasteEmoji("😀", lookalike);
        platform.queue.advance(350ms);
        EXPECT_EQ(platform.calls[2], "post ctrl+v");
        EXPECT_EQ(platform.calls.size(), 4u) << "only the clipboard is written and restored";
    }
}

}  // namespace

#pragma once

#include <array>
#include <optional>

#include "platform/Pasteboard.h"
#include "platform/fake/FakeCallLog.h"

namespace platform {

// Both selections in memory. Writes and restores are logged as "write clipboard 😀" and
// "restore primary text/plain=abc, image/png" (text formats with their text); reads are not.
class FakePasteboard final : public Pasteboard {
public:
    explicit FakePasteboard(FakeCallLog& calls) : calls_(calls) {}

    PasteboardContents contents(Selection selection) const override;
    void writeText(Selection selection, const std::string& text,
                   const PasteboardContents& extra) override;
    void restore(Selection selection, const PasteboardContents& contents) override;

    /// Sets what `selection` holds without logging, as another program would.
    void set(Selection selection, PasteboardContents contents);
    /// The plain text `selection` holds, or nothing.
    std::optional<std::string> text(Selection selection) const;

    /// The format a plain text is held under, as the real pasteboard reports it.
    static constexpr const char* textFormat = "text/plain";

private:
    PasteboardContents& held(Selection selection);
    const PasteboardContents& held(Selection selection) const;

    FakeCallLog& calls_;
    std::array<PasteboardContents, 2> selections_;
};

/// "clipboard" or "primary".
std::string describe(Selection selection);
/// The formats in order, text formats with their text; "nothing" when empty.
std::string describe(const PasteboardContents& contents);

}  // namespace platform

#pragma once

#include "platform/Pasteboard.h"

namespace platform {

// The clipboard and the primary selection through Qt's clipboard. Needs a QGuiApplication.
class QtPasteboard final : public Pasteboard {
public:
    PasteboardContents contents(Selection selection) const override;
    void writeText(Selection selection, const std::string& text,
                   const PasteboardContents& extra) override;
    void restore(Selection selection, const PasteboardContents& contents) override;
};

}  // namespace platform

#include "platform/fake/FakeKeystrokePoster.h"

namespace platform {

bool FakeKeystrokePoster::postPaste(PasteKeystroke keystroke) {
    std::string line = keystroke == PasteKeystroke::controlV ? "post ctrl+v" : "post shift+insert";
    if (!canPost) {
        line += " failed";
    }
    calls_.push_back(line);
    return canPost;
}

}  // namespace platform

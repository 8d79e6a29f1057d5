#pragma once

#include <string>

#include "paste/PastePermission.h"
#include "ui/StatusTone.h"

// What a window that asks for the paste permission shows and does in each state: the
// permission window and the settings' pasting page both draw from it, so they can never say
// different things.
struct PastePermissionPrompt {
    /// What the prompt's button does.
    enum class Action {
        /// Nothing is left to do: the window is done.
        finish,
        requestAccess,
        restart,
    };

    std::string statusSymbol;
    StatusTone statusTone = StatusTone::neutral;
    std::string statusText;
    /// The button's title, as plain text.
    std::string buttonTitle;
    std::string hint;
    /// Whether the user may go on without the permission.
    bool offersSkip = false;
    Action action = Action::finish;

    /// The prompt for `state`; before the user first asked for access it offers to ask, after
    /// it the help page.
    static PastePermissionPrompt forState(PastePermission::State state);
};

#include "paste/PastePermissionPrompt.h"

#include "prefs/StoredPreferences.h"

PastePermissionPrompt PastePermissionPrompt::forState(PastePermission::State state) {
    using PastePermission::State;
    switch (state) {
        case State::granted:
            return {.statusSymbol = "checkmark.circle.fill",
                    .statusTone = StatusTone::success,
                    .statusText = "Zembril can paste",
                    .buttonTitle = "Done",
                    .hint = "You’re all set.",
                    .offersSkip = false,
                    .action = Action::finish};
        case State::needsAccessibility:
            break;
        case State::needsRestart:
            return {.statusSymbol = "arrow.clockwise.circle.fill",
                    .statusTone = StatusTone::attention,
                    .statusText = "Almost there: restart Zembril to finish",
                    .buttonTitle = "Restart Zembril",
                    .hint = "macOS applies the change the next time Zembril starts.",
                    .offersSkip = true,
                    .action = Action::restart};
    }
    // Before the user first asked, the button asks; after, it opens the help page.
    const bool asked = prefs::pastePermissionRequested();
    return {.statusSymbol = "circle",
            .statusTone = StatusTone::neutral,
            .statusText = "Not allowed yet",
            .buttonTitle = asked ? "Open Privacy & Security" : "Allow Pasting…",
            .hint = asked ? "Turn on Zembril under Privacy & Security → Accessibility. Not listed? "
                            "Click + and add Zembril from Applications."
                          : "macOS will ask you to confirm.",
            .offersSkip = true,
            .action = Action::requestAccess};
}

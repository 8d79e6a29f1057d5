#pragma once

namespace platform {

// Whether the session lets this program type into other programs, and the requests for it.
class InputAccess {
public:
    InputAccess() = default;
    InputAccess(const InputAccess&) = delete;
    InputAccess& operator=(const InputAccess&) = delete;
    virtual ~InputAccess() = default;

    /// Whether the session trusts the program to drive other programs' input.
    virtual bool isTrusted() const = 0;
    /// Whether synthetic key events posted by this process reach other programs.
    virtual bool mayPostEvents() const = 0;
    /// Asks the session to trust the program, prompting the user where it can.
    virtual void requestTrust() = 0;
    /// Asks the session to let this process post synthetic key events.
    virtual void requestPostEventAccess() = 0;
};

}  // namespace platform

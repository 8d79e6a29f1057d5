#pragma once

namespace platform {

// Whether the program starts when the user logs in.
enum class LoginItemStatus {
    /// The program starts at login.
    enabled,
    /// The program does not start at login, but could be made to.
    notRegistered,
    /// The program cannot be started at login: its own executable cannot be found.
    notFound,
};

// The program's registration to start when the user logs in. Registering and unregistering
// report nothing: whatever happened, the status read afterwards tells.
class LoginItem {
public:
    LoginItem() = default;
    LoginItem(const LoginItem&) = delete;
    LoginItem& operator=(const LoginItem&) = delete;
    virtual ~LoginItem() = default;

    /// Whether the program starts at login, read afresh.
    virtual LoginItemStatus status() const = 0;
    /// Asks for the program to start at login from now on.
    virtual void registerItem() = 0;
    /// Asks for the program to no longer start at login.
    virtual void unregisterItem() = 0;
};

}  // namespace platform

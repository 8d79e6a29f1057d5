#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <utility>

// A callback handed to a window that does nothing once `owner` is gone, so a late click or
// timer can never reach a destroyed controller.
template <typename Owner, typename Operation>
auto weakly(Owner* owner, Operation operation) {
    return [owner = QPointer<Owner>(owner), operation = std::move(operation)](auto&&... args) {
        if (owner) {
            operation(*owner, std::forward<decltype(args)>(args)...);
        }
    };
}

// Drops a window that has just reported its end from inside one of its own callbacks: it is
// deleted once that callback has returned, not under it.
template <typename Window>
void releaseLater(std::unique_ptr<Window>& window) {
    if (window) {
        window.release()->deleteLater();
    }
}

#pragma once

#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>

// Runs the event loop until `done` or a generous limit, which is a failure, not a timing check;
// answers `done` at the end.
inline bool runUntil(const std::function<bool()>& done) {
    using namespace std::chrono_literals;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done()) {
            loop.quit();
        }
    });
    poll.start(1);
    QTimer::singleShot(10s, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

#pragma once

#include <QApplication>
#include <functional>

// The application object of a program that lives in the tray, able to tell a benchmark when the
// picker has put a frame on the screen.
class ZembrilApplication final : public QApplication {
public:
    ZembrilApplication(int& argc, char** argv);

    /// Answers whether an object is the picker or its native window; set once the picker exists.
    std::function<bool(const QObject*)> isPicker;

    bool notify(QObject* receiver, QEvent* event) override;
};

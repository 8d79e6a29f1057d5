#pragma once

#include <QApplication>

// The application object of a program that lives in the tray.
class ZembrilApplication final : public QApplication {
public:
    ZembrilApplication(int& argc, char** argv);
};

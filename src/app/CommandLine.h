#pragma once

#include <QStringList>
#include <string>

// What `zembril` was asked to do on its command line.
struct CommandLine {
    enum class Action {
        /// Run the tray utility, or open the picker of the one running.
        start,
        /// Open the picker, or close it when it is open.
        toggle,
        settings,
        quit,
        help,
        version,
    };

    Action action = Action::start;
    /// Also print warnings and errors on standard error.
    bool verbose = false;
    /// Why the arguments could not be understood, as one line for the user; empty when they
    /// could.
    std::string error;
};

/// Reads `arguments`, the program's name first, GNU style: long options, -h and -v, and no
/// other arguments. Needs no application object, so help and version work without a display.
CommandLine parseCommandLine(const QStringList& arguments);

/// The text --help prints.
std::string commandLineHelp();

#include "app/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <array>
#include <utility>

namespace {

struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help and exit.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Show the version and exit.")};
    QCommandLineOption toggle{QStringLiteral("toggle"),
                              QStringLiteral("Open the picker, or close it when it is open. "
                                             "Starts Zembril when it is not running.")};
    QCommandLineOption settings{QStringLiteral("settings"),
                                QStringLiteral("Open the settings. Starts Zembril when it is not "
                                               "running.")};
    QCommandLineOption quit{QStringLiteral("quit"), QStringLiteral("End the running Zembril.")};
    QCommandLineOption verbose{QStringLiteral("verbose"),
                               QStringLiteral("Also print warnings and errors on the terminal "
                                              "(they always go to the log).")};
};

// Qt's own help and version options would bring --help-all, which lists the options of Qt's
// application object; those are not read here, so they are not offered either.
void configure(QCommandLineParser& parser, const Options& options) {
    parser.setApplicationDescription(
        QStringLiteral("An emoji picker in the system tray. Its global shortcut opens a picker\n"
                       "over the application you are typing in; type to search, and Return\n"
                       "pastes the emoji there."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.addOptions({options.help, options.version, options.toggle, options.settings,
                       options.quit, options.verbose});
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    const Options options;
    QCommandLineParser parser;
    configure(parser, options);

    CommandLine command;
    if (!parser.parse(arguments)) {
        command.error = parser.errorText().toStdString();
        return command;
    }
    if (!parser.positionalArguments().isEmpty()) {
        command.error = "Unexpected argument '" +
                        parser.positionalArguments().constFirst().toStdString() + "'.";
        return command;
    }
    command.verbose = parser.isSet(options.verbose);
    if (parser.isSet(options.help)) {
        command.action = CommandLine::Action::help;
        return command;
    }
    if (parser.isSet(options.version)) {
        command.action = CommandLine::Action::version;
        return command;
    }
    const std::array requests{
        std::pair{&options.toggle, CommandLine::Action::toggle},
        std::pair{&options.settings, CommandLine::Action::settings},
        std::pair{&options.quit, CommandLine::Action::quit},
    };
    int chosen = 0;
    for (const auto& [option, action] : requests) {
        if (parser.isSet(*option)) {
            command.action = action;
            ++chosen;
        }
    }
    if (chosen > 1) {
        command.action = CommandLine::Action::start;
        command.error = "--toggle, --settings and --quit cannot be combined.";
    }
    return command;
}

std::string commandLineHelp() {
    const Options options;
    QCommandLineParser parser;
    configure(parser, options);
    // Without an application object Qt cannot name the program in its usage line.
    QString text = parser.helpText();
    text.replace(0, text.indexOf(QLatin1Char('\n')),
                 QStringLiteral("Usage: zembril [--toggle | --settings | --quit] [--verbose]"));
    return text.toStdString();
}

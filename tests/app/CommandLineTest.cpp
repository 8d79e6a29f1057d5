#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Action = CommandLine::Action;

QStringList zembrilWith(const std::vector<const char*>& arguments) {
    QStringList list{QStringLiteral("zembril")};
    for (const char* argument : arguments) {
        list.append(QString::fromUtf8(argument));
    }
    return list;
}

TEST(CommandLineTest, ReadsEachActionAndVerbose) {
    const struct {
        std::vector<const char*> arguments;
        Action action;
        bool verbose;
    } cases[] = {
        {{}, Action::start, false},
        {{"--toggle"}, Action::toggle, false},
        {{"--settings"}, Action::settings, false},
        {{"--quit"}, Action::quit, false},
        {{"--verbose"}, Action::start, true},
        {{"--toggle", "--verbose"}, Action::toggle, true},
        {{"--toggle", "--toggle"}, Action::toggle, false},
        {{"-h"}, Action::help, false},
        {{"--help"}, Action::help, false},
        {{"--quit", "--help"}, Action::help, false},
        {{"-v"}, Action::version, false},
        {{"--version"}, Action::version, false},
        {{"-hv"}, Action::help, false},
    };
    for (const auto& c : cases) {
        const CommandLine command = parseCommandLine(zembrilWith(c.arguments));
        const std::string shown = zembrilWith(c.arguments).join(' ').toStdString();
        EXPECT_EQ(command.error, "") << shown;
        EXPECT_EQ(command.action, c.action) << shown;
        EXPECT_EQ(command.verbose, c.verbose) << shown;
    }
}

TEST(CommandLineTest, RefusesWhatItDoesNotKnowNamingIt) {
    const struct {
        std::vector<const char*> arguments;
        const char* named;
    } cases[] = {
        {{"--bogus"}, "bogus"},
        {{"--help", "--bogus"}, "bogus"},
        {{"-x"}, "x"},
        {{"picker"}, "picker"},
        {{"--", "--toggle"}, "--toggle"},
        {{"--toggle=yes"}, "--toggle"},
        // Qt's own application options are not read: the environment sets those.
        {{"-platform", "offscreen"}, "p"},
        {{"--toggle", "--quit"}, "--quit"},
        {{"--settings", "--toggle"}, "--toggle"},
    };
    for (const auto& c : cases) {
        const CommandLine command = parseCommandLine(zembrilWith(c.arguments));
        const std::string shown = zembrilWith(c.arguments).join(' ').toStdString();
        EXPECT_NE(command.error.find(c.named), std::string::npos) << shown << ": " << command.error;
        EXPECT_EQ(command.action, Action::start) << shown;
    }
}

TEST(CommandLineTest, HelpNamesTheProgramAndEveryOption) {
    const std::string help = commandLineHelp();
    EXPECT_EQ(help.rfind("Usage: zembril [--toggle | --settings | --quit] [--verbose]\n", 0), 0u)
        << help;
    for (const char* option :
         {"-h, --help", "-v, --version", "--toggle", "--settings", "--quit", "--verbose"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
    EXPECT_EQ(help.find("--help-all"), std::string::npos);
}

}  // namespace

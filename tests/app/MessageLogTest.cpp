#include "app/MessageLog.h"

#include <gtest/gtest.h>

#include <QObject>
#include <QtGlobal>
#include <filesystem>
#include <string>

#include "platform/TemporaryFolder.h"

namespace {

// Qt's own warning for a connection to a signal that does not exist.
void provokeQtWarning() {
    QObject sender;
    QObject receiver;
    QObject::connect(&sender, "2noSuchSignal()", &receiver, "1deleteLater()");
}

class MessageLogTest : public ::testing::Test {
protected:
    test::TemporaryFolder temporary;
    const std::filesystem::path file = temporary.path() / "state" / "zembril" / "zembril.log";
};

TEST_F(MessageLogTest, KeepsQtWarningsAndErrorsButNotDebugOutputAndPrintsNothing) {
    message_log::install(file, message_log::defaultCapacity, false);
    ::testing::internal::CaptureStderr();
    provokeQtWarning();
    qCritical("the tray went away");
    qDebug("chatter");
    qInfo("more chatter");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");

    const std::string log = test::readBytes(file);
    EXPECT_NE(log.find(" warning (qt.core.qobject.connect): QObject::connect: No such signal "
                       "QObject::noSuchSignal()\n"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find(" error: the tray went away\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("chatter"), std::string::npos) << log;
    EXPECT_EQ(std::filesystem::status(file).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST_F(MessageLogTest, VerboseAlsoPrintsTheSameLines) {
    message_log::install(file, message_log::defaultCapacity, true);
    ::testing::internal::CaptureStderr();
    provokeQtWarning();
    const std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(printed.find("noSuchSignal"), std::string::npos) << printed;
    EXPECT_EQ(printed, test::readBytes(file));
}

TEST_F(MessageLogTest, StaysWithinItsCapacityKeepingOneEarlierFile) {
    constexpr std::uintmax_t capacity = 4096;
    message_log::install(file, capacity, false);
    for (int i = 0; i < 200; ++i) {
        provokeQtWarning();
        qWarning("warning number %d", i);
    }
    EXPECT_LE(std::filesystem::file_size(file), capacity);
    const std::filesystem::path previous = file.string() + ".1";
    ASSERT_TRUE(std::filesystem::exists(previous));
    EXPECT_LE(std::filesystem::file_size(previous), capacity);
    EXPECT_NE(test::readBytes(file).find("warning number 199\n"), std::string::npos);
    EXPECT_EQ(test::folderEntries(file.parent_path()),
              (std::vector<std::string>{"zembril.log", "zembril.log.1"}));
}

TEST_F(MessageLogTest, AnUnwritableFolderLosesTheLogAndNothingElse) {
    test::writeBytes(temporary.path() / "state", "a file where the folder should be");
    message_log::install(file, message_log::defaultCapacity, true);
    ::testing::internal::CaptureStderr();
    qWarning("still printed");
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("still printed"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace

#include "platform/linux/RotatingLog.h"

#include <gtest/gtest.h>

#include <string>

#include "TemporaryFolder.h"

namespace platform {
namespace {

TEST(RotatingLogTest, RotatesOnlyWhenTheNextLineWouldNotFitAndReplacesTheOlderFile) {
    test::TemporaryFolder temporary;
    const auto file = temporary.path() / "app.log";
    RotatingLog log(file, 10);
    log.append("aaaa");  // 5 bytes with its newline
    log.append("bbbb");  // 10: still fits
    EXPECT_EQ(test::readBytes(file), "aaaa\nbbbb\n");
    log.append("cc");
    EXPECT_EQ(test::readBytes(file), "cc\n");
    EXPECT_EQ(test::readBytes(log.previousFile()), "aaaa\nbbbb\n");
    log.append("dddddd");
    log.append("e");
    EXPECT_EQ(test::readBytes(file), "e\n");
    EXPECT_EQ(test::readBytes(log.previousFile()), "cc\ndddddd\n");
}

TEST(RotatingLogTest, ALineLongerThanTheCapacityIsCut) {
    test::TemporaryFolder temporary;
    RotatingLog log(temporary.path() / "app.log", 8);
    log.append(std::string(100, 'x'));
    EXPECT_EQ(test::readBytes(temporary.path() / "app.log"), "xxxxxxx\n");
}

TEST(RotatingLogTest, ContinuesAFileLeftByAnEarlierRunAndCountsItsSize) {
    test::TemporaryFolder temporary;
    const auto file = temporary.path() / "app.log";
    test::writeBytes(file, "earlier\n");
    RotatingLog log(file, 12);
    log.append("now");
    EXPECT_EQ(test::readBytes(file), "earlier\nnow\n");
    log.append("later");
    EXPECT_EQ(test::readBytes(file), "later\n");
}

}  // namespace
}  // namespace platform

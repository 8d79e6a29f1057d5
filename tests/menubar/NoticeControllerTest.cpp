#include "menubar/NoticeController.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/FakePlatform.h"

namespace {

using namespace std::chrono_literals;
using Log = std::vector<std::string>;

// Records what the notice asks of its panel, each request stamped with the virtual time in
// milliseconds.
class RecordingNoticeView final : public NoticeView {
public:
    explicit RecordingNoticeView(const platform::FakeMainQueue& queue) : queue_(queue) {}

    void setContent(const std::string& title, const std::string& detail,
                    bool showsPointingHand) override {
        record("content " + title + " / " + detail + (showsPointingHand ? " / hand" : ""));
    }
    void moveToTopOfMainScreen() override { record("place"); }
    void orderFrontAtFullOpacity() override { record("front"); }
    void beginFadeOut(platform::Duration duration) override {
        record("fade " + std::to_string(duration.count()));
    }
    void hideWindow() override { record("out"); }

    Log log;

private:
    void record(const std::string& request) {
        log.push_back(std::to_string(queue_.now().count()) + " " + request);
    }

    const platform::FakeMainQueue& queue_;
};

class NoticeControllerTest : public testing::Test {
protected:
    platform::FakePlatform platform;
    RecordingNoticeView view{platform.queue};
    NoticeController notice{view};
    int clicks = 0;
    std::function<void()> countClick = [this] { ++clicks; };
};

TEST_F(NoticeControllerTest, ANoticeShowsAtOnceThenFadesForAFifthOfASecondAfterItsDuration) {
    notice.show("Copied", "Click", 5s, countClick);
    EXPECT_EQ(view.log, (Log{"0 content Copied / Click / hand", "0 place", "0 front"}));

    platform.queue.advance(4999ms);
    EXPECT_EQ(view.log.size(), 3u);
    platform.queue.advance(1ms);
    EXPECT_EQ(view.log.back(), "5000 fade 300");
    platform.queue.advance(299ms);
    EXPECT_EQ(view.log.back(), "5000 fade 300");
    platform.queue.advance(1ms);
    EXPECT_EQ(view.log.back(), "5300 out");

    platform.queue.advance(60s);
    EXPECT_EQ(view.log.size(), 5u);
    EXPECT_EQ(clicks, 0);
}

TEST_F(NoticeControllerTest, ADurationIsInSecondsAndNeverNegative) {
    notice.show("A", "a", 0.25s, nullptr);
    notice.show("B", "b", -1s, nullptr);
    platform.queue.runUntilIdle();
    EXPECT_EQ(view.log.back(), "0 fade 300");
    view.log.clear();

    notice.show("C", "c", std::chrono::duration<double>(1.5), nullptr);
    platform.queue.advance(1499ms);
    EXPECT_EQ(view.log.back(), "0 front");
    platform.queue.advance(1ms);
    EXPECT_EQ(view.log.back(), "1500 fade 300");
}

TEST_F(NoticeControllerTest, ASecondNoticeWithinTheDurationStaysForItsOwnFullDuration) {
    notice.show("First", "one", 5s, countClick);
    platform.queue.advance(3s);
    notice.show("Second", "two", 5s, nullptr);
    view.log.clear();

    platform.queue.advance(4999ms);
    EXPECT_TRUE(view.log.empty()) << view.log.front();
    platform.queue.advance(301ms);
    EXPECT_EQ(view.log, (Log{"8000 fade 300", "8300 out"}));
}

TEST_F(NoticeControllerTest, ANoticeShownDuringAnOlderFadeIsNotHiddenWhenThatFadeEnds) {
    notice.show("First", "one", 5s, nullptr);
    platform.queue.advance(5100ms);
    notice.show("Second", "two", 5s, nullptr);
    view.log.clear();

    platform.queue.advance(4999ms);
    EXPECT_TRUE(view.log.empty()) << view.log.front();
    platform.queue.advance(301ms);
    EXPECT_EQ(view.log, (Log{"10100 fade 300", "10400 out"}));
}

TEST_F(NoticeControllerTest, AClickHidesAtOnceRunsTheActionOnceAndCancelsTheHide) {
    const struct {
        const char* when;
        platform::Duration clickAt;
    } cases[] = {{"while shown", 1s}, {"while fading", 5100ms}};
    for (const auto& [when, clickAt] : cases) {
        SCOPED_TRACE(when);
        clicks = 0;
        notice.show("Copied", "Click", 5s, countClick);
        platform.queue.advance(clickAt);
        view.log.clear();

        notice.handleClick();
        platform.queue.advance(60s);

        EXPECT_EQ(clicks, 1);
        ASSERT_EQ(view.log.size(), 1u);
        EXPECT_TRUE(view.log.front().ends_with(" out")) << view.log.front();
    }
}

TEST_F(NoticeControllerTest, ANoticeWithoutAnActionShowsNoHandAndAClickOnlyHidesIt) {
    notice.show("First", "one", 5s, countClick);
    notice.show("Second", "two", 5s, nullptr);
    EXPECT_EQ(view.log[3], "0 content Second / two");

    notice.handleClick();

    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(view.log.back(), "0 out");
}

TEST_F(NoticeControllerTest, AnActionThatShowsANewNoticeLeavesThatNoticeUpWithItsOwnAction) {
    notice.show("First", "one", 5s, [this] { notice.show("Second", "two", 5s, countClick); });

    notice.handleClick();
    EXPECT_EQ(view.log.back(), "0 front");
    platform.queue.advance(4999ms);
    EXPECT_EQ(view.log.back(), "0 front");

    notice.handleClick();
    EXPECT_EQ(clicks, 1);
}

TEST_F(NoticeControllerTest, PendingWorkOfAGoneNoticeDoesNothing) {
    RecordingNoticeView otherView{platform.queue};
    {
        NoticeController gone(otherView);
        gone.show("Gone", "soon", 1s, nullptr);
        platform.queue.advance(1100ms);
    }
    otherView.log.clear();

    platform.queue.advance(60s);

    EXPECT_TRUE(otherView.log.empty());
}

}  // namespace

#include "menubar/NoticePanel.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "platform/fake/FakePlatform.h"
#include "ui/Frame.h"
#include "ui/SystemColors.h"

namespace {

using namespace std::chrono_literals;

QString shownText(const QLabel& label) {
    QTextDocument document;
    document.setHtml(label.text());
    return document.toPlainText();
}

// The runs of `label`'s text with the font families each asks for first.
std::vector<std::pair<QString, QString>> fontRuns(const QLabel& label) {
    QTextDocument document;
    document.setHtml(label.text());
    std::vector<std::pair<QString, QString>> runs;
    for (auto fragment = document.begin().begin(); !fragment.atEnd(); ++fragment) {
        const QStringList families = fragment.fragment().charFormat().fontFamilies().toStringList();
        runs.emplace_back(fragment.fragment().text(), families.value(0));
    }
    return runs;
}

class NoticePanelTest : public testing::Test {
protected:
    platform::FakePlatform platform;
    NoticePanel panel;
    int clicks = 0;
    std::function<void()> countClick = [this] { ++clicks; };
};

TEST_F(NoticePanelTest, IsAFramelessFloatingPanelThatNeverTakesTheKeyboard) {
    const Qt::WindowFlags flags = panel.windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(panel.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(panel.size(), QSize(360, 56));
    EXPECT_TRUE(panel.isHidden());
}

TEST_F(NoticePanelTest, LaysOutABoldTitleOverAQuieterDetailLine) {
    panel.show("Copied 😀 — paste it with ⌘V", "Click to let Zembril paste for you", 5s, countClick);

    EXPECT_EQ(frameOf(panel.titleLabel()), (Frame{16, 29, 328, 17}));
    EXPECT_EQ(frameOf(panel.detailLabel()), (Frame{16, 10, 328, 16}));
    EXPECT_EQ(shownText(panel.titleLabel()), QStringLiteral("Copied 😀 — paste it with ⌘V"));
    EXPECT_EQ(shownText(panel.detailLabel()), QStringLiteral("Click to let Zembril paste for you"));
    EXPECT_EQ(panel.titleLabel().font().pixelSize(), 13);
    EXPECT_EQ(panel.titleLabel().font().weight(), QFont::DemiBold);
    EXPECT_EQ(panel.detailLabel().font().pixelSize(), 12);
    EXPECT_EQ(panel.detailLabel().font().weight(), QFont::Normal);
    EXPECT_EQ(panel.titleLabel().palette().color(QPalette::WindowText),
              systemColor(SystemColor::label, panel.palette()));
    EXPECT_EQ(panel.detailLabel().palette().color(QPalette::WindowText),
              systemColor(SystemColor::secondaryLabel, panel.palette()));
    EXPECT_EQ(panel.titleLabel().wordWrap(), false);

    panel.grab().save("notice.png");
}

TEST_F(NoticePanelTest, DrawsEmojiInTheColourFontAndPlainTextInTheDefaultOne) {
    panel.show("Copied 1️⃣ — <b>😀</b> ⌘V ⚡", "Ready", 5s, nullptr);

    const auto runs = fontRuns(panel.titleLabel());
    const QString emojiFont = QStringLiteral("Noto Color Emoji");
    EXPECT_EQ(runs, (std::vector<std::pair<QString, QString>>{{"Copied ", ""},
                                                              {"1️⃣", emojiFont},
                                                              {" — <b>", ""},
                                                              {"😀", emojiFont},
                                                              {"</b> ⌘V ", ""},
                                                              {"⚡", emojiFont}}));
}

TEST_F(NoticePanelTest, SitsCentredSixteenPointsBelowTheTopOfTheMainScreensVisibleFrame) {
    // A 1440 x 875 visible frame: the panel's bottom-left origin is (540, 803).
    const QPoint origin = noticeOrigin(QRect(0, 0, 1440, 875), QSize(360, 56));
    EXPECT_EQ(fromQtRect(QRect(origin, QSize(360, 56)), 875), (Frame{540, 803, 360, 56}));
    EXPECT_EQ(noticeOrigin(QRect(100, 30, 800, 600), QSize(360, 56)), QPoint(320, 46));

    panel.show("Title", "Detail", 5s, nullptr);

    const QRect visible = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(panel.pos(), noticeOrigin(visible, panel.size()));
}

TEST_F(NoticePanelTest, ShowsThePointingHandOnlyWhenThereIsAnAction) {
    panel.show("With", "action", 5s, countClick);
    EXPECT_TRUE(panel.clickableView().showsPointingHand());
    EXPECT_EQ(panel.clickableView().cursor().shape(), Qt::PointingHandCursor);

    panel.show("Without", "action", 5s, nullptr);
    EXPECT_FALSE(panel.clickableView().showsPointingHand());
    EXPECT_EQ(panel.clickableView().cursor().shape(), Qt::ArrowCursor);
}

TEST_F(NoticePanelTest, AClickOnTheTextHidesThePanelAndRunsTheActionOnce) {
    panel.show("Copied", "Click", 5s, countClick);
    ASSERT_TRUE(panel.isVisible());

    QTest::mouseClick(&panel.detailLabel(), Qt::LeftButton);

    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(clicks, 1);
    platform.queue.advance(10s);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(panel.isVisible());
}

TEST_F(NoticePanelTest, FadesAfterItsDurationAndComesBackOpaqueForTheNextNotice) {
    panel.show("First", "one", 5s, nullptr);
    platform.queue.advance(5s);
    EXPECT_TRUE(panel.isVisible());
    platform.queue.advance(300ms);
    EXPECT_FALSE(panel.isVisible());

    panel.show("Second", "two", 5s, nullptr);
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.windowOpacity(), 1.0);
}

}  // namespace

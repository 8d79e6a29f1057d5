#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include "catalogue/EmojiDataStore.h"
#include "picker/GridLayout.h"
#include "picker/PickerPanel.h"
#include "platform/fake/FakePlatform.h"
#include "prefs/PreferenceKeys.h"
#include "ui/Frame.h"
#include "ui/SystemColors.h"

namespace {

using platform::KeyEvent;

const std::vector<EmojiEntry>& realCatalogue() {
    static const std::vector<EmojiEntry> catalogue =
        EmojiDataStore::load(ZEMBRIL_SOURCE_DIR "/resources/emoji.json");
    return catalogue;
}

class PickerPanelTest : public testing::Test {
protected:
    PickerPanelTest() {
        fake_.defaults.setStringArray(prefs::keys::recentEmoji,
                                      {"😀", "🐱", "👋", "❤️", "🎉", "👍", "🇫🇷"});
        panel_.controller().onPaste = [this](const std::string& text) { pasted_.push_back(text); };
    }

    void type(const std::string& text) {
        for (const char c : text) {
            panel_.controller().keyDown(KeyEvent{0, 0, std::string(1, c)});
        }
    }

    platform::FakePlatform fake_;
    PickerPanel panel_{realCatalogue};
    std::vector<std::string> pasted_;
};

TEST_F(PickerPanelTest, ViewsSitAtTheirFrames) {
    EXPECT_EQ(panel_.size(), QSize(720, 640));
    const struct {
        QWidget* view;
        Frame frame;
    } cases[] = {
        {&panel_.queryLabel(), {24, 596, 672, 28}},
        {panel_.dynamicColorViews()[1], {0, 580, 720, 1}},
        {&panel_.collectionView(), {0, 32, 720, 548}},
        {&panel_.emptyStateLabel(), {0, 296, 720, 20}},
        {panel_.dynamicColorViews()[2], {0, 32, 720, 1}},
        {&panel_.footerNameLabel(), {20, 8, 340, 16}},
        {&panel_.footerHintLabel(), {360, 8, 340, 16}},
        {panel_.dynamicColorViews()[0], {0, 0, 720, 640}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(frameOf(*c.view), c.frame) << c.view->metaObject()->className();
    }
    EXPECT_EQ(panel_.footerHintLabel().text(), QStringLiteral("↩ Paste    ⌘C Copy"));
    EXPECT_EQ(panel_.emptyStateLabel().text(), QStringLiteral("No results found"));
    EXPECT_EQ(panel_.queryLabel().text(), QStringLiteral("Type to search…|"));
    EXPECT_NEAR(panel_.dynamicColorViews()[0]->fill().alphaF(), 0.95, 0.001);
    EXPECT_EQ(panel_.collectionView().focusPolicy(), Qt::NoFocus);
}

TEST(GridLayoutTest, CellsFlowInNineColumnsWithEachSectionOnNewRows) {
    const GridLayout layout({12, 3}, 705);
    const struct {
        IndexPath indexPath;
        QRect frame;
    } cases[] = {
        {{0, 0}, QRect(20, 30, 64, 64)},   // under the 26-point title and the 4-point inset
        {{0, 8}, QRect(612, 30, 64, 64)},  // the ninth column ends at 676
        {{0, 9}, QRect(20, 104, 64, 64)},  {{0, 11}, QRect(168, 104, 64, 64)},
        {{1, 0}, QRect(20, 210, 64, 64)},  // 168 + 12 bottom inset + 26 title + 4
        {{1, 2}, QRect(168, 210, 64, 64)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(layout.cellFrame(c.indexPath), c.frame)
            << c.indexPath.section << "," << c.indexPath.item;
        EXPECT_EQ(layout.indexPathAt(c.frame.center()), c.indexPath);
    }
    EXPECT_EQ(layout.headerFrame(1), QRect(0, 180, 705, 26));
    EXPECT_EQ(layout.contentHeight(), 180 + 26 + 4 + 64 + 12);
    EXPECT_FALSE(layout.indexPathAt({88, 50})) << "between two cells";
    EXPECT_FALSE(layout.indexPathAt({50, 10})) << "on a title";
    EXPECT_FALSE(layout.indexPathAt({250, 120})) << "after the last cell of a short row";
    EXPECT_FALSE(layout.indexPathAt({690, 50})) << "right of the ninth column";
}

TEST_F(PickerPanelTest, MakesCellsOnlyForWhatIsInViewAndTheEmptyStateOnlyWithoutResults) {
    panel_.present();
    const auto& grid = panel_.collectionView();
    const auto visible = grid.layout().indexPathsIn(grid.visibleRect());
    EXPECT_LT(visible.size(), 100u);
    EXPECT_TRUE(panel_.emptyStateLabel().isHidden());
    EXPECT_EQ(panel_.footerNameLabel().text(), QStringLiteral("grinning face"));
    type("qqqq");
    EXPECT_TRUE(panel_.controller().sections().empty());
    EXPECT_FALSE(panel_.emptyStateLabel().isHidden());
    EXPECT_TRUE(panel_.footerNameLabel().text().isEmpty());
}

TEST_F(PickerPanelTest, BordersShowChosenOverHoveredOverNeither) {
    panel_.present();
    auto& grid = panel_.collectionView();
    EmojiCollectionViewItem* chosen = grid.itemAt({0, 0});
    EmojiCollectionViewItem* other = grid.itemAt({0, 1});
    ASSERT_TRUE(chosen && other);
    const QColor accent =
        systemColor(SystemColor::selectedContentBackground, chosen->view().palette());
    EXPECT_EQ(chosen->view().borderColor(), accent);
    EXPECT_EQ(chosen->view().borderWidth(), 2);
    chosen->view().onHoverChange(true);
    EXPECT_EQ(chosen->view().borderColor(), accent) << "hover leaves the chosen border";
    other->view().onHoverChange(true);
    EXPECT_EQ(other->view().borderColor(), withAlpha(accent, 0.4));
    EXPECT_EQ(other->view().borderWidth(), 2);
    other->view().onHoverChange(false);
    EXPECT_EQ(other->view().borderWidth(), 0);
}

TEST_F(PickerPanelTest, ArrowsScrollTheSelectionIntoViewAndClicksPick) {
    panel_.present();
    for (int i = 0; i < 12; ++i) {
        panel_.controller().keyDown(KeyEvent{platform::keyCode::downArrow, 0, std::nullopt});
    }
    auto& grid = panel_.collectionView();
    const auto selected = *panel_.controller().selectedIndexPath();
    const QRect cell = grid.layout().cellFrame(selected);
    EXPECT_TRUE(grid.visibleRect().contains(cell));
    EXPECT_EQ(grid.visibleRect().bottom(), cell.bottom()) << "scrolled by the least amount";
    ASSERT_NE(grid.itemAt(selected), nullptr);
    EXPECT_EQ(grid.itemAt(selected)->view().borderWidth(), 2);

    type("s");
    EXPECT_EQ(grid.visibleRect().top(), 0) << "every rebuild starts at the top";
    panel_.controller().keyDown(KeyEvent{platform::keyCode::deleteKey, 0, std::nullopt});

    fake_.defaults.setInteger(prefs::keys::skinTone, 0);
    grid.onItemClick(selected);
    ASSERT_EQ(pasted_.size(), 1u);
    EXPECT_EQ(QString::fromStdString(pasted_[0]), grid.itemAt(selected)->view().glyph());
}

TEST_F(PickerPanelTest, OpensThirtyPointsAboveTheCentreOfTheScreenUnderThePointer) {
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    ASSERT_NE(screen, nullptr);
    panel_.move(0, 0);
    panel_.present();
    const QRect visible = screen->availableGeometry();
    EXPECT_EQ(panel_.geometry().center().x() + 1, visible.left() + visible.width() / 2);
    EXPECT_EQ(panel_.geometry().top() + 320 + 30, visible.top() + visible.height() / 2);
}

}  // namespace

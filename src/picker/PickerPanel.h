#pragma once

#include <QLabel>
#include <QWidget>
#include <memory>
#include <vector>

#include "picker/EmojiGridView.h"
#include "picker/PickerController.h"
#include "picker/PickerView.h"
#include "ui/DynamicColorView.h"

// The floating picker: a frameless panel above other windows with the query line, the grid,
// the empty-state message and the footer. Its logic is the PickerController it owns.
class PickerPanel final : public QWidget, private PickerView {
public:
    static constexpr int panelWidth = 720;
    static constexpr int panelHeight = 640;
    static constexpr int headerHeight = 60;
    static constexpr int footerHeight = 32;

    explicit PickerPanel(PickerController::Catalogue catalogue = nullptr);
    ~PickerPanel() override;

    PickerController& controller() { return *controller_; }
    void present() { controller_->present(); }
    void dismiss() { controller_->dismiss(); }

    QLabel& queryLabel() { return *queryLabel_; }
    QLabel& footerNameLabel() { return *footerNameLabel_; }
    QLabel& footerHintLabel() { return *footerHintLabel_; }
    QLabel& emptyStateLabel() { return *emptyStateLabel_; }
    EmojiGridView& collectionView() { return *collectionView_; }
    const std::vector<DynamicColorView*>& dynamicColorViews() const { return dynamicColorViews_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setQueryText(const std::string& text) override;
    void setFooterName(const std::string& name) override;
    void reloadGridAndScrollToTop() override;
    void setEmptyStateVisible(bool visible) override;
    void setCellChosen(IndexPath indexPath, bool chosen) override;
    void scrollCellIntoView(IndexPath indexPath) override;
    void centerOnActiveScreen() override;
    void refreshColors() override;
    void showAndTakeKeyboard() override;
    void hideWindow() override;

    QLabel* makeLabel(const QString& text, int pixelSize, Qt::Alignment alignment);
    void applyLabelColors();

    std::vector<DynamicColorView*> dynamicColorViews_;
    QLabel* queryLabel_ = nullptr;
    QLabel* footerNameLabel_ = nullptr;
    QLabel* footerHintLabel_ = nullptr;
    QLabel* emptyStateLabel_ = nullptr;
    EmojiGridView* collectionView_ = nullptr;
    // Made last, once the views it drives exist.
    std::unique_ptr<PickerController> controller_;
};

#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>

class QLabel;

// One row of the settings sidebar: a symbol and a title, tinted with the accent colour while
// its section is the one shown. A press selects it.
class SidebarRowView final : public QWidget {
public:
    SidebarRowView(const QString& title, std::string symbolName, QWidget* parent = nullptr);

    /// Called when the row is pressed.
    std::function<void()> onSelect;
    /// Whether the row's section is shown; updateAppearance() shows it.
    bool isSelected = false;

    /// Tints the row when it is selected, and clears it otherwise.
    void updateAppearance();
    /// Places the symbol and the title in the row's current size.
    void layOutSubviews();

    QLabel* iconView() const { return iconView_; }
    QLabel* titleLabel() const { return titleLabel_; }
    /// The row's fill: transparent unless selected.
    QColor backgroundColor() const { return backgroundColor_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void tintIcon();

    std::string symbolName_;
    QLabel* iconView_;
    QLabel* titleLabel_;
    QColor backgroundColor_ = Qt::transparent;
};

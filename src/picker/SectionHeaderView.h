#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

// The title above a grid section.
class SectionHeaderView final : public QWidget {
public:
    explicit SectionHeaderView(QWidget* parent);

    void setTitle(const QString& title);
    QString title() const { return title_; }
    QLabel& titleLabel() { return *titleLabel_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyColors();

    QString title_;
    QLabel* titleLabel_;
};

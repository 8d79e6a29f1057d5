#pragma once

#include <QWidget>
#include <optional>

#include "paste/PastePermission.h"

class QLabel;

// One row that shows a paste permission state: a coloured symbol and a short text, centred
// together as one group.
class PastePermissionStatusView final : public QWidget {
public:
    explicit PastePermissionStatusView(QWidget* parent = nullptr);

    using QWidget::update;
    /// Shows `state`: its symbol, tint, text and text colour.
    void update(PastePermission::State state);
    /// Centres the symbol and the text, as one group, in the row.
    void layOut();

    QLabel* iconView() const { return iconView_; }
    QLabel* label() const { return label_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QLabel* iconView_;
    QLabel* label_;
    std::optional<PastePermission::State> state_;
};

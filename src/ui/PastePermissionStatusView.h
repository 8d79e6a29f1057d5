#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <string_view>

#include "ui/StatusTone.h"

class QLabel;

// One row that shows where the paste permission stands: a symbol tinted by its tone and a short
// text, centred together as one group.
class PastePermissionStatusView final : public QWidget {
public:
    explicit PastePermissionStatusView(QWidget* parent = nullptr);

    /// Shows the symbol named `symbol` tinted for `tone`, and `text`; a neutral text is
    /// secondary.
    void display(std::string_view symbol, StatusTone tone, const QString& text);
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
    struct Shown {
        std::string symbol;
        StatusTone tone;
        QString text;
    };
    std::optional<Shown> shown_;
};

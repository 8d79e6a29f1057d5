#pragma once

#include <QObject>
#include <functional>

// Marks "picker-painted" in the timing log each time the picker has put a frame on the screen.
// Installed on the application only when a benchmark asks for timing, so normal use pays
// nothing for it on any event.
class PickerPaintTiming final : public QObject {
public:
    /// `isPicker` answers whether an object is the picker or its native window.
    explicit PickerPaintTiming(std::function<bool(const QObject*)> isPicker);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool(const QObject*)> isPicker_;
};

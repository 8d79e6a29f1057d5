#include "app/PickerPaintTiming.h"

#include <QEvent>
#include <utility>

#include "app/TimingLog.h"

PickerPaintTiming::PickerPaintTiming(std::function<bool(const QObject*)> isPicker)
    : isPicker_(std::move(isPicker)) {}

bool PickerPaintTiming::eventFilter(QObject* watched, QEvent* event) {
    // Both paint and put the frame on the screen before they return (Expose for the first frame
    // after showing, UpdateRequest for later ones), so the moment to mark is after delivery: the
    // filter delivers the event itself and marks when it is done.
    const QEvent::Type type = event->type();
    if ((type != QEvent::Expose && type != QEvent::UpdateRequest) || !isPicker_(watched)) {
        return false;
    }
    watched->event(event);
    timing::mark("picker-painted");
    return true;
}

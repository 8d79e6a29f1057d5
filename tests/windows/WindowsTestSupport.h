#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

#include <ostream>

#include "ui/Frame.h"

class QLabel;
class QWidget;

/// Frames print as the layouts write them.
inline void PrintTo(const Frame& frame, std::ostream* out) {
    *out << "(" << frame.x << ", " << frame.y << ", " << frame.width << ", " << frame.height << ")";
}

namespace windows_test {

// A palette with known colours, so the tests can name what each view is drawn with.
struct Colors {
    QColor window;
    QColor text;
    QColor base;
    QColor accent;

    QPalette palette() const;
};

inline const Colors light{QColor(236, 236, 236), QColor(20, 20, 20), QColor(255, 255, 255),
                          QColor(0, 122, 255)};
inline const Colors dark{QColor(40, 40, 42), QColor(235, 235, 235), QColor(30, 30, 30),
                         QColor(10, 132, 255)};

/// `color` at opacity `alpha`.
QColor alpha(QColor color, double value);
/// The bottom-left frame of the descendant of `window` named `name`; a failure when there is
/// none.
Frame frameOfChild(const QWidget& window, const char* name);
/// Expects the wrapping `label` at `frame`, or taller with the same top edge when its whole
/// text needs more lines in this font.
void expectWrappedAt(const QLabel& label, const Frame& frame);
/// Saves a render of `window` as `name`.png in the test's working folder.
void saveRender(QWidget& window, const QString& name);

}  // namespace windows_test

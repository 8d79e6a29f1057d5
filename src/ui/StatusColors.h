#pragma once

#include <QColor>

// The signal colours of the permission status, the same in light and dark colour schemes.
inline const QColor statusGreen{0x34, 0xC7, 0x59};
inline const QColor statusOrange{0xFF, 0x95, 0x00};

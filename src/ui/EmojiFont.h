#pragma once

#include <QFont>

// The colour emoji font at `pixelSize`. Named explicitly: the default sans font has
// monochrome glyphs for some emoji and would shadow the colour ones.
QFont emojiFont(int pixelSize);

#pragma once

#include <QFont>

namespace vartel {

// The font of every window: the Japanese UI font the windows were drawn for, or the nearest one
// this desktop has. Variable names differ from plain words only in the width of their digits
// ("数値１", never "数値1"), so the font must draw full-width digits wider than half-width ones;
// proportional gothics other than the original squeeze them to the same width.
QFont applicationFont();

// Whether a full-width digit is drawn visibly wider than a half-width one in this font.
bool tellsDigitWidthsApart(const QFont& font);

}  // namespace vartel

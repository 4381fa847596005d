#pragma once

#include <QByteArray>

namespace talvo {

// The toolkit's PDF writer tells a reader which character each glyph stands for (the font's
// ToUnicode map) by the lowest code point the font maps to that glyph. CJK fonts map the
// Kangxi radicals (U+2F00-U+2FD5), some CJK radicals and the kanbun marks to the very glyphs
// of the ideographs they stand for, so text taken out of the PDF read "⾼功率等级" for
// "高功率等级" and a search for 高 found nothing.
//
// Rewrites, in every ToUnicode map of `pdf`, each single-glyph destination below U+4E00 whose
// compatibility form is one unified ideograph to that ideograph. Each code keeps its four hex
// digits, so every offset and length in the file stays valid; the printed glyphs are not
// touched. Returns the number of destinations rewritten.
int MendCjkTextLayer(QByteArray& pdf);

}  // namespace talvo

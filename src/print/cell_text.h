#pragma once

#include <QColor>
#include <QString>
#include <string>

#include "radio/state/channel_lists.h"

namespace talvo {

// How the channel grid shows its cells, on screen and on paper. Header-only, so the printout
// can show them the same way without the window library.

// Background of the even channel rows (2, 4, ... 128).
inline const QColor kChannelEvenRowColour{192, 192, 255};

// The grid stores hold UTF-8 words (list entries, frequencies, tones) and, in the name
// column, one byte per character (a name read from the radio can hold any byte but 0xFF).
inline QString CellToDisplay(int column, const std::string& text) {
    const auto size = static_cast<qsizetype>(text.size());
    return column == kColName ? QString::fromLatin1(text.data(), size)
                              : QString::fromUtf8(text.data(), size);
}

// A name typed into the name editor as the bytes the name store holds. The editor's filter
// lets no character above one byte through.
inline std::string NameToBytes(const QString& name) {
    return name.toLatin1().toStdString();
}

}  // namespace talvo

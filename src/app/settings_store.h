#pragma once

#include <QString>
#include <QStringList>

#include "model/language.h"

namespace talvo {

// The two settings remembered between runs: the language (a 4-byte value "BinaryValue" under
// the key "RQZ-DW" of the per-user store) and the serial port number (byte 0 of the file
// "parameter"). Nothing of those two is written while the program runs; failures are silent
// and give the defaults. Beside them the store keeps the data file dialogs' folder.

// The stored language as text: a text value up to its first NUL, a binary value's first two
// bytes as a signed little-endian number in decimal; empty when missing or unreadable.
QString LoadLanguage();
// Stores the flag as 4 binary bytes: the flag, then three zero bytes.
void SaveLanguageFlag(LanguageFlagValue flag);
// Stores `lang`: its flag (1 for English and every further language), and beside it the code
// when it is one of `further` (the languages besides Chinese and English), else no code.
void SaveLanguage(Language lang, const QStringList& further = {});

// The code of the language the flag's 1 stands for when it is not English ("es"), kept in its
// own key beside the flag so that the flag keeps its two values; empty when none is stored (a
// store of an older version, or English or Chinese shown). An empty code removes the key.
QString LoadFurtherLanguage();
void SaveFurtherLanguage(const QString& code);

// The folder of the last data file chosen for Open or Save; empty when none is stored.
QString LoadLastFolder();
// Stores it at once, so the next run starts there even after a crash.
void SaveLastFolder(const QString& folder);

// Turns the stored text into a language flag: empty gives English (1); otherwise the last
// hexadecimal digit of the number the text holds ("17" = 0x11 gives 1); a text that is not a
// number, or whose last hexadecimal digit is a letter, gives Chinese (0). Other digits (2..9)
// are returned as they are.
LanguageFlagValue LanguageFlagFromText(const QString& text);

// The per-user store file of the language value.
QString LanguageStorePath();
// The parameter file: beside the program when that folder can be written and is not a system
// folder (an installed program in /usr/bin), else in the user's configuration folder.
QString ParameterFilePath();

// Byte 0 of the parameter file (0 for an empty, new or unreadable file). A missing file is
// created empty, as the first run leaves it.
int LoadPortNumber();
// Writes the number as byte 0; every further byte of the file is kept.
void SavePortNumber(int portNumber);

// The recently opened or saved data files, newest first, in their own file of the user's
// configuration folder (written whenever the list changes). Empty when there is none.
QStringList LoadRecentFiles();
void SaveRecentFiles(const QStringList& paths);

// The sockets (udev by-path names) of the ports the last fleet run used, so the same cables
// are chosen again whatever numbers the plug order gave them.
QStringList LoadFleetSockets();
void SaveFleetSockets(const QStringList& sockets);

}  // namespace talvo

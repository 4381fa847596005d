#pragma once

#include <QString>

namespace talvo {

// The data file dialog's filter as the program states it: pairs of description and pattern,
// each followed by "|".
inline constexpr const char* kDataFileFilter = "DAT文件(*.dat)|*.dat|AllFiles(*.*)|*.*|";

// Turns a "description|pattern|description|pattern|" filter into the toolkit's
// "description (pattern);;..." form. A description that already ends in its pattern in
// parentheses is kept as it is.
QString ToQtFilter(const QString& pairs);

// The data file filter in the toolkit's form; the first filter is "*.dat".
QString DataFileFilter();

}  // namespace talvo

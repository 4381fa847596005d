#pragma once

#include <QIcon>

namespace talvo {

// Icons drawn by the program itself.
enum class AppIcon { Program, Read, Write, AnMa, Debug, FmMa };
QIcon MakeIcon(AppIcon which);

}  // namespace talvo

#pragma once

#include <QString>

namespace talvo {

// The folder that holds the program (help files, the parameter file).
// TALVO_PROGRAM_DIR replaces it, so tests and portable installs can point elsewhere.
QString ProgramFolder();

// The user's configuration folder of this program (created on demand by the writers).
// TALVO_CONFIG_DIR replaces it, so tests never touch the real user's settings.
QString ConfigFolder();

}  // namespace talvo

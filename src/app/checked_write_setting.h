#pragma once

namespace talvo {

// Whether Write is the checked write (read and back up first, show the changes, write, read
// back and compare). On unless the user switched it off; the choice is kept in the user's
// configuration folder (safety.ini) as soon as it is made.
bool LoadCheckedWrite();
void SaveCheckedWrite(bool on);

}  // namespace talvo

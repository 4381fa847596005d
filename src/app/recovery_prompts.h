#pragma once

#include <QString>

#include "document/recovery_store.h"

namespace talvo {

class MainWindow;
class RecoveryKeeper;

// At start: offers each recovery copy left by a program that no longer runs, newest first.
// Yes restores it (one undoable step, unsaved) and ends the offer, once this program's own copy
// holds it; No discards it and goes on to the next; Cancel keeps the rest for a later start.
// A copy that cannot be read is reported and kept aside under another name.
void OfferRecoveredEdits(MainWindow& window, RecoveryKeeper& keeper,
                         const QString& folder = RecoveryFolder());

// Tells the user, once per run, when the recovery copy cannot be written.
void ReportRecoveryFailures(MainWindow& window, RecoveryKeeper& keeper);

}  // namespace talvo

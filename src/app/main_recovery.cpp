// The main window's side of a recovery copy: its changes become the document again.
#include "app/main_window.h"
#include "document/document.h"
#include "document/edit_labels.h"
#include "editors/channels/channel_table_window.h"
#include "lang/catalogue.h"
#include "radio/codecs/decode.h"

namespace talvo {

void MainWindow::restoreRecovered(const ImageBytes& image, const QString& sourceFile) {
    ProgramState after = document_.state();
    after.RadioImage = image;
    after.band.BandPromptSuppressed = true;
    DecodeImage(after);
    state_.band.BandPromptSuppressed = true;
    document_.loadState(RecoveredLabel(), after);
    // The copy is what a save would have written: bytes no field holds stay as they were.
    state_.EncodedImage = image;
    setCurrentFile(sourceFile);
    recovered_ = true;
    updateTitle();
    showDecodedModel();
    showEditor(channel_);
}

}  // namespace talvo

#pragma once

#include <QDateTime>
#include <QString>
#include <memory>
#include <span>
#include <vector>

#include "model/status.h"
#include "radio/state/program_state.h"

class QLockFile;

namespace talvo {

// Unsaved edits are kept on disk while the program runs, so that a crash, a kill or a power cut
// loses none of them. Each running program has its own copy in the recovery folder, three files
// sharing one name: "<id>.dat" (a data file any data-file reader takes), "<id>.source" (the path
// of the document's own file, UTF-8, empty for none) and "<id>.lock", held for as long as the
// program runs. A copy whose lock nobody holds was left by a program that ended without
// removing it.

// talvo/recovery under the XDG state home ($XDG_STATE_HOME, ~/.local/state by default). It may
// not exist yet.
QString RecoveryFolder();

// This program's copy. Not thread-bound, but used from one thread at a time.
class OwnRecoveryCopy {
  public:
    explicit OwnRecoveryCopy(const QString& folder = RecoveryFolder());
    ~OwnRecoveryCopy();  // removes the copy and lets go of the name
    OwnRecoveryCopy(const OwnRecoveryCopy&) = delete;
    OwnRecoveryCopy& operator=(const OwnRecoveryCopy&) = delete;

    // Puts `dataFile` (a whole data file) and the name of the document's file in place, each
    // written atomically. The name is taken on the first write. CannotWrite on failure.
    Status write(std::span<const std::uint8_t> dataFile, const QString& sourceFile);
    // Removes the copy; the name stays this program's.
    void remove();
    QString dataPath() const;

  private:
    QString base_;  // folder/<id>
    std::unique_ptr<QLockFile> lock_;
};

// A copy left by a program that no longer runs. While this object lives, the copy is locked by
// this program, so a second program starting at the same moment does not offer it too.
class LeftCopy {
  public:
    LeftCopy(QString base, std::unique_ptr<QLockFile> lock);
    ~LeftCopy();  // lets go of the copy: it stays for a later start
    LeftCopy(const LeftCopy&) = delete;
    LeftCopy& operator=(const LeftCopy&) = delete;

    QString dataPath() const;
    // The document's own file; empty when the document had none.
    QString sourceFile() const;
    // When the copy was last written.
    QDateTime written() const;
    // The copy's image (0x000..0xBFF); WrongFileType or Truncated for a damaged copy.
    Status read(ImageBytes& image) const;
    // Removes the copy for good.
    void discard();
    // Keeps a copy that cannot be read under another name, so it is neither offered again
    // nor lost. Returns the new path.
    QString setAside();

  private:
    QString base_;
    std::unique_ptr<QLockFile> lock_;
};

// The copies in `folder` whose programs no longer run, newest first. Leftovers of such a
// program that hold no data (a lock, a name) are cleared away.
std::vector<std::unique_ptr<LeftCopy>> FindLeftCopies(const QString& folder = RecoveryFolder());

}  // namespace talvo

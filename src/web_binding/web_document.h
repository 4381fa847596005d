#pragma once

// The page's document: one program state, opened, saved, decoded and shown through the core.
#include <emscripten/val.h>

#include <cstdint>
#include <deque>
#include <string>

#include "radio/state/program_state.h"

namespace talvo::web {

class Document {
  public:
    Document();

    // Opens a .dat file's bytes as the Open command does, as one step that leaves nothing
    // unsaved: empty on success, else the reason in `lang` naming `fileName`; on failure the
    // document stays as it was.
    std::string open(const emscripten::val& bytes, const std::string& fileName,
                     const std::string& lang);
    // The 3,120-byte file the Save command writes (empty on a failure of the scratch file).
    // It counts as saved once written: markSaved(revision()) as read before save().
    emscripten::val save();
    // Spreads a 3,072-byte memory image over the document, as one step; false (nothing changed)
    // for any other length.
    bool decodeImage(const emscripten::val& bytes);
    // The 3,072-byte memory image the document encodes to.
    emscripten::val encodeImage();
    // The state as `talvo-cli decode --lang` prints it.
    std::string json(const std::string& lang) const;
    // The channel grid: row 0..127 is channel 1..128; column 0 its number, 1..10 its fields.
    std::string cell(int row, int column, const std::string& lang) const;
    // The channel CSV file of the used channels, and what some rows could not carry.
    std::string csv() const;
    emscripten::val csvNotes(const std::string& lang) const;

    ProgramState& state() { return state_; }
    const ProgramState& state() const { return state_; }

    // The edit history: each change of the state is one step, taken back by undo() and made
    // again by redo(). Call remember() just before changing state() (once per step).
    void remember();
    // The same for a change that continues the last one while the key stays the same (typing
    // in one field, the FM window's edits up to its OK): together they are one step.
    void rememberChange(const std::string& key);
    bool undo();
    bool redo();
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // Whether the state differs from the one last opened, saved or started afresh.
    bool modified() const { return revision_ != savedRevision_; }
    // The state's revision, and the one that counts as saved (a later state's stays unsaved).
    double revision() const { return static_cast<double>(revision_); }
    void markSaved(double revision) { savedRevision_ = static_cast<std::uint64_t>(revision); }
    // New: band 0, every channel emptied, the DTMF defaults, as one step that leaves nothing
    // unsaved.
    void startNew();

  private:
    void markCurrentSaved() { savedRevision_ = revision_; }

    struct Step {
        ProgramState state;
        std::uint64_t revision = 0;
    };
    // The state is a few kilobytes: this many steps back cost about two megabytes.
    static constexpr std::size_t kHistorySteps = 100;

    ProgramState state_;
    std::deque<Step> undo_;
    std::deque<Step> redo_;
    std::uint64_t revision_ = 0;
    std::uint64_t lastRevision_ = 0;
    std::uint64_t savedRevision_ = 0;
    std::string lastChange_;  // the key of the step rememberChange() may continue
};

// One change of the document's radio-wide parts (band, settings, FM, DTMF, power; the band's
// emptying of the channels too) as a step of its edit history: made by the code between its
// construction and its end, continuing the last step while `key` stays the same. A change that
// changes nothing is no step.
class ChangeStep {
  public:
    ChangeStep(Document& doc, std::string key);
    ~ChangeStep();
    ChangeStep(const ChangeStep&) = delete;
    ChangeStep& operator=(const ChangeStep&) = delete;

  private:
    Document& doc_;
    std::string key_;
    ProgramState before_;
};

}  // namespace talvo::web

#pragma once

// The page's document: one program state, opened, saved, decoded and shown through the core.
#include <emscripten/val.h>

#include <string>

#include "radio/state/program_state.h"

namespace talvo::web {

class Document {
  public:
    Document();

    // Opens a .dat file's bytes as the Open command does: empty on success, else the reason in
    // `lang` naming `fileName`; on failure the document stays as it was.
    std::string open(const emscripten::val& bytes, const std::string& fileName,
                     const std::string& lang);
    // The 3,120-byte file the Save command writes (empty on a failure of the scratch file).
    emscripten::val save();
    // Spreads a 3,072-byte memory image over the document; false (nothing changed) for any
    // other length.
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

  private:
    ProgramState state_;
};

}  // namespace talvo::web

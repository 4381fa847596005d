#include "web_binding/web_document.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "cli/json_state.h"
#include "exchange/channel_export.h"
#include "exchange/exchange_notes.h"
#include "exchange/utf8_text.h"
#include "jobs/outcome_words.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/decode.h"
#include "radio/codecs/encode.h"
#include "radio/codecs/file_io.h"
#include "radio/fields/channel_fields.h"
#include "radio/state/dtmf.h"
#include "radio/state/state_parts.h"
#include "rules/channel_table.h"
#include "rules/printout.h"
#include "web_binding/catalogue_words.h"
#include "web_binding/js_values.h"

namespace talvo::web {
namespace {

using emscripten::val;

// Open and Save go through the core's own file functions, on the module's in-memory file
// system: the page's bytes are the file.
constexpr const char* kScratchFile = "/tmp/talvo-document.dat";

}  // namespace

Document::Document() : state_(StartupState()) {}

std::string Document::open(const val& bytes, const std::string& fileName, const std::string& lang) {
    const std::vector<std::uint8_t> file = BytesOf(bytes);
    // Read into a copy: a failure leaves the document as it was.
    ProgramState after = state_;
    Status status = WriteFileAtomically(kScratchFile, file);
    if (status == Status::Ok) status = OpenDataFile(after, kScratchFile);
    if (status != Status::Ok) return Say(StatusMessage(status, VisibleText(fileName)), lang);
    remember();
    state_ = std::move(after);
    markCurrentSaved();
    return {};
}

val Document::save() {
    std::vector<std::uint8_t> file;
    if (SaveDataFile(state_, kScratchFile) != Status::Ok ||
        ReadFileBytes(kScratchFile, file) != Status::Ok) {
        file.clear();
    }
    return Uint8Array(file.data(), file.size());
}

bool Document::decodeImage(const val& bytes) {
    const std::vector<std::uint8_t> image = BytesOf(bytes);
    if (image.size() != kConfigSize) return false;
    remember();
    std::copy(image.begin(), image.end(), state_.RadioImage.begin());
    DecodeImage(state_);
    return true;
}

val Document::encodeImage() {
    EncodeImage(state_);
    return Uint8Array(state_.EncodedImage.data(), kConfigSize);
}

void Document::rememberChange(const std::string& key) {
    if (!key.empty() && key == lastChange_ && !undo_.empty()) {
        revision_ = ++lastRevision_;
        return;
    }
    remember();
    lastChange_ = key;
}

void Document::remember() {
    lastChange_.clear();
    undo_.push_back({state_, revision_});
    if (undo_.size() > kHistorySteps) undo_.pop_front();
    redo_.clear();
    revision_ = ++lastRevision_;
}

bool Document::undo() {
    lastChange_.clear();
    if (undo_.empty()) return false;
    redo_.push_back({std::move(state_), revision_});
    state_ = std::move(undo_.back().state);
    revision_ = undo_.back().revision;
    undo_.pop_back();
    return true;
}

bool Document::redo() {
    lastChange_.clear();
    if (redo_.empty()) return false;
    undo_.push_back({std::move(state_), revision_});
    state_ = std::move(redo_.back().state);
    revision_ = redo_.back().revision;
    redo_.pop_back();
    return true;
}

void Document::startNew() {
    remember();
    state_.band.select(0);
    state_.band.BandPromptSuppressed = true;
    state_.band.PreviousBandIndex = 0;
    StartForm(state_.channels);
    StartForm(state_.dtmf);
    markCurrentSaved();
}

std::string Document::json(const std::string& lang) const {
    return cli::StateToJson(state_, WordsIn(lang));
}

std::string Document::cell(int row, int column, const std::string& lang) const {
    if (row < 0 || row >= kChannelCount || column < 0 || column >= kGridColumns) return {};
    if (column == 0) return std::to_string(row + 1);
    const std::string text = ChannelCellText(state_.channels.at(row + 1), column, WordsIn(lang));
    return column == kColName ? BytesAsUtf8(text) : text;
}

std::string Document::csv() const {
    return ExportChannelsCsv(state_.channels, state_.band).text;
}

val Document::csvNotes(const std::string& lang) const {
    std::vector<std::string> lines;
    for (const ExchangeNote& note : ExportChannelsCsv(state_.channels, state_.band).notes) {
        lines.push_back(Say(NoteText(note), lang));
    }
    return Strings(lines);
}

ChangeStep::ChangeStep(Document& doc, std::string key)
    : doc_(doc), key_(std::move(key)), before_(doc.state()) {}

ChangeStep::~ChangeStep() {
    if (before_.channels == doc_.state().channels &&
        TakeSlice(before_, {}, kAllStateParts) == TakeSlice(doc_.state(), {}, kAllStateParts)) {
        return;
    }
    ProgramState after = std::move(doc_.state());
    doc_.state() = std::move(before_);
    doc_.rememberChange(key_);
    doc_.state() = std::move(after);
}

}  // namespace talvo::web

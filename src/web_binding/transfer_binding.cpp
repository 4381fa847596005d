// Reading and writing the radio from the page: the core's jobs over Web Serial, the checked
// write's decision and change list, the backups the page keeps, and the words of all of it.
// The page only moves bytes between the port and the job and shows what the job says.
#include <emscripten/bind.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "compare/change_list.h"
#include "compare/change_table.h"
#include "exchange/utf8_text.h"
#include "jobs/backup_decision.h"
#include "jobs/checked_write_job.h"
#include "jobs/outcome_words.h"
#include "jobs/transfer_jobs.h"
#include "link/protocol/cable_chips.h"
#include "link/protocol/cooldown.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/encode.h"
#include "web_binding/catalogue_words.h"
#include "web_binding/js_values.h"
#include "web_binding/web_document.h"
#include "web_binding/web_transfer.h"

namespace talvo::web {
namespace {

using emscripten::val;

struct Stages {
    Text title;
    Text label;
};

constexpr Stages kReading{
    TALVO_TEXT("TransferController", "Reading……"),
    TALVO_TEXT("TransferController", "Data is reading, please wait a moment.")};
constexpr Stages kWriting{
    TALVO_TEXT("TransferController", "Writing……"),
    TALVO_TEXT("TransferController", "Data is writing, please wait a moment.")};
constexpr Stages kReadingFirst{
    TALVO_TEXT("CheckedWrite", "Reading before writing……"),
    TALVO_TEXT("CheckedWrite",
               "Reading what the radio holds now to keep a backup, please wait a moment.")};
constexpr Stages kReadingBack{
    TALVO_TEXT("CheckedWrite", "Verifying……"),
    TALVO_TEXT("CheckedWrite",
               "Reading back what was written to compare it byte for byte, please wait a moment.")};
constexpr Stages kRestoring{
    TALVO_TEXT("CheckedWrite", "Restoring the backup……"),
    TALVO_TEXT("CheckedWrite", "Writing the backup back to the radio, please wait a moment.")};

// The words the transfer part of the page shows, by the key the page asks for: the desktop's
// words where the desktop has the command, the page's own for what only the page does.
struct Entry {
    const char* key;
    Text text;
};

constexpr std::array kWords = {
    Entry{"read", TALVO_TEXT("MainTexts", "Read Data from the Transceive")},
    Entry{"write", TALVO_TEXT("MainTexts", "Write Data in the Transceive")},
    Entry{"checkedWrite",
          TALVO_TEXT("MainTexts", "Checked Write: Back Up, Show Changes, Verify(&V)")},
    Entry{"port", TALVO_TEXT("MainTexts", "Communication Port(&C)")},
    Entry{"backupsCommand", TALVO_TEXT("MainTexts", "Backups(&K)…")},
    Entry{"backups", TALVO_TEXT("BackupsWindow", "Backups")},
    Entry{"dateTime", TALVO_TEXT("BackupsWindow", "Date and time")},
    Entry{"channelsUsed", TALVO_TEXT("BackupsWindow", "Channels used")},
    Entry{"firstNames", TALVO_TEXT("BackupsWindow", "First channel names")},
    Entry{"unreadable", TALVO_TEXT("BackupsWindow", "cannot be read")},
    Entry{"cancel", TALVO_TEXT("BackupsWindow", "Cancel")},
    Entry{"mistake", TALVO_TEXT("TransferController", "Mistake")},
    Entry{"tip", TALVO_TEXT("TransferController", "Tip")},
    Entry{"attention", TALVO_TEXT("TransferController", "Attention")},
    Entry{"noSerial",
          TALVO_TEXT("WebTransfer",
                     "Reading and writing the radio needs Web Serial, which Chrome, Edge and "
                     "Opera have on the desktop. Opening, editing, saving, CSV and printing work "
                     "in this browser as well.")},
    Entry{"allPorts", TALVO_TEXT("WebTransfer", "Show every serial port")},
    Entry{"portHelpTitle", TALVO_TEXT("WebTransfer", "No port, or it will not open?")},
    Entry{"portHelp",
          TALVO_TEXT("WebTransfer",
                     "On Windows, install the driver of the cable's chip (CH340 or PL2303) and "
                     "plug the cable in again. A counterfeit PL2303 chip is refused by the "
                     "current Windows driver: use a cable with a genuine chip. A port held by "
                     "another program (another programming program, a terminal) cannot be "
                     "opened until that program lets it go. On Linux, add your user to the "
                     "dialout group (sudo usermod -aG dialout $USER) and log in again.")},
    Entry{"saveBackup", TALVO_TEXT("WebTransfer", "Save as data file")},
    Entry{"restoreBackup", TALVO_TEXT("WebTransfer", "Write back to the radio")},
    Entry{"backupsIntro",
          TALVO_TEXT("WebTransfer", "Every read keeps what the radio held, in this browser.")},
    Entry{"noBackups", TALVO_TEXT("WebTransfer", "No backup yet.")},
    Entry{"disconnected", TALVO_TEXT("WebTransfer", "The cable was disconnected.")},
};

// Menu words without the keyboard accelerator: "Backups(&K)…" -> "Backups…".
std::string WithoutAccelerator(std::string words) {
    const std::size_t open = words.find("(&");
    const std::size_t close = open == std::string::npos ? open : words.find(')', open);
    if (close != std::string::npos) words.erase(open, close - open + 1);
    words.erase(std::remove(words.begin(), words.end(), '&'), words.end());
    return words;
}

std::string TransferWords(const std::string& key, const std::string& lang) {
    for (const Entry& entry : kWords) {
        if (key == entry.key) return WithoutAccelerator(WordsIn(lang)(entry.text));
    }
    return {};
}

// "The serial port is invalid", then what the browser said, then the usual causes.
std::string PortFailure(const std::string& detail, const std::string& lang) {
    std::vector<Message> lines{TALVO_TEXT("TransferController", "The serial port is invalid")};
    if (!detail.empty()) lines.push_back(Message::Literal(VisibleText(detail)));
    lines.push_back(TALVO_TEXT("WebTransfer", "No port, or it will not open?"));
    std::string text;
    for (const Message& line : lines) text += (text.empty() ? "" : "\n\n") + Say(line, lang);
    return text + "\n" + TransferWords("portHelp", lang);
}

// The usual cable chips, as the port chooser's filters: [{usbVendorId}, ...].
val CableFilters() {
    val filters = val::array();
    std::vector<std::uint16_t> vendors;
    for (const link::CableChip& chip : link::kCableChips) {
        if (std::find(vendors.begin(), vendors.end(), chip.vendor) != vendors.end()) continue;
        vendors.push_back(chip.vendor);
        val filter = val::object();
        filter.set("usbVendorId", chip.vendor);
        filters.call<void>("push", filter);
    }
    return filters;
}

// A port as a message names it: its chip, or its USB identifiers, or nothing.
std::string PortLabel(int vendor, int product) {
    for (const link::CableChip& chip : link::kCableChips) {
        if (chip.vendor == vendor) return chip.name;
    }
    if (vendor <= 0) return {};
    char text[16];
    std::snprintf(text, sizeof text, "%04x:%04x", vendor & 0xFFFF, product & 0xFFFF);
    return text;
}

bool ImageOf(const val& bytes, ImageBytes& image) {
    const std::vector<std::uint8_t> got = BytesOf(bytes);
    if (got.size() != kConfigSize) return false;
    std::copy(got.begin(), got.end(), image.begin());
    return true;
}

// A backup as the Backups list shows it: {readable, used, names}.
val BackupSummary(const val& bytes, const std::string& lang) {
    constexpr int kNamesShown = 4;
    val summary = val::object();
    ImageBytes image{};
    if (!ImageOf(bytes, image)) {
        summary.set("readable", false);
        summary.set("used", TransferWords("unreadable", lang));
        summary.set("names", std::string());
        return summary;
    }
    const ProgramState state = compare::DecodedState(image);
    int used = 0;
    std::string names;
    int shown = 0;
    for (int ch = 1; ch <= kChannelCount; ++ch) {
        if (state.channels.isFree(ch)) continue;
        ++used;
        const std::string& name = state.channels.at(ch).name;
        if (name.empty() || shown >= kNamesShown) continue;
        names += (shown++ ? ", " : "") + VisibleText(name);
    }
    summary.set("readable", true);
    summary.set("used", std::to_string(used));
    summary.set("names", names);
    return summary;
}

// The 3,120-byte data file of a 3,072-byte image (empty for any other length).
val DataFileOf(const val& bytes) {
    ImageBytes image{};
    if (!ImageOf(bytes, image)) return Uint8Array(nullptr, 0);
    const auto file = SerializeDataFile(image);
    return Uint8Array(file.data(), file.size());
}

// The pause after a transfer that ended well before the next may start.
int CooldownMs() {
    return link::Cooldown::kTickMs * link::Cooldown::kTicks;
}

int TickMs() {
    return jobs::Job::kTickMs;
}

std::string StageKey(jobs::Stage stage) {
    switch (stage) {
        case jobs::Stage::None:
            return "none";
        case jobs::Stage::Identify:
            return "identify";
        case jobs::Stage::Read:
            return "read";
        case jobs::Stage::Backup:
            return "backup";
        case jobs::Stage::Decision:
            return "decision";
        case jobs::Stage::Write:
            return "write";
        case jobs::Stage::ReadBack:
            return "readBack";
    }
    return "none";
}

}  // namespace

Transfer::Transfer(const std::string& kind, Document& doc, const val& image) : kind_(kind) {
    const jobs::WriteOptions options{.debugMode = doc.state().hidden.DebugMode()};
    if (kind == "read") {
        auto read = std::make_unique<jobs::ReadJob>();
        read_ = read.get();
        job_ = std::move(read);
    } else if (kind == "write" || kind == "checkedWrite") {
        EncodeImage(doc.state());
        image_ = doc.state().EncodedImage;
        if (kind == "write") {
            job_ = std::make_unique<jobs::WriteJob>(
                options, [this]() -> const ImageBytes& { return image_; });
        } else {
            auto checked = std::make_unique<jobs::CheckedWriteJob>(
                image_, jobs::CheckedWriteOptions{.write = options});
            checked_ = checked.get();
            job_ = std::move(checked);
        }
    } else if (kind == "restore" && ImageOf(image, image_)) {
        job_ = std::make_unique<jobs::RestoreJob>(image_, options);
    }
}

Transfer::~Transfer() = default;

void Transfer::start(int settleTicks) {
    if (!job_) return;
    job_->start(
        [this](std::span<const std::uint8_t> bytes) {
            outbox_.insert(outbox_.end(), bytes.begin(), bytes.end());
        },
        std::max(0, settleTicks));
}

void Transfer::feed(const val& bytes) {
    if (!job_) return;
    const std::vector<std::uint8_t> got = BytesOf(bytes);
    job_->feed(got);
}

void Transfer::tick() {
    if (job_) job_->tick();
}

void Transfer::cancel() {
    if (job_) job_->cancel();
}

void Transfer::lineFailed(const std::string& reason) {
    if (job_) job_->lineFailed(reason);
}

val Transfer::takeOutput() {
    const val out = Uint8Array(outbox_.data(), outbox_.size());
    outbox_.clear();
    return out;
}

val Transfer::progress() const {
    val p = val::object();
    if (!job_) {
        p.set("finished", true);
        p.set("ok", false);
        return p;
    }
    const jobs::Progress now = job_->progress();
    p.set("stage", StageKey(job_->stage()));
    p.set("done", now.stageBlocksDone);
    p.set("total", now.stageBlocksTotal);
    p.set("awaitingDecision", job_->awaitingDecision());
    p.set("finished", job_->finished());
    p.set("ok", job_->finished() && job_->outcome().ok());
    return p;
}

val Transfer::stageTexts(const std::string& lang) const {
    const jobs::Stage stage = job_ ? job_->stage() : jobs::Stage::None;
    const Stages* texts = &kReading;
    if (kind_ == "write") {
        texts = &kWriting;
    } else if (kind_ == "checkedWrite") {
        texts = stage == jobs::Stage::Write      ? &kWriting
                : stage == jobs::Stage::ReadBack ? &kReadingBack
                                                 : &kReadingFirst;
    } else if (kind_ == "restore") {
        texts = stage == jobs::Stage::ReadBack ? &kReadingBack : &kRestoring;
    }
    const TextWords words = WordsIn(lang);
    val out = val::object();
    out.set("title", words(texts->title));
    out.set("label", words(texts->label));
    return out;
}

std::string Transfer::message(const std::string& lang, const std::string& port) const {
    if (!job_ || !job_->finished()) return {};
    const jobs::Outcome& outcome = job_->outcome();
    if (outcome.ok()) {
        const jobs::Done done = kind_ == "read"           ? jobs::Done::Read
                                : kind_ == "write"        ? jobs::Done::Write
                                : kind_ == "checkedWrite" ? jobs::Done::CheckedWrite
                                                          : jobs::Done::Restore;
        return Say(jobs::DoneSentence(done), lang);
    }
    if (kind_ == "restore") return Say(jobs::RestoreProblem(outcome), lang);
    if (offersBackup()) return Say(jobs::CheckedWriteProblem(outcome), lang);
    // Declined at the decision: nothing was written, and nothing to say unless the backup
    // could not be kept (the page says why).
    if (outcome.stage == jobs::Stage::Decision) return {};
    return Say(jobs::FailureMessage(outcome, port), lang);
}

bool Transfer::offersBackup() const {
    if (!checked_ || !checked_->finished() || checked_->outcome().ok()) return false;
    const jobs::Stage stage = checked_->outcome().stage;
    return checked_->writeBegan() &&
           (stage == jobs::Stage::Write || stage == jobs::Stage::ReadBack);
}

val Transfer::image() const {
    if (read_ && read_->finished() && read_->outcome().ok())
        return Uint8Array(read_->image().data(), kConfigSize);
    return Uint8Array(nullptr, 0);
}

val Transfer::backup() const {
    if (!checked_ || !checked_->hasBackup()) return Uint8Array(nullptr, 0);
    return Uint8Array(checked_->backup().data(), kConfigSize);
}

void Transfer::backupKept(bool kept) {
    backupKept_ = kept;
    if (!kept && checked_ && checked_->awaitingDecision())
        jobs::DecideAfterBackup(*checked_, false, {});
}

void Transfer::decide(bool write) {
    if (!checked_ || !checked_->awaitingDecision()) return;
    jobs::DecideAfterBackup(*checked_, backupKept_, [write] { return write; });
}

val Transfer::changes(const std::string& lang, const std::string& backupName) const {
    val out = val::object();
    if (!checked_ || !checked_->hasBackup()) return out;
    const TextWords words = WordsIn(lang);
    const auto changes =
        compare::CompareImages(checked_->backup(), checked_->expectedAfter(), words);
    std::vector<std::string> titles;
    for (const Text& title : compare::ChangeTitles()) titles.push_back(words(title));
    val rows = val::array();
    for (const compare::ChangeRow& row : compare::ChangeRows(changes)) {
        std::vector<std::string> cells;
        for (const Message& cell : compare::ChangeCells(row)) cells.push_back(Say(cell, lang));
        rows.call<void>("push", Strings(cells));
    }
    out.set("titles", Strings(titles));
    out.set("rows", rows);
    out.set("title", words(TALVO_TEXT("ChangeListWindow", "Changes to Write")));
    out.set("intro", Say(Message(TALVO_TEXT("ChangeListWindow",
                                            "What the radio held is kept in the backup "
                                            "%1.\nWriting will make these changes:"),
                                 {Message::Literal(backupName)}),
                         lang));
    out.set("noChange", words(compare::NoChangeText()));
    out.set("count", words(Counted(TALVO_PLURAL("ChangeListWindow", "%n changes", "%n change"),
                                   static_cast<int>(changes.size()))));
    out.set("table", words(TALVO_TEXT("ChangeListWindow", "Changes")));
    out.set("write", WithoutAccelerator(words(TALVO_TEXT("ChangeListWindow", "&Write"))));
    out.set("cancel", words(TALVO_TEXT("ChangeListWindow", "Cancel")));
    return out;
}

namespace {

// The question after a checked write that broke off or does not verify.
std::string OfferBackupText(const std::string& problem, const std::string& backupName,
                            const std::string& lang) {
    return problem + "\n\n" +
           Say(Message(TALVO_TEXT("CheckedWrite",
                                  "What the radio held before is kept in the "
                                  "backup:\n%1\n\nWrite the backup back to the radio now?"),
                       {Message::Literal(backupName)}),
               lang);
}

std::string RestoreQuestion(const std::string& backupName, const std::string& lang) {
    return Say(Message(TALVO_TEXT("WebTransfer",
                                  "Write the backup of %1 back to the radio and verify it? What "
                                  "the radio holds now is replaced."),
                       {Message::Literal(backupName)}),
               lang);
}

std::string BackupNotSaved(const std::string& detail, const std::string& lang) {
    return Say(TALVO_TEXT("TransferController", "The backup could not be saved: "), lang) +
           VisibleText(detail);
}

}  // namespace

EMSCRIPTEN_BINDINGS(talvo_transfer) {
    using namespace emscripten;
    function("transferWords", &TransferWords);
    function("portFailure", &PortFailure);
    function("cableFilters", &CableFilters);
    function("portLabel", &PortLabel);
    function("backupSummary", &BackupSummary);
    function("dataFileOf", &DataFileOf);
    function("offerBackupText", &OfferBackupText);
    function("backupNotSaved", &BackupNotSaved);
    function("restoreQuestion", &RestoreQuestion);
    function("cooldownMs", &CooldownMs);
    function("tickMs", &TickMs);
    class_<Transfer>("Transfer")
        .constructor<std::string, Document&, val>()
        .function("valid", &Transfer::valid)
        .function("start", &Transfer::start)
        .function("feed", &Transfer::feed)
        .function("tick", &Transfer::tick)
        .function("cancel", &Transfer::cancel)
        .function("lineFailed", &Transfer::lineFailed)
        .function("takeOutput", &Transfer::takeOutput)
        .function("progress", &Transfer::progress)
        .function("stageTexts", &Transfer::stageTexts)
        .function("message", &Transfer::message)
        .function("offersBackup", &Transfer::offersBackup)
        .function("image", &Transfer::image)
        .function("backup", &Transfer::backup)
        .function("backupKept", &Transfer::backupKept)
        .function("decide", &Transfer::decide)
        .function("changes", &Transfer::changes);
    class_<Line>("Line")
        .constructor<>()
        .function("opened", &Line::opened)
        .function("heard", &Line::heard)
        .function("jobEnded", &Line::jobEnded)
        .function("settleTicks", &Line::settleTicks);
}

}  // namespace talvo::web

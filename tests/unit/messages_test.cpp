// The core's messages (outcomes, fleet texts, exchange notes and reports, file and port
// statuses) in every shipped catalogue: each reads as words, with every marker filled.
#include <gtest/gtest.h>

#include <regex>

#include "catalogue_words.h"
#include "exchange/channel_import.h"
#include "exchange/exchange_notes.h"
#include "fleet/fleet_texts.h"
#include "jobs/outcome_words.h"

namespace talvo {
namespace {

using jobs::Outcome;

// Every message the core builds for a person, one of each kind (with values where it takes
// them).
std::vector<Message> EveryMessage() {
    std::vector<Message> all;
    for (int s = static_cast<int>(Status::Ok); s <= static_cast<int>(Status::RefusedByRadio); ++s) {
        all.push_back(StatusMessage(static_cast<Status>(s)));
        all.push_back(StatusMessage(static_cast<Status>(s), "/tmp/a.dat"));
    }
    for (int k = static_cast<int>(Outcome::Kind::Success);
         k <= static_cast<int>(Outcome::Kind::VerifyMismatch); ++k) {
        for (const jobs::Fault fault :
             {jobs::Fault::WrongIdentification, jobs::Fault::UnexpectedReply}) {
            for (const std::size_t count : {std::size_t{1}, std::size_t{7}}) {
                Outcome o;
                o.kind = static_cast<Outcome::Kind>(k);
                o.step = 12;
                o.reason = Status::PortCannotOpen;
                o.detail = "(busy)";
                o.fault = fault;
                o.firstAddress = 0x97;
                o.count = count;
                if (o.kind != Outcome::Kind::Success) {
                    all.push_back(jobs::OutcomeSentence(o));
                    all.push_back(jobs::OutcomeLine(o));
                }
                all.push_back(jobs::StoppedAtSentence(o));
                o.lastBlockSent = 0x120;
                all.push_back(jobs::StoppedAtSentence(o));
            }
        }
    }
    for (const jobs::VerifyMatch m : {jobs::VerifyMatch::FileBytes, jobs::VerifyMatch::WriteImage})
        all.push_back(jobs::MatchSentence(m));
    for (const jobs::Stage s : {jobs::Stage::Identify, jobs::Stage::Read, jobs::Stage::Backup,
                                jobs::Stage::Write, jobs::Stage::ReadBack})
        all.push_back(jobs::StageName(s));
    for (const jobs::FleetOutcome o : jobs::kAllFleetOutcomes)
        all.push_back(jobs::FleetOutcomeText(o));
    all.push_back(fleet::CalibrationKeptText());
    for (int k = 0; k <= static_cast<int>(fleet::RowsProblem::Kind::CommentRow); ++k) {
        for (const char* made : {"", "ABC"}) {
            all.push_back(fleet::RowsProblemText(
                {static_cast<fleet::RowsProblem::Kind>(k), 4, {"Beep", "loud", made}}));
        }
    }
    ImportRow row;
    row.line = 9;
    row.channel = 3;
    row.fate = RowFate::Adjusted;
    for (int k = 0; k <= static_cast<int>(NoteKind::ExportPowerUnknown); ++k) {
        for (const char* band : {"", "B"}) {
            const ExchangeNote note{static_cast<NoteKind>(k), {"145.5", "1", band}};
            all.push_back(NoteText(note));
            row.notes.push_back(note);
        }
    }
    all.push_back(ImportRowReport(row));
    return all;
}

TEST(Messages, EveryMessageReadsAsWordsInEveryCatalogue) {
    const std::regex leftover(R"(%[1-9]|\{[0-9]\})");
    const std::vector<Message> messages = EveryMessage();
    ASSERT_GT(messages.size(), 150u);
    for (const std::string& code : ShippedCatalogues()) {
        const TextWords words = WordsOfCatalogue(code);
        for (const Message& m : messages) {
            const std::string text = Compose(m, words);
            EXPECT_FALSE(text.empty()) << code << ": " << Compose(m, WordsOfCatalogue("en"));
            EXPECT_FALSE(std::regex_search(text, leftover)) << code << ": " << text;
        }
    }
}

// A sentence and the one after it: a space between them, none in Chinese.
TEST(Messages, SentencesFollowOneAnotherAsTheLanguageWrites) {
    Outcome refused;
    refused.kind = Outcome::Kind::Refused;
    EXPECT_EQ(Render(jobs::OutcomeLine(refused), kEnglish),
              "Communication error, check the line and the serial connection selection! The "
              "radio refused the written data.");
    const std::string zh = Render(jobs::OutcomeLine(refused), kChinese);
    EXPECT_EQ(zh, Render(StatusMessage(Status::TimedOut), kChinese) +
                      Render(StatusMessage(Status::RefusedByRadio), kChinese));
}

}  // namespace
}  // namespace talvo

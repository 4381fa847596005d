#include "rules/column_edit_report.h"

#include <map>

namespace talvo {

const Text& RefusalText(EditRefusal reason) {
    static const Text free{
        TALVO_TEXT("GridToolTexts", "Free channel (enter its receive frequency first)")};
    // The words typing shows for the same fault.
    static const Text band{TALVO_TEXT("GridToolTexts", "Beyond the scope of frequency band")};
    static const Text tooLong{TALVO_TEXT("GridToolTexts", "Name longer than 5 characters")};
    static const Text characters{
        TALVO_TEXT("GridToolTexts", "Name holds a character names cannot hold")};
    static const Text noEntry{TALVO_TEXT("GridToolTexts", "Words that are no entry of the list")};
    switch (reason) {
        case EditRefusal::FreeChannel:
            return free;
        case EditRefusal::OutOfBand:
            return band;
        case EditRefusal::NameTooLong:
            return tooLong;
        case EditRefusal::NameCharacters:
            return characters;
        case EditRefusal::NoSuchEntry:
            return noEntry;
    }
    return free;
}

std::vector<Message> ColumnEditReport(const ColumnValue& value, const ColumnEditResult& result) {
    if (result.refused.empty()) return {};
    std::map<EditRefusal, ChannelList> byReason;
    for (const ChannelRefusal& r : result.refused) byReason[r.reason].push_back(r.channel);
    const auto taken = static_cast<int>(result.changed.size() + result.unchanged.size());
    const Text set = TALVO_PLURAL("GridTools", "%1 set on %n channels.", "%1 set on %n channel.");
    std::vector<Message> lines;
    lines.push_back(Message(Counted(set, taken), {ColumnHeader(value.column)}));
    lines.push_back(TALVO_TEXT("GridTools", "These channels were left as they were:"));
    for (const auto& [reason, channels] : byReason) {
        lines.push_back(Message::Join("%1%2%3", {RefusalText(reason), TALVO_TEXT("GridTools", ": "),
                                                 Message::Literal(ChannelRangesText(channels))}));
    }
    return lines;
}

}  // namespace talvo

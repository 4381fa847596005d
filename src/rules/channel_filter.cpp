#include "rules/channel_filter.h"

#include <algorithm>
#include <string>

#include "radio/fields/channel_fields.h"

namespace talvo {
namespace {

char Folded(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// The name cell holds one byte per character (Latin-1); the needle is UTF-8.
std::string Utf8FromLatin1(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out.push_back(c);
        } else {
            out.push_back(static_cast<char>(0xC0 | (b >> 6)));
            out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
        }
    }
    return out;
}

bool Contains(std::string_view haystack, std::string_view foldedNeedle) {
    if (foldedNeedle.size() > haystack.size()) return false;
    for (std::size_t at = 0; at + foldedNeedle.size() <= haystack.size(); ++at) {
        std::size_t k = 0;
        while (k < foldedNeedle.size() && Folded(haystack[at + k]) == foldedNeedle[k]) ++k;
        if (k == foldedNeedle.size()) return true;
    }
    return false;
}

bool RowContains(const ChannelStores& stores, int channel, std::string_view foldedNeedle,
                 const TextWords& words) {
    const Channel& c = stores.at(channel);
    for (const ChannelField& field : ChannelFields()) {
        if (field.kind == FieldKind::Name) continue;
        if (Contains(ChannelCellText(c, field.column, words), foldedNeedle)) return true;
    }
    const std::string& name = c.name;
    const bool ascii =
        std::all_of(name.begin(), name.end(), [](char c) { return (c & 0x80) == 0; });
    return Contains(ascii ? name : Utf8FromLatin1(name), foldedNeedle);
}

std::string FoldedNeedle(std::string_view text) {
    std::string needle(Trimmed(text));
    for (char& c : needle) c = Folded(c);
    return needle;
}

}  // namespace

bool ChannelShowsText(const ChannelStores& stores, int channel, std::string_view text,
                      const TextWords& words) {
    if (channel < 1 || channel > kChannelCount) return false;
    const std::string needle = FoldedNeedle(text);
    return needle.empty() || RowContains(stores, channel, needle, words);
}

ChannelList ChannelsShowingText(const ChannelStores& stores, std::string_view text,
                                const TextWords& words) {
    const std::string needle = FoldedNeedle(text);
    ChannelList found;
    for (int ch = 1; ch <= kChannelCount; ++ch) {
        if (needle.empty() || RowContains(stores, ch, needle, words)) found.push_back(ch);
    }
    return found;
}

}  // namespace talvo

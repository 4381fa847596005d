#include "radio/state/tone_list.h"

#include <array>
#include <vector>

namespace talvo {
namespace {

constexpr std::array<const char*, kCtcssCount> kCtcss = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

constexpr std::array<const char*, kDcsCount> kDcs = {
    "017", "023", "025", "026", "031", "032", "036", "043", "047", "050", "051", "053",
    "054", "065", "071", "072", "073", "074", "114", "115", "116", "122", "125", "131",
    "132", "134", "143", "145", "152", "155", "156", "162", "165", "172", "174", "205",
    "212", "223", "225", "226", "243", "244", "245", "246", "251", "252", "255", "261",
    "263", "265", "266", "271", "274", "306", "311", "315", "325", "331", "332", "343",
    "346", "351", "356", "364", "365", "371", "411", "412", "413", "423", "431", "432",
    "445", "446", "452", "454", "455", "462", "464", "465", "466", "503", "506", "516",
    "523", "526", "532", "546", "565", "606", "612", "624", "627", "631", "632", "645",
    "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

const Text kOff{TALVO_TEXT("ToneList", "Off")};

const std::vector<std::string>& FixedEntries() {
    static const std::vector<std::string> entries = [] {
        std::vector<std::string> v;
        v.reserve(kToneCount);
        v.emplace_back();  // entry 0 depends on the language
        for (const char* t : kCtcss) v.emplace_back(t);
        for (const char* d : kDcs) v.push_back(std::string("D") + d + "N");
        for (const char* d : kDcs) v.push_back(std::string("D") + d + "I");
        return v;
    }();
    return entries;
}

}  // namespace

const std::string& FixedToneText(int index) {
    static const std::string empty;
    if (index < 1 || index >= kToneCount) return empty;
    return FixedEntries()[static_cast<std::size_t>(index)];
}

Message ToneName(int index) {
    if (index == 0) return kOff;
    return Message::Literal(FixedToneText(index));
}

const Text& ToneOffText() {
    return kOff;
}

const char* CtcssText(int i) {
    return kCtcss.at(static_cast<std::size_t>(i));
}
const char* DcsDigits(int i) {
    return kDcs.at(static_cast<std::size_t>(i));
}

std::string DecodeTone(std::uint8_t low, std::uint8_t high) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const char h0 = kHex[high >> 4], h1 = kHex[high & 0x0F];
    const char l0 = kHex[low >> 4], l1 = kHex[low & 0x0F];
    if (h0 == '8' || h0 == 'C') return {'D', h1, l0, l1, h0 == '8' ? 'N' : 'I'};
    std::string text;
    if (high >= 0x10) text += h0;  // hexadecimal of the high byte without a leading zero
    text += h1;
    if (low < 0x10) return text + "0." + l1;
    return text + l0 + "." + l1;
}

}  // namespace talvo

// The channel field table against what the program does with channels: every value a field
// shows reads back as the same value in every shipped language, and every field owns exactly
// the memory its entry names.
#include "radio/fields/channel_fields.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "catalogue_words.h"
#include "radio/codecs/encode.h"
#include "radio/memory/memory_layout.h"
#include "radio/state/program_state.h"

namespace talvo {
namespace {

// A channel every field can show: frequencies inside the first band, on its raster, list
// indexes with an entry, a name the name editor takes.
Channel RandomChannel(std::mt19937& rng) {
    const auto pick = [&](int below) {
        return std::uniform_int_distribution<int>(0, below - 1)(rng);
    };
    Channel c;
    // 5 kHz steps from 136 MHz, in 10 Hz units.
    c.rx = Frequency::FromTenHz(13'600'000 + 500 * pick(7'800));
    c.tx = Frequency::FromTenHz(40'000'000 + 625 * pick(11'000));
    for (const ChannelField& field : ChannelFields()) {
        if (field.kind == FieldKind::Tone || field.kind == FieldKind::List) {
            c.optionOf(field.column) = static_cast<std::int16_t>(pick(EntryCount(field)));
        }
    }
    const std::string allowed = "#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`";
    const int length = pick(static_cast<int>(kNameEntryLength) + 1);
    for (int k = 0; k < length; ++k)
        c.name += allowed[static_cast<std::size_t>(pick(static_cast<int>(allowed.size())))];
    return c;
}

// The field's value in `c` as parsing gives it.
bool SameValue(const ChannelField& field, const FieldText& parsed, const Channel& c) {
    switch (field.kind) {
        case FieldKind::Frequency:
            return parsed.frequency == (field.column == kColRxFreq ? c.rx : c.tx);
        case FieldKind::Name:
            return parsed.name == c.name;
        case FieldKind::Tone:
        case FieldKind::List:
            return parsed.index == c.optionOf(field.column);
    }
    return false;
}

TEST(ChannelFields, EveryValueReadsBackFromItsWordsInEveryLanguage) {
    std::vector<TextWords> languages;
    for (const std::string& code : ShippedCatalogues()) languages.push_back(WordsOfCatalogue(code));
    ASSERT_GE(languages.size(), 3u);
    BandState band;
    std::mt19937 rng(27);
    for (int round = 0; round < 200; ++round) {
        const Channel c = RandomChannel(rng);
        for (const ChannelField& field : ChannelFields()) {
            for (const TextWords& words : languages) {
                const std::string shown = ChannelCellText(c, field.column, words);
                const FieldText parsed = ParseFieldText(field, band, shown, languages);
                ASSERT_FALSE(parsed.refusal) << field.key << " \"" << shown << "\"";
                ASSERT_TRUE(SameValue(field, parsed, c)) << field.key << " \"" << shown << "\"";
            }
        }
    }
}

TEST(ChannelFields, TextsThatAreNoValueAreRefused) {
    const std::vector<TextWords> english{WordsIn(kEnglish)};
    BandState band;
    const auto refusal = [&](int column, std::string_view text) {
        return ParseFieldText(*FieldOfColumn(column), band, text, english).refusal;
    };
    EXPECT_EQ(refusal(kColRxFreq, "520.00000"), EditRefusal::OutOfBand);
    EXPECT_EQ(refusal(kColTxFreq, "145.1.2"), EditRefusal::OutOfBand);
    EXPECT_FALSE(refusal(kColRxFreq, ""));  // empty: no frequency, no refusal
    EXPECT_EQ(refusal(kColName, "ABCDEF"), EditRefusal::NameTooLong);
    EXPECT_EQ(refusal(kColName, "A B"), EditRefusal::NameCharacters);
    EXPECT_EQ(refusal(kColPower, "Loud"), EditRefusal::NoSuchEntry);
    EXPECT_EQ(refusal(kColQtDqtDec, "67.1"), EditRefusal::NoSuchEntry);
    EXPECT_FALSE(refusal(kColQtDqtDec, "d023n"));  // letters in any case
}

// The bytes of `image` that differ from `other`, as (address, differing bits).
std::vector<std::pair<std::size_t, std::uint8_t>> Differences(const ImageBytes& image,
                                                              const ImageBytes& other) {
    std::vector<std::pair<std::size_t, std::uint8_t>> out;
    for (std::size_t a = 0; a < image.size(); ++a) {
        if (image[a] != other[a])
            out.emplace_back(a, static_cast<std::uint8_t>(image[a] ^ other[a]));
    }
    return out;
}

TEST(ChannelFields, EachFieldOwnsExactlyTheMemoryItsEntryNames) {
    std::mt19937 rng(128);
    for (int round = 0; round < 100; ++round) {
        const int number = std::uniform_int_distribution<int>(1, kChannelCount)(rng);
        ProgramState before;
        before.channels.at(number) = RandomChannel(rng);
        EncodeImage(before);
        for (const ChannelField& field : ChannelFields()) {
            ProgramState after = before;
            Channel& c = after.channels.at(number);
            Channel other = RandomChannel(rng);
            switch (field.kind) {
                case FieldKind::Frequency:
                    (field.column == kColRxFreq ? c.rx : c.tx) = other.rx;
                    break;
                case FieldKind::Name:
                    c.name = other.name;
                    break;
                default:
                    c.optionOf(field.column) = other.optionOf(field.column);
                    break;
            }
            EncodeImage(after);
            const std::size_t record = field.place.record == FieldPlace::Record::Channel
                                           ? layout::ChannelRecord(number)
                                           : layout::NameRecord(number);
            const std::size_t first = record + field.place.offset;
            const std::size_t last = first + field.place.bytes - 1;
            for (const auto& [address, bits] :
                 Differences(after.EncodedImage, before.EncodedImage)) {
                ASSERT_GE(address, first) << field.key;
                ASSERT_LE(address, last) << field.key;
                if (address == last) {
                    ASSERT_EQ(bits & ~field.place.mask, 0) << field.key;
                }
            }
            if (!(after.channels.at(number) == before.channels.at(number))) {
                ASSERT_NE(after.EncodedImage, before.EncodedImage) << field.key;
            }
        }
    }
}

}  // namespace
}  // namespace talvo

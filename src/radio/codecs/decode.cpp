#include "radio/codecs/decode.h"

#include <span>
#include <string>

#include "radio/codecs/codecs.h"
#include "radio/codecs/function_settings.h"
#include "radio/memory/memory_layout.h"
#include "radio/state/tone_list.h"

namespace talvo {
namespace {

namespace L = layout;

std::span<const std::uint8_t, 4> Four(const ImageBytes& image, std::size_t address) {
    return std::span<const std::uint8_t, 4>(image.data() + address, 4);
}

// Sets a list field as if the user had chosen the entry; an index the list does not have
// cannot be chosen and leaves the field as it was.
void SetListIndex(OptionalFeatures& options, ListId id, int index) {
    if (index >= 0 && index < ListSize(id)) options[id] = index;
}

int Bits(std::uint8_t byte, int shift, int width) {
    return (byte >> shift) & ((1 << width) - 1);
}

// One tone of a channel record into list slot `slot`. Erased bytes are "Off"; a code the list
// does not have is kept as "Off" too, and the row shows its code until it is drawn afresh.
void DecodeChannelTone(const ImageBytes& image, Channel& channel, std::size_t address,
                       std::size_t slot) {
    const std::uint8_t low = image[address], high = image[address + 1];
    if (low == 0xFF) return;
    const int index = FindToneCode(low, high);
    channel.option[slot] = static_cast<std::int16_t>(index);
    if (index == 0) channel.unlistedTone[slot] = static_cast<std::uint16_t>(low | high << 8);
}

std::uint32_t Word(const ImageBytes& image, std::size_t address) {
    return static_cast<std::uint32_t>(image[address]) | image[address + 1] << 8 |
           image[address + 2] << 16 | static_cast<std::uint32_t>(image[address + 3]) << 24;
}

void DecodeFunctionSettings(ProgramState& state) {
    const ImageBytes& image = state.RadioImage;
    OptionalFeatures& options = state.options;
    for (const ByteSetting& s : kByteSettings) {
        const int byte = image[s.address];
        SetListIndex(options, s.id, byte < s.readLimit ? byte : s.readDefault);
    }
    for (const auto& [address, id] : {std::pair{L::kAChannelNumber, TextId::AChannelNumber},
                                      std::pair{L::kBChannelNumber, TextId::BChannelNumber}}) {
        const int byte = image[address];
        options[id] = byte < 129 ? std::to_string(byte) : std::string();
    }
    for (const BitSetting& s : kBitSettings) {
        SetListIndex(options, s.id, Bits(image[s.address], s.shift, s.width));
    }
    options[CheckId::ProhibitVoxInReceiving] = Bits(image[L::kVoxBits], kProhibitVoxBit, 1) == 1;
}

void DecodeVfo(ProgramState& state, const VfoSettings& vfo) {
    const ImageBytes& image = state.RadioImage;
    OptionalFeatures& options = state.options;
    const std::size_t base = vfo.address;
    // A VFO is never empty: erased bytes read as the text FFF.FFFFF.
    options[vfo.frequency] = UnpackFrequency(Four(image, base + L::kVfoFrequency));
    options[vfo.offsetData] = UnpackOffset(Four(image, base + L::kVfoOffsetData));
    const auto tone = [&](std::size_t offset) {
        return FindToneCode(image[base + offset], image[base + offset + 1]);
    };
    SetListIndex(options, vfo.rxTone, tone(L::kVfoRxTone));
    SetListIndex(options, vfo.txTone, tone(L::kVfoTxTone));
    // Power value 3 has no list entry: the field keeps its value, like any index a list lacks.
    for (const BitSetting& f : vfo.flags) {
        SetListIndex(options, f.id, Bits(image[base + L::kVfoFlags], f.shift, f.width));
    }
    SetListIndex(options, vfo.shiftDirection, image[base + L::kVfoShiftDirection]);
}

void DecodeFm(ProgramState& state) {
    const ImageBytes& image = state.RadioImage;
    for (std::size_t k = 0; k < L::kFmChannelCount; ++k) {
        const std::size_t address = L::kFmChannels + 2 * k;
        const std::string text = DecodeFmFrequency(image[address], image[address + 1]);
        state.fm.FmChannelText[k] = text;
        state.fmWindow.gridCell[k] = text;
    }
    const std::uint8_t present = image[L::kFmPresentChannel];
    state.fm.PresentChannel = present;
    state.fmWindow.presentChannelText = std::to_string(present);
    // A list index the window's list does not have cannot be chosen: record and window keep theirs.
    const int display = image[L::kFmDisplayMode];
    if (display < static_cast<int>(FmDisplayModeList().size())) {
        state.fm.DisplayMode = display;
        state.fmWindow.displayMode = display;
    }
    const int step = image[L::kFmStepFrequency];
    if (step < static_cast<int>(FmStepList().size())) {
        state.fm.StepFrequency = step;
        state.fmWindow.stepFrequency = step;
    }
    state.fm.Vfo = DecodeFmFrequency(image[L::kFmVfo], image[L::kFmVfo + 1]);
    state.fmWindow.vfoText = state.fm.Vfo;
}

}  // namespace

void SetNumOf(ProgramState& state) {
    const ImageBytes& image = state.RadioImage;
    auto& stores = state.channels;
    for (int n = 1; n <= kChannelCount; ++n) {
        const std::size_t base = L::ChannelRecord(n);
        ClearNO(stores, n);
        if (image[base + L::kChRxFrequency] == 0xFF) continue;
        Channel& channel = stores.at(n);
        channel.rx = Frequency::FromDigits(Word(image, base + L::kChRxFrequency));
        if (image[base + L::kChTxFrequency] != 0xFF) {
            channel.tx = Frequency::FromDigits(Word(image, base + L::kChTxFrequency));
        }
        DecodeChannelTone(image, channel, base + L::kChRxTone, 0);
        DecodeChannelTone(image, channel, base + L::kChTxTone, 1);

        // Flags: power (two bits; 3 has no list entry and is kept, so it is written back
        // unchanged), busy lock, add scan, wide/narrow, TX prohibit.
        const std::uint8_t flags = image[base + L::kChFlags];
        const std::array<int, 5> values = {Bits(flags, 0, 2), Bits(flags, 2, 1), Bits(flags, 3, 1),
                                           Bits(flags, 4, 1), Bits(flags, 5, 1)};
        for (std::size_t k = 0; k < values.size(); ++k) {
            channel.option[k + 2] = static_cast<std::int16_t>(values[k]);
        }
    }
}

void DecodeImage(ProgramState& state) {
    const ImageBytes& image = state.RadioImage;
    SetNumOf(state);
    DecodeFunctionSettings(state);
    // Selected without the band question; an index outside the band list changes nothing.
    state.band.select(image[L::kBand]);
    state.options[TextId::DisplayCharacter] = DecodeCharacters(std::span<const std::uint8_t>(
        image.data() + L::kDisplayCharacter, L::kDisplayCharacterSize));
    for (const VfoSettings& vfo : kVfoSettings) DecodeVfo(state, vfo);
    state.options[TextId::PowerOnPasswordDigits] = DecodeCharacters(
        std::span<const std::uint8_t>(image.data() + L::kPassword, L::kPasswordSize));
    DecodeFm(state);
    for (std::size_t s = 0; s < kPowerGradeAddress.size(); ++s) {
        state.powerGrades[s] = image[kPowerGradeAddress[s]];
    }
    for (int n = 1; n <= kChannelCount; ++n) {
        const std::size_t base = L::NameRecord(n);
        std::string name(image.begin() + static_cast<std::ptrdiff_t>(base),
                         image.begin() + static_cast<std::ptrdiff_t>(base + L::kNameSize));
        state.channels.at(n).name = StripFillers(name);
    }
}

}  // namespace talvo

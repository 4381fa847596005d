#include "radio/codecs/decode.h"

#include <span>
#include <string>

#include "radio/codecs/codecs.h"
#include "radio/codecs/function_settings.h"
#include "radio/memory/memory.h"
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

// Every setting of the options table from the place the table gives it.
void DecodeSettings(ProgramState& state) {
    using Form = SettingPlace::Form;
    const ImageBytes& image = state.RadioImage;
    OptionalFeatures& options = state.options;
    for (std::size_t i = 0; i < kListCount; ++i) {
        const auto id = static_cast<ListId>(i);
        const SettingPlace& p = Info(id).place;
        if (!p.read) continue;
        switch (p.form) {
            case Form::Byte: {
                const int byte = image[p.address];
                SetListIndex(options, id, byte < p.readLimit ? byte : p.readDefault);
                break;
            }
            case Form::Bits:
                SetListIndex(options, id, Bits(image[p.address], p.shift, p.width));
                break;
            case Form::Tone:
                SetListIndex(options, id, FindToneCode(image[p.address], image[p.address + 1]));
                break;
            default:
                break;
        }
    }
    for (std::size_t i = 0; i < kTextCount; ++i) {
        const TextInfo& info = Info(static_cast<TextId>(i));
        const SettingPlace& p = info.place;
        const auto slot = static_cast<std::size_t>(info.slot);
        switch (p.form) {
            case Form::ChannelNumber:
                // A byte beyond the last channel reads as none.
                options.channelNumber[slot].reset();
                if (image[p.address] <= kChannelCount)
                    options.channelNumber[slot] = image[p.address];
                break;
            case Form::Frequency:
                // Never empty: erased bytes read as FFF.FFFFF.
                options.vfoFrequency[slot] = Frequency::FromDigits(Word(image, p.address));
                break;
            case Form::Offset:
                options.vfoOffset[slot] = UnpackOffset(Four(image, p.address));
                break;
            case Form::Characters:
                options.characters[slot] = DecodeCharacters(
                    std::span<const std::uint8_t>(image.data() + p.address, p.size));
                break;
            default:
                break;
        }
    }
    for (std::size_t i = 0; i < kCheckCount; ++i) {
        const SettingPlace& p = Info(static_cast<CheckId>(i)).place;
        if (p.form == Form::Bits) options.check[i] = Bits(image[p.address], p.shift, p.width) == 1;
    }
}

void DecodeFm(ProgramState& state) {
    const ImageBytes& image = state.RadioImage;
    for (std::size_t k = 0; k < L::kFmChannelCount; ++k) {
        const std::size_t address = L::kFmChannels + 2 * k;
        const FmFrequency frequency = DecodeFmFrequency(image[address], image[address + 1]);
        state.fm.channel[k] = frequency;
        state.fmWindow.cell[k] = frequency;
    }
    const std::uint8_t present = image[L::kFmPresentChannel];
    state.fm.PresentChannel = present;
    state.fmWindow.presentChannel = present;
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
    state.fm.vfo = DecodeFmFrequency(image[L::kFmVfo], image[L::kFmVfo + 1]);
    state.fmWindow.vfo = state.fm.vfo;
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
    DecodeSettings(state);
    // Selected without the band question; an index outside the band list changes nothing.
    state.band.select(image[L::kBand]);
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

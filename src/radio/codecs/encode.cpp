#include "radio/codecs/encode.h"

#include <optional>
#include <string>
#include <unordered_map>

#include "radio/codecs/codecs.h"
#include "radio/codecs/function_settings.h"
#include "radio/memory/memory_layout.h"
#include "radio/state/tone_list.h"

namespace talvo {
namespace {

namespace L = layout;

// EncodeTone of every language-independent tone list entry, worked out once: nearly every
// tone text the encoder meets is one of them.
const std::array<std::uint8_t, 2>* ListToneCode(std::string_view text) {
    static const std::unordered_map<std::string_view, std::array<std::uint8_t, 2>> codes = [] {
        std::unordered_map<std::string_view, std::array<std::uint8_t, 2>> m;
        for (int i = 1; i < kToneCount; ++i) {
            const std::string_view name = FixedToneText(i);
            const std::string code = EncodeTone(name);
            const auto low = ParseHexPair(std::string_view(code).substr(0, 2));
            const auto high = ParseHexPair(std::string_view(code).substr(2));
            if (low && high) m.emplace(name, std::array<std::uint8_t, 2>{*low, *high});
        }
        return m;
    }();
    const auto it = codes.find(text);
    return it == codes.end() ? nullptr : &it->second;
}

// Writes into EncodedImage. A value that does not fit where it goes is not written: the
// bytes (or bits) keep their earlier content and encoding goes on.
class ImageWriter {
  public:
    explicit ImageWriter(ImageBytes& image) : image_(image) {}

    void byte(std::size_t address, long long value) {
        if (value >= 0 && value <= 0xFF) image_[address] = static_cast<std::uint8_t>(value);
    }
    void byte(std::size_t address, std::optional<std::uint8_t> value) {
        if (value) image_[address] = *value;
    }
    void fill(std::size_t address, std::size_t count, std::uint8_t value = 0xFF) {
        for (std::size_t i = 0; i < count; ++i) image_[address + i] = value;
    }
    // `value` into `width` bits from bit `shift`; a value outside those bits (an editable list
    // without a selection, -1) leaves them, so it cannot spill into the neighbouring settings.
    void bits(std::size_t address, int value, int shift, int width) {
        const int mask = (1 << width) - 1;
        if (value < 0 || value > mask) return;
        image_[address] =
            static_cast<std::uint8_t>((image_[address] & ~(mask << shift)) | (value << shift));
    }
    void setBits(std::size_t address, std::uint8_t mask) { image_[address] |= mask; }

    // The four hexadecimal digits of a tone code: low byte, then high byte.
    void tone(std::size_t address, std::string_view text) {
        if (const auto* known = ListToneCode(text)) {
            image_[address] = (*known)[0];
            image_[address + 1] = (*known)[1];
            return;
        }
        const std::string code = EncodeTone(text);
        const std::string_view v(code);
        byte(address, ParseHexPair(v.substr(0, std::min<std::size_t>(2, v.size()))));
        byte(address + 1, v.size() > 2 ? ParseHexPair(v.substr(2)) : std::nullopt);
    }
    // Four bytes, least significant first.
    void word(std::size_t address, std::uint32_t value) {
        for (std::size_t k = 0; k < 4; ++k) {
            image_[address + k] = static_cast<std::uint8_t>(value >> (8 * k));
        }
    }
    // One byte per character, FF after the text ends.
    void characters(std::size_t address, std::size_t count, std::string_view text) {
        for (std::size_t k = 0; k < count; ++k) {
            image_[address + k] = k < text.size() ? static_cast<std::uint8_t>(text[k]) : 0xFF;
        }
    }
    // An FM frequency, most significant byte first.
    void fmFrequency(std::size_t address, std::int32_t hundredths) {
        if (const auto bytes = EncodeFmFrequency(hundredths)) {
            image_[address] = (*bytes)[0];
            image_[address + 1] = (*bytes)[1];
        }
    }

  private:
    ImageBytes& image_;
};

void EncodeChannels(const ProgramState& state, ImageWriter& out) {
    for (int n = 1; n <= kChannelCount; ++n) {
        const std::size_t base = L::ChannelRecord(n);
        const Channel& channel = state.channels.at(n);
        if (channel.isFree()) {
            out.fill(base, L::kChannelRecordSize);
            continue;
        }
        out.word(base + L::kChRxFrequency, channel.rx->digits());
        if (channel.tx) {
            out.word(base + L::kChTxFrequency, channel.tx->digits());
        } else {
            out.fill(base + L::kChTxFrequency, 4);
        }
        for (const auto& [slot, offset] :
             {std::pair{0, L::kChRxTone}, std::pair{1, L::kChTxTone}}) {
            const int index = channel.option[static_cast<std::size_t>(slot)];
            if (index == 0) {
                out.fill(base + offset, 2);
            } else {
                out.tone(base + offset, FixedToneText(index));
            }
        }
        const std::size_t flags = base + L::kChFlags;
        out.bits(flags, channel.option[2], 0, 2);
        for (std::size_t k = 3; k <= 6; ++k) {
            out.bits(flags, channel.option[k], static_cast<int>(k) - 1, 1);
        }
        out.setBits(flags, 0xC0);
    }
}

// Every setting of the options table into the place the table gives it, with the constant
// bytes and bits around them.
void EncodeSettings(const ProgramState& state, ImageWriter& out) {
    using Form = SettingPlace::Form;
    const OptionalFeatures& options = state.options;
    for (std::size_t i = 0; i < kListCount; ++i) {
        const auto id = static_cast<ListId>(i);
        const SettingPlace& p = Info(id).place;
        int value = options[id];
        switch (p.form) {
            case Form::Byte:
                out.byte(p.address, value);
                break;
            case Form::Bits:
                // The radio knows three backlight modes; every index above 1 is written "CONT".
                if (id == ListId::BacklightMode && value > 1) value = 2;
                out.bits(p.address, value, p.shift, p.width);
                break;
            case Form::Tone:
                if (value == 0) {
                    out.fill(p.address, 2);
                } else {
                    // Every entry but "Off" (index 0) reads the same in every language.
                    out.tone(p.address, FixedToneText(value));
                }
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
            case Form::ChannelNumber: {
                const auto& number = options.channelNumber[slot];
                out.byte(p.address, number ? *number : std::uint8_t{0xFF});
                break;
            }
            case Form::Frequency:
                out.word(p.address, options.vfoFrequency[slot].digits());
                break;
            case Form::Offset:
                out.word(p.address, Frequency::FromTenHz(options.vfoOffset[slot]).digits());
                break;
            case Form::Characters:
                out.characters(p.address, p.size, options.characters[slot]);
                break;
            default:
                break;
        }
    }
    out.byte(L::kAlwaysOne, 1);
    out.setBits(L::kFunctionBits, kFunctionBitsConstant);
    // ProhibitVoxInReceiving is shown from its bit but always written 1.
    out.setBits(L::kVoxBits, kVoxBitsConstant);
    for (std::size_t k = 0; k < L::kIdentificationSize; ++k) {
        out.byte(L::kIdentification + k, static_cast<unsigned char>(kIdentificationText[k]));
    }
    out.byte(L::kBand, state.band.index);
    out.byte(L::kFill717, 0xFF);
    out.fill(L::kFill71E, 2);
    for (const std::size_t vfo : {L::kVfoA, L::kVfoB}) {
        out.byte(vfo + L::kVfoFill13, 0xFF);
        out.byte(vfo + L::kVfoFill15, 0xFF);
    }
    out.setBits(L::kVfoB + L::kVfoFlags, kVfoBFlagsConstant);
}

void EncodeFm(const ProgramState& state, ImageWriter& out) {
    for (std::size_t k = 0; k < L::kFmChannelCount; ++k) {
        const std::size_t address = L::kFmChannels + 2 * k;
        // The window's cell decides emptiness; the record holds the frequency.
        if (!state.fmWindow.cell[k]) {
            out.fill(address, 2);
        } else if (const FmFrequency& frequency = state.fm.channel[k]) {
            out.fmFrequency(address, *frequency);
        }
    }
    out.byte(L::kFmPresentChannel, state.fm.PresentChannel);
    out.byte(L::kFmDisplayMode, state.fm.DisplayMode);
    out.byte(L::kFmStepFrequency, state.fm.StepFrequency);
    out.byte(L::kFmFill7A3, 0xFF);
    if (!state.fm.vfo || *state.fm.vfo == 0) {
        out.fill(L::kFmVfo, 2);
    } else {
        out.fmFrequency(L::kFmVfo, *state.fm.vfo);
    }
    out.fill(L::kFmStateFiller, L::kPowerB - L::kFmStateFiller);
}

}  // namespace

void EncodeImage(ProgramState& state) {
    ImageWriter out(state.EncodedImage);
    EncodeChannels(state, out);
    out.fill(L::kChannelFiller, L::kFunctionSettings - L::kChannelFiller);
    EncodeSettings(state, out);
    out.fill(L::kPasswordFiller, L::kFmChannels - L::kPasswordFiller);
    EncodeFm(state, out);

    for (std::size_t s = 0; s < kPowerGradeAddress.size(); ++s) {
        out.byte(kPowerGradeAddress[s], state.powerGrades[s]);
    }
    out.byte(L::kPowerBZero, 0x00);
    out.fill(L::kPowerBFiller, L::kPowerA - L::kPowerBFiller);
    out.fill(L::kPowerAFiller, L::kNames - L::kPowerAFiller);

    // The digit pairs of ChannelCode are the name's bytes, FF after its end: written directly.
    for (int n = 1; n <= kChannelCount; ++n) {
        out.characters(L::NameRecord(n), L::kNameSize, state.channels.at(n).name);
    }
}

}  // namespace talvo

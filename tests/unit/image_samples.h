#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "radio/codecs/codecs.h"
#include "radio/memory/memory_layout.h"
#include "radio/state/program_state.h"
#include "radio/state/tone_list.h"

namespace talvo::samples {

inline ImageBytes Filled(std::uint8_t value) {
    ImageBytes image;
    image.fill(value);
    return image;
}

// Four packed bytes of a frequency text ("145.12500" -> 00 25 51 14).
inline void PutFrequency(ImageBytes& image, std::size_t address, const std::string& text) {
    const auto bytes = *PackFrequency(text);
    for (std::size_t i = 0; i < 4; ++i) image[address + i] = bytes[i];
}

// The code bytes (low, high) of tone list entry `index`, FF FF for "Off".
inline void PutTone(ImageBytes& image, std::size_t address, int index) {
    if (index == 0) {
        image[address] = image[address + 1] = 0xFF;
        return;
    }
    const std::string code = EncodeTone(FixedToneText(index));
    image[address] = *ParseHexPair(code.substr(0, 2));
    image[address + 1] = *ParseHexPair(code.substr(2, 2));
}

// An image whose every value lies in the editors' ranges and whose every byte is what the
// encoder would write for it: decoding and encoding it again must give it back unchanged.
class ValidImageMaker {
  public:
    explicit ValidImageMaker(unsigned seed) : rng_(seed) {}

    ImageBytes make() {
        namespace L = layout;
        ImageBytes img = Filled(0xFF);
        for (int n = 1; n <= 128; ++n) {
            if (pick(3) == 0) continue;  // empty channel: 13 FF
            const std::size_t base = L::ChannelRecord(n);
            PutFrequency(img, base, bcd());
            if (pick(4) != 0) PutFrequency(img, base + 4, bcd());
            PutTone(img, base + 8, tone());
            PutTone(img, base + 10, tone());
            img[base + 12] = static_cast<std::uint8_t>(0xC0 | (pick(4) << 0) | (pick(16) << 2));
        }
        const std::uint8_t settings[16] = {byte(2),
                                           1,
                                           byte(8),
                                           byte(2),
                                           byte(10),
                                           channelNumber(),
                                           static_cast<std::uint8_t>(byte(256) | 0x20),
                                           keyBits(),
                                           static_cast<std::uint8_t>(byte(256) | 0x06),
                                           byte(3),
                                           byte(2),
                                           channelNumber(),
                                           byte(16),
                                           byte(8),
                                           byte(2),
                                           byte(8)};
        for (std::size_t i = 0; i < 16; ++i) img[L::kFunctionSettings + i] = settings[i];
        for (std::size_t i = 0; i < 6; ++i)
            img[L::kIdentification + i] = static_cast<std::uint8_t>("RQZ-DW"[i]);
        img[L::kBand] = byte(5);
        characters(img, L::kDisplayCharacter, 6);
        for (const std::size_t vfo : {L::kVfoA, L::kVfoB}) {
            PutFrequency(img, vfo, bcd());
            PutFrequency(img, vfo + 4, bcd());
            PutTone(img, vfo + 8, tone());
            PutTone(img, vfo + 10, tone());
            // Bits 6 and 7: A group Scramble and Companding at their defaults, B group constant.
            img[vfo + 12] = static_cast<std::uint8_t>(0xC0 | pick(3) | (pick(16) << 2));
            img[vfo + 14] = byte(3);
        }
        characters(img, L::kPassword, 4);
        for (std::size_t k = 0; k < 25; ++k) fm(img, L::kFmChannels + 2 * k);
        for (std::size_t a = L::kFmUnused; a < L::kFmState; ++a) img[a] = 0x00;
        img[L::kFmPresentChannel] = byte(256);
        img[L::kFmDisplayMode] = byte(2);
        img[L::kFmStepFrequency] = byte(3);
        fm(img, L::kFmVfo);
        for (std::size_t a : {0x7E0, 0x7E1, 0x7E2, 0x7F0, 0x7F1, 0x7F2}) img[a] = byte(256);
        img[L::kPowerBZero] = 0x00;
        for (int n = 1; n <= 128; ++n) characters(img, L::NameRecord(n), 8);
        img[0xC00] = 0x00;
        return img;
    }

  private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    std::uint8_t byte(int n) { return static_cast<std::uint8_t>(pick(n)); }
    std::string bcd() {
        std::string s;
        for (int i = 0; i < 8; ++i) {
            if (i == 3) s += '.';
            s += static_cast<char>('0' + pick(10));
        }
        return s;
    }
    int tone() { return pick(kToneCount); }
    std::uint8_t channelNumber() { return pick(4) == 0 ? 0xFF : byte(129); }
    std::uint8_t keyBits() { return static_cast<std::uint8_t>(pick(64) | (pick(3) << 6)); }
    // A run of characters other than FF, then FF to the end of the field.
    void characters(ImageBytes& img, std::size_t address, std::size_t size) {
        const auto length = static_cast<std::size_t>(pick(static_cast<int>(size) + 1));
        for (std::size_t k = 0; k < size; ++k) img[address + k] = k < length ? byte(255) : 0xFF;
    }
    void fm(ImageBytes& img, std::size_t address) {
        if (pick(3) == 0) return;  // FF FF
        const int v = pick(211);
        img[address] = static_cast<std::uint8_t>(v >> 8);
        img[address + 1] = static_cast<std::uint8_t>(v & 0xFF);
    }

    std::mt19937 rng_;
};

}  // namespace talvo::samples

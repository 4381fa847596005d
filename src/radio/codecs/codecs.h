#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/decimal_number.h"
#include "model/language.h"
#include "radio/state/fm.h"
#include "radio/state/tone_list.h"  // DecodeTone

namespace talvo {

// Conversions between the radio's packed fields and the texts the editors show.
// Hexadecimal digits are always upper case.

// Frequency text "145.12500" -> 4 bytes, least significant first (00 25 51 14).
// nullopt when a digit pair is not two hexadecimal digits (the value does not fit its byte).
std::optional<std::array<std::uint8_t, 4>> PackFrequency(std::string_view text);
// One packed byte of a frequency text: selector 1 gives byte +3 ... selector 4 byte +0.
std::optional<std::uint8_t> PickDigitPair(std::string_view text, int selector);
// 4 bytes (+0..+3) -> "145.12500"; erased bytes give "FFF.FFFFF".
std::string UnpackFrequency(std::span<const std::uint8_t, 4> bytes);
// 4 bytes -> offset in 10 Hz units: the number its digits begin with (00 00 06 00 is 0.6 MHz,
// 60000; a digit above 9 ends the number, so erased bytes give 0).
std::uint32_t UnpackOffset(std::span<const std::uint8_t, 4> bytes);

// Tone text of the list -> 4 hex digits, low byte then high ("67.0" -> "7006").
std::string EncodeTone(std::string_view toneText);
// Index of `text` in the tone list (first exact match); 0 ("Off", in any language) when absent.
int FindTone(std::string_view text);

// The index FindTone gives for DecodeTone(low, high), from a table of the list's codes.
int FindToneCode(std::uint8_t low, std::uint8_t high);

// FM frequency in hundredths of a MHz -> 2 bytes, most significant first; nullopt when it
// does not fit.
std::optional<std::array<std::uint8_t, 2>> EncodeFmFrequency(std::int32_t hundredths);
// 2 bytes -> FM frequency in whole tenths of a MHz; none for FF FF or above 108 MHz.
FmFrequency DecodeFmFrequency(std::uint8_t first, std::uint8_t second);

// Name -> 16 hex digits (8 bytes), "FF" for each missing character; first 8 characters only.
std::string ChannelCode(std::string_view name);
// Bytes -> text, skipping every 0xFF byte.
std::string DecodeCharacters(std::span<const std::uint8_t> bytes);

// Frequency text -> five decimals, snapped down to the nearer 5 kHz / 6.25 kHz raster point.
std::string SnapToRaster(std::string_view text);
// Number text -> exactly two decimals, the second 0 or 5.
std::string RoundTwoDecimals(std::string_view text);
// Removes every character of code 0xFF.
std::string StripFillers(std::string_view text);

// Two upper-case hexadecimal digits of a byte ("0A").
std::string TwoDigitHex(std::uint8_t value);
// Exactly two hexadecimal digits (either case) -> the byte; nullopt for anything else.
inline std::optional<std::uint8_t> ParseHexPair(std::string_view text) {
    // Digit values by character, -1 for anything that is no hexadecimal digit.
    static constexpr std::array<std::int8_t, 256> kValue = [] {
        std::array<std::int8_t, 256> v{};
        v.fill(-1);
        for (int c = 0; c < 10; ++c)
            v[static_cast<std::size_t>('0' + c)] = static_cast<std::int8_t>(c);
        for (int c = 0; c < 6; ++c) {
            v[static_cast<std::size_t>('A' + c)] = static_cast<std::int8_t>(10 + c);
            v[static_cast<std::size_t>('a' + c)] = static_cast<std::int8_t>(10 + c);
        }
        return v;
    }();
    if (text.size() != 2) return std::nullopt;
    const int hi = kValue[static_cast<unsigned char>(text[0])];
    const int lo = kValue[static_cast<unsigned char>(text[1])];
    if (hi < 0 || lo < 0) return std::nullopt;
    return static_cast<std::uint8_t>(hi * 16 + lo);
}

// Digits 0-9 and A-F/a-f count their value, any other character 0; sum of digit x 16^position.
std::int64_t HexToNumber(std::string_view hex);
std::string HexToBits(std::string_view hex);
std::string BitsToHex(std::string_view bits);

// True when the text starts with a number in the sense of DecimalNumber::Leading.
bool IsNumeric(std::string_view text);

}  // namespace talvo

// Arbitrary bytes through the data file, the decoder and the encoder, plus the codecs on
// arbitrary texts and the encoder on arbitrary editor contents. Any broken invariant traps.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "radio/codecs/codecs.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/decode.h"
#include "radio/codecs/encode.h"

namespace {

using namespace talvo;

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// Parse -> decode -> encode -> serialize. A decoded and re-encoded image is a fixed point:
// decoding and encoding it again must give the same bytes and the same values.
void FileRoundTrip(const std::uint8_t* data, std::size_t size, Language lang) {
    ProgramState state = StartupState(lang);
    const ImageBytes before = state.RadioImage;
    const Status status =
        ParseDataFile(std::span<const std::uint8_t>(data, size), state.RadioImage);
    const bool signature = size >= 6 && std::memcmp(data, "QDF-7K", 6) == 0;
    if (status != Status::Ok) {
        Check(state.RadioImage == before);
        Check(signature ? status == Status::Truncated
                        : (status == Status::WrongFileType || size < 6));
        return;
    }
    Check(signature && size >= kDataFileSize);
    DecodeImage(state);
    EncodeImage(state);
    const auto file = SerializeDataFile(state.EncodedImage);
    Check(std::memcmp(file.data(), "QDF-7K", 6) == 0);

    ProgramState again = StartupState(lang);
    Check(ParseDataFile(file, again.RadioImage) == Status::Ok);
    DecodeImage(again);
    EncodeImage(again);
    for (std::size_t a = 0; a < kConfigSize; ++a)
        Check(again.EncodedImage[a] == state.EncodedImage[a]);
    // A tone code the list lacks is shown after the first decode only; it is written as "Off".
    ChannelStores first = state.channels;
    ForgetShownWords(first);
    Check(again.channels == first);
}

void Codecs(const std::string& text, int small) {
    Check(ChannelCode(text).size() == 16);
    Check(HexToBits(text).size() == 4 * text.size());
    const std::string hex = BitsToHex(text);
    Check(hex.size() == (text.size() + 3) / 4);
    (void)HexToNumber(text);
    const std::string snapped = SnapToRaster(text);
    Check(snapped.find('.') != std::string::npos);
    const std::string rounded = RoundTwoDecimals(text);
    Check(rounded.find('.') != std::string::npos);
    (void)PackFrequency(text);
    (void)PickDigitPair(text, small % 6);
    (void)EncodeTone(text);
    const int tone = FindTone(text);
    Check(tone >= 0 && tone < 265);
    if (const FmFrequency hundredths = FmFrequencyFromText(text)) {
        if (const auto fm = EncodeFmFrequency(*hundredths)) {
            const FmFrequency back = DecodeFmFrequency((*fm)[0], (*fm)[1]);
            Check(!back || (*back >= 8700 && *back <= 10800));
        }
    }
    const DecimalNumber v = DecimalNumber::Leading(text);
    Check(v == v);
    Check(v.fixed(small % 12).find('.') != std::string::npos || small % 12 == 0);
    Check(StripFillers(text).find('\xFF') == std::string::npos);
    (void)IsNumeric(text);
}

// The encoder on whatever the editors might hold, including indexes outside every list.
void EncodeArbitraryState(FuzzedDataProvider& in) {
    ProgramState state = StartupState(in.ConsumeBool() ? kChinese : kEnglish);
    const ImageBytes untouched = state.EncodedImage;
    for (int n = 0; n < 16 && in.remaining_bytes() > 0; ++n) {
        const auto ch = in.ConsumeIntegralInRange<std::size_t>(0, 127);
        Channel& c = state.channels.channels[ch];
        if (in.ConsumeBool()) c.rx = Frequency::FromDigits(in.ConsumeIntegral<std::uint32_t>());
        if (in.ConsumeBool()) c.tx = Frequency::FromDigits(in.ConsumeIntegral<std::uint32_t>());
        for (auto& index : c.option) index = in.ConsumeIntegral<std::int16_t>();
        if (in.ConsumeBool()) c.unlistedTone[0] = in.ConsumeIntegral<std::uint16_t>();
        c.bandShowsNewChannelWord = in.ConsumeBool();
        c.name = in.ConsumeRandomLengthString(10);
    }
    for (auto& i : state.options.index) i = in.ConsumeIntegralInRange<int>(-2, 300);
    for (auto& number : state.options.channelNumber)
        if (in.ConsumeBool()) number = in.ConsumeIntegral<std::uint8_t>();
    for (auto& f : state.options.vfoFrequency)
        f = Frequency::FromDigits(in.ConsumeIntegral<std::uint32_t>());
    for (auto& offset : state.options.vfoOffset) offset = in.ConsumeIntegral<std::uint32_t>();
    for (auto& c : state.options.characters) c = in.ConsumeRandomLengthString(12);
    const auto fmValue = [&in]() -> FmFrequency {
        if (in.ConsumeBool()) return std::nullopt;
        return in.ConsumeIntegral<std::int32_t>();
    };
    for (std::size_t k = 0; k < 25; ++k) {
        state.fm.channel[k] = fmValue();
        state.fmWindow.cell[k] = fmValue();
    }
    state.fm.vfo = fmValue();
    state.fm.PresentChannel = in.ConsumeIntegral<std::int16_t>();
    state.fm.DisplayMode = in.ConsumeIntegral<int>();
    state.fm.StepFrequency = in.ConsumeIntegral<int>();
    for (auto& g : state.powerGrades) g = in.ConsumeIntegral<int>();
    state.band.index = in.ConsumeIntegralInRange<int>(-1, 300);
    EncodeImage(state);
    for (std::size_t a = 0x792; a < 0x7A0; ++a) Check(state.EncodedImage[a] == untouched[a]);
    Check(state.EncodedImage[0xC00] == untouched[0xC00]);
    Check(std::memcmp(state.EncodedImage.data() + 0x710, "RQZ-DW", 6) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FileRoundTrip(data, size, kEnglish);
    // The same bytes behind a valid header, so most inputs reach the decoder.
    std::string file = "QDF-7K";
    file.append(42, '\xFF');
    file.append(reinterpret_cast<const char*>(data), size);
    if (file.size() < kDataFileSize) file.append(kDataFileSize - file.size(), '\xFF');
    FileRoundTrip(reinterpret_cast<const std::uint8_t*>(file.data()), file.size(), kChinese);

    FuzzedDataProvider in(data, size);
    Codecs(in.ConsumeRandomLengthString(40), in.ConsumeIntegral<int>() & 0xFF);
    EncodeArbitraryState(in);
    return 0;
}

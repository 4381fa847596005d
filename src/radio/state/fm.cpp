#include "radio/state/fm.h"

#include "model/decimal_number.h"

namespace talvo {

std::string FmFrequencyText(FmFrequency frequency) {
    if (!frequency) return {};
    return DecimalNumber::FromUnits(*frequency, 2).fixed(2);
}

FmFrequency FmFrequencyFromText(std::string_view text) {
    const DecimalNumber value = DecimalNumber::Leading(text);
    if (!value.hasDigits() || value.negative()) return std::nullopt;
    const DecimalNumber::Units hundredths = value.units(2);
    if (hundredths.saturated || hundredths.units > 2'000'000'000) return std::nullopt;
    return static_cast<std::int32_t>(hundredths.units);
}

const std::array<Text, 2>& FmDisplayModeList() {
    static const std::array<Text, 2> list = {
        {TALVO_TEXT("Fm", "Channel"), TALVO_TEXT("Fm", "Frequency")}};
    return list;
}

const std::array<const char*, 3>& FmStepList() {
    static const std::array<const char*, 3> list = {"50K", "100K", "200K"};
    return list;
}

}  // namespace talvo

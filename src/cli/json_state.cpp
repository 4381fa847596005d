#include "cli/json_state.h"

#include <array>
#include <string>
#include <vector>

#include "cli/json_text.h"
#include "radio/fields/channel_fields.h"

namespace talvo::cli {
namespace {

// The JSON keeps the eighth list row the program always held empty, so its shape stays.
constexpr std::size_t kJsonOptionRows = 8;

template <typename Range, typename Convert>
std::string Array(const Range& range, std::size_t count, Convert convert) {
    std::string out = "[";
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) out += ',';
        out += convert(range[i]);
    }
    return out + "]";
}

std::string Number(long long v) {
    return std::to_string(v);
}

std::string Options(const OptionalFeatures& options) {
    std::string out = "{";
    const auto member = [&out](const char* name, const std::string& value) {
        if (out.size() > 1) out += ',';
        out += JsonFromBytes(name) + ":" + value;
    };
    for (std::size_t i = 0; i < kListCount; ++i) {
        const auto id = static_cast<ListId>(i);
        member(Info(id).name, Number(options[id]));
    }
    for (std::size_t i = 0; i < kTextCount; ++i) {
        const auto id = static_cast<TextId>(i);
        member(Info(id).name, JsonFromBytes(SettingText(options, id)));
    }
    for (std::size_t i = 0; i < kCheckCount; ++i) {
        const auto id = static_cast<CheckId>(i);
        member(Info(id).name, options[id] ? "true" : "false");
    }
    return out + "}";
}

}  // namespace

std::string StateToJson(const ProgramState& state, const TextWords& words) {
    // Channel values in the program's own tables: one row per field, one entry per channel.
    std::array<std::array<std::string, kChannelCount>, 2> frequencies;
    std::array<std::array<int, kChannelCount>, kJsonOptionRows> optionIndex{};
    std::array<std::array<std::string, kChannelCount>, kJsonOptionRows> optionText;
    std::array<std::string, kChannelCount> names;
    for (int n = 1; n <= kChannelCount; ++n) {
        const Channel& c = state.channels.at(n);
        const auto i = static_cast<std::size_t>(n - 1);
        frequencies[0][i] = FrequencyText(c.rx);
        frequencies[1][i] = FrequencyText(c.tx);
        for (const ChannelField& field : ChannelFields()) {
            if (c.isFree() || (field.kind != FieldKind::Tone && field.kind != FieldKind::List)) {
                continue;
            }
            const auto row = static_cast<std::size_t>(field.column - kColQtDqtDec);
            optionIndex[row][i] = c.optionOf(field.column);
            optionText[row][i] = ChannelCellText(c, field.column, words);
        }
        names[i] = c.name;
    }
    const auto bytes = [](const std::string& s) { return JsonFromBytes(s); };
    const auto utf8 = [](const std::string& s) { return JsonFromUtf8(s); };
    const auto number = [](auto v) { return Number(v); };
    const auto rows = [](const auto& table, auto convert) {
        return Array(table, table.size(),
                     [&](const auto& row) { return Array(row, row.size(), convert); });
    };

    std::string out = "{\n";
    const auto member = [&out](const char* name, const std::string& value, bool last = false) {
        out += std::string("\"") + name + "\":" + value + (last ? "\n" : ",\n");
    };
    member("Band", Number(state.band.index));
    member("FreqText", rows(frequencies, bytes));
    member("OptionIndex", rows(optionIndex, number));
    member("OptionText", rows(optionText, utf8));
    member("ChannelName", Array(names, names.size(), bytes));
    member("Options", Options(state.options));
    std::vector<std::string> fmChannels(kFmChannelCount);
    for (std::size_t k = 0; k < fmChannels.size(); ++k) {
        fmChannels[k] = FmFrequencyText(state.fm.channel[k]);
    }
    member("FmChannelText", Array(fmChannels, fmChannels.size(), bytes));
    member("FmVfo", bytes(FmFrequencyText(state.fm.vfo)));
    member("PresentChannel", bytes(std::to_string(state.fm.PresentChannel)));
    member("FmDisplayMode", Number(state.fm.DisplayMode));
    member("FmStepFrequency", Number(state.fm.StepFrequency));
    member("PowerGrades", Array(state.powerGrades, state.powerGrades.size(), number), true);
    return out + "}\n";
}

}  // namespace talvo::cli

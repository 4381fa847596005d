#include "cli/json_state.h"

#include "cli/json_text.h"

namespace talvo::cli {
namespace {

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
        member(Info(id).name, JsonFromBytes(options[id]));
    }
    for (std::size_t i = 0; i < kCheckCount; ++i) {
        const auto id = static_cast<CheckId>(i);
        member(Info(id).name, options[id] ? "true" : "false");
    }
    return out + "}";
}

}  // namespace

std::string StateToJson(const ProgramState& state) {
    const auto& ch = state.channels;
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
    member("FreqText", rows(ch.FreqText, bytes));
    member("OptionIndex", rows(ch.OptionIndex, number));
    member("OptionText", rows(ch.OptionText, utf8));
    member("ChannelName", Array(ch.ChannelName, ch.ChannelName.size(), bytes));
    member("Options", Options(state.options));
    member("FmChannelText", Array(state.fm.FmChannelText, kFmChannelCount, bytes));
    member("FmVfo", bytes(state.fm.Vfo));
    member("PresentChannel", bytes(state.fmWindow.presentChannelText));
    member("FmDisplayMode", Number(state.fm.DisplayMode));
    member("FmStepFrequency", Number(state.fm.StepFrequency));
    member("PowerGrades", Array(state.powerGrades, state.powerGrades.size(), number), true);
    return out + "}\n";
}

}  // namespace talvo::cli

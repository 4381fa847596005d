#include "rules/dtmf_filter.h"

namespace talvo {

std::optional<char> FilterDtmfKey(char c) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'D') || c == '*' || c == '#') return c;
    return std::nullopt;
}

std::string FilterDtmfText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (auto kept = FilterDtmfKey(c)) out.push_back(*kept);
    }
    return out;
}

}  // namespace talvo

#include "rules/channel_sort.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "radio/fields/channel_fields.h"
#include "radio/state/state_parts.h"

namespace talvo {
namespace {

// Names compare with runs of digits taken as numbers, the rest byte by byte.
int CompareNames(std::string_view a, std::string_view b) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (digit(a[i]) && digit(b[j])) {
            std::size_t ei = i;
            std::size_t ej = j;
            while (ei < a.size() && digit(a[ei])) ++ei;
            while (ej < b.size() && digit(b[ej])) ++ej;
            std::string_view na = a.substr(i, ei - i);
            std::string_view nb = b.substr(j, ej - j);
            while (na.size() > 1 && na.front() == '0') na.remove_prefix(1);
            while (nb.size() > 1 && nb.front() == '0') nb.remove_prefix(1);
            if (na.size() != nb.size()) return na.size() < nb.size() ? -1 : 1;
            if (const int c = na.compare(nb); c != 0) return c < 0 ? -1 : 1;
            i = ei;
            j = ej;
            continue;
        }
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[j]);
        if (ca != cb) return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    if (a.size() - i == b.size() - j) return 0;
    return a.size() - i < b.size() - j ? -1 : 1;
}

// What a channel is ordered by: missing values after present ones, then a number or a name.
struct SortKey {
    bool missing = false;
    std::int64_t number = 0;
    std::string name;
};

SortKey KeyOf(const ChannelRecord& r, const ChannelField& field) {
    SortKey key;
    switch (field.kind) {
        case FieldKind::Frequency: {
            const auto& frequency = field.column == kColRxFreq ? r.rx : r.tx;
            const auto units = frequency ? frequency->tenHz() : std::nullopt;
            key.missing = !units;
            key.number = units.value_or(0);
            break;
        }
        case FieldKind::Name:
            key.missing = r.name.empty();
            key.name = r.name;
            break;
        case FieldKind::Tone:
        case FieldKind::List: {
            // Entries in the field's own order; an index without an entry after them all.
            const int index = r.optionOf(field.column);
            const auto& rank = field.sortRank;
            const bool ranked = index >= 0 && index < static_cast<int>(rank.size());
            key.number = ranked ? rank[static_cast<std::size_t>(index)]
                                : static_cast<std::int64_t>(rank.size()) + index;
            break;
        }
    }
    return key;
}

int Compare(const SortKey& a, const SortKey& b, const ChannelField& field) {
    if (field.kind == FieldKind::Name) return CompareNames(a.name, b.name);
    return a.number < b.number ? -1 : (a.number > b.number ? 1 : 0);
}

}  // namespace

ChannelList SortPlaces(const ChannelList& chosen, const ChannelList& shown) {
    ChannelList places = NormalizedChannels(chosen);
    return places.size() >= 2 ? places : NormalizedChannels(shown);
}

bool SortChannels(ChannelStores& stores, const ChannelList& places, int column, SortOrder order) {
    const ChannelList at = NormalizedChannels(places);
    const ChannelField* field = FieldOfColumn(column);
    if (at.size() < 2 || !field) return false;
    struct Entry {
        ChannelRecord record;
        SortKey key;
        bool free;
    };
    std::vector<Entry> entries;
    entries.reserve(at.size());
    for (int ch : at) {
        ChannelRecord record = TakeChannel(stores, ch);
        const bool free = IsFreeRecord(record);
        SortKey key = free ? SortKey{} : KeyOf(record, *field);
        entries.push_back({std::move(record), std::move(key), free});
    }
    const bool descending = order == SortOrder::Descending;
    std::stable_sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        if (a.free != b.free) return b.free;
        if (a.free) return false;
        if (a.key.missing != b.key.missing) return b.key.missing;
        const int c = Compare(a.key, b.key, *field);
        return descending ? c > 0 : c < 0;
    });
    bool changed = false;
    for (std::size_t k = 0; k < at.size(); ++k) {
        if (TakeChannel(stores, at[k]) == entries[k].record) continue;
        PutChannel(stores, at[k], entries[k].record);
        changed = true;
    }
    return changed;
}

}  // namespace talvo

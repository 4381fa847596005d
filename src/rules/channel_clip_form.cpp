#include "rules/channel_clip_form.h"

#include <algorithm>
#include <cstdint>

#include "radio/fields/channel_fields.h"

namespace talvo {
namespace {

constexpr std::string_view kMagic = "talvo-channels\x02";

class Writer {
  public:
    void byte(int v) { out_.push_back(static_cast<char>(v & 0xFF)); }
    void u16(int v) {
        byte(v);
        byte(v >> 8);
    }
    void u32(std::uint32_t v) {
        u16(static_cast<int>(v & 0xFFFF));
        u16(static_cast<int>(v >> 16));
    }
    void text(const std::string& s) {
        // No field of a channel comes near 64 KiB; a longer text is cut rather than misread.
        const std::size_t size = std::min<std::size_t>(s.size(), 0xFFFF);
        u16(static_cast<int>(size));
        out_.append(s, 0, size);
    }
    std::string take() { return std::move(out_); }

  private:
    std::string out_;
};

class Reader {
  public:
    explicit Reader(std::string_view in) : in_(in) {}
    bool ok() const { return ok_; }
    bool atEnd() const { return pos_ == in_.size(); }
    int byte() {
        if (pos_ >= in_.size()) {
            ok_ = false;
            return 0;
        }
        return static_cast<unsigned char>(in_[pos_++]);
    }
    int u16() {
        const int low = byte();
        return low | (byte() << 8);
    }
    std::uint32_t u32() {
        const auto low = static_cast<std::uint32_t>(u16());
        return low | static_cast<std::uint32_t>(u16()) << 16;
    }
    std::string text() {
        const auto size = static_cast<std::size_t>(u16());
        if (!ok_ || in_.size() - pos_ < size) {
            ok_ = false;
            return {};
        }
        std::string s(in_.substr(pos_, size));
        pos_ += size;
        return s;
    }

  private:
    std::string_view in_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

// The highest option index each slot can hold: the tone list, then the lists of columns 5..9
// (power may hold 3, the value a radio can carry without a list entry).
int HighestIndex(std::size_t slot) {
    const int column = kColQtDqtDec + static_cast<int>(slot);
    if (column == kColPower) return 3;
    return EntryCount(*FieldOfColumn(column)) - 1;
}

bool Plausible(const ChannelRecord& r) {
    for (std::size_t k = 0; k < r.option.size(); ++k) {
        if (r.option[k] < 0 || r.option[k] > HighestIndex(k)) return false;
    }
    // A free channel holds nothing but a name.
    ChannelRecord nameOnly;
    nameOnly.name = r.name;
    return !r.isFree() || r == nameOnly;
}

// Which of a record's optional parts follow, one bit each.
enum Present : int {
    kRx = 1,
    kTx = 2,
    kNewChannelWord = 4,
    kUnlistedRxTone = 8,
    kUnlistedTxTone = 16,
    kAllParts = 31,
};

}  // namespace

CopiedChannels CopyChannels(const ChannelStores& stores, const ChannelList& channels) {
    CopiedChannels out;
    const ChannelList set = NormalizedChannels(channels);
    for (int ch : set) out.items.push_back({ch - set.front(), TakeChannel(stores, ch)});
    return out;
}

std::string EncodeCopiedChannels(const CopiedChannels& copied) {
    Writer w;
    for (char c : kMagic) w.byte(c);
    w.byte(static_cast<int>(copied.items.size()));
    for (const PasteItem& item : copied.items) {
        const ChannelRecord& r = item.record;
        w.byte(item.offset);
        w.byte((r.rx ? kRx : 0) | (r.tx ? kTx : 0) |
               (r.bandShowsNewChannelWord ? kNewChannelWord : 0) |
               (r.unlistedTone[0] ? kUnlistedRxTone : 0) |
               (r.unlistedTone[1] ? kUnlistedTxTone : 0));
        w.u32(r.rx ? r.rx->digits() : 0);
        w.u32(r.tx ? r.tx->digits() : 0);
        for (std::int16_t index : r.option) w.u16(index);
        for (const auto& tone : r.unlistedTone) w.u16(tone.value_or(0));
        w.text(r.name);
    }
    return w.take();
}

std::optional<CopiedChannels> DecodeCopiedChannels(std::string_view bytes) {
    if (!bytes.starts_with(kMagic)) return std::nullopt;
    Reader in(bytes.substr(kMagic.size()));
    CopiedChannels out;
    const int count = in.byte();
    if (count > kChannelCount) return std::nullopt;
    int lastOffset = -1;
    for (int n = 0; n < count && in.ok(); ++n) {
        PasteItem item;
        item.offset = in.byte();
        // Places ascend, as copying writes them, and stay within one table.
        if (item.offset <= lastOffset || item.offset >= kChannelCount) return std::nullopt;
        lastOffset = item.offset;
        ChannelRecord& r = item.record;
        const int present = in.byte();
        if ((present & ~kAllParts) != 0) return std::nullopt;
        const std::uint32_t rx = in.u32(), tx = in.u32();
        if (present & kRx) r.rx = Frequency::FromDigits(rx);
        if (present & kTx) r.tx = Frequency::FromDigits(tx);
        r.bandShowsNewChannelWord = (present & kNewChannelWord) != 0;
        for (std::int16_t& index : r.option) index = static_cast<std::int16_t>(in.u16());
        for (std::size_t k = 0; k < r.unlistedTone.size(); ++k) {
            const auto code = static_cast<std::uint16_t>(in.u16());
            if (present & (k == 0 ? kUnlistedRxTone : kUnlistedTxTone)) r.unlistedTone[k] = code;
        }
        r.name = in.text();
        if (!in.ok() || !Plausible(r)) return std::nullopt;
        out.items.push_back(std::move(item));
    }
    if (!in.ok() || !in.atEnd()) return std::nullopt;
    return out;
}

}  // namespace talvo

#include "rules/channel_clip_form.h"

#include <algorithm>
#include <cstdint>

#include "model/channel_lists.h"
#include "model/tone_list.h"

namespace talvo {
namespace {

constexpr std::string_view kMagic = "talvo-channels\x01";
// The language byte: Chinese and English by their flag (0, 1); a further language is this byte
// followed by its code.
constexpr int kLanguageByCode = 2;

class Writer {
  public:
    void byte(int v) { out_.push_back(static_cast<char>(v & 0xFF)); }
    void u16(int v) {
        byte(v);
        byte(v >> 8);
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
// (power may hold 3, the value a radio can carry without a list entry), slot 7 always 0.
int HighestIndex(std::size_t slot) {
    if (slot < 2) return kToneCount - 1;
    if (slot == 2) return 3;
    if (slot < 7) return static_cast<int>(ChannelColumnList(static_cast<int>(slot) + 3).size()) - 1;
    return 0;
}

bool Plausible(const ChannelRecord& r) {
    for (std::size_t k = 0; k < r.optionIndex.size(); ++k) {
        if (r.optionIndex[k] < 0 || r.optionIndex[k] > HighestIndex(k)) return false;
    }
    return true;
}

}  // namespace

CopiedChannels CopyChannels(const ChannelStores& stores, const ChannelList& channels,
                            Language lang) {
    CopiedChannels out;
    out.lang = lang;
    const ChannelList set = NormalizedChannels(channels);
    for (int ch : set) out.items.push_back({ch - set.front(), TakeChannel(stores, ch)});
    return out;
}

std::string EncodeCopiedChannels(const CopiedChannels& copied) {
    Writer w;
    for (char c : kMagic) w.byte(c);
    if (copied.lang == kChinese || copied.lang == kEnglish || !IsKnownLanguage(copied.lang)) {
        w.byte(LanguageFlagOf(copied.lang));
    } else {
        w.byte(kLanguageByCode);
        w.text(copied.lang.str());
    }
    w.byte(static_cast<int>(copied.items.size()));
    for (const PasteItem& item : copied.items) {
        const ChannelRecord& r = item.record;
        w.byte(item.offset);
        for (std::int16_t index : r.optionIndex) w.u16(index);
        for (const std::string& s : r.freqText) w.text(s);
        for (const std::string& s : r.optionText) w.text(s);
        w.text(r.name);
        for (const std::string& s : r.cells) w.text(s);
    }
    return w.take();
}

std::optional<CopiedChannels> DecodeCopiedChannels(std::string_view bytes) {
    if (!bytes.starts_with(kMagic)) return std::nullopt;
    Reader in(bytes.substr(kMagic.size()));
    CopiedChannels out;
    const int flag = in.byte();
    if (flag == kLanguageByCode) {
        const std::string code = in.text();
        out.lang = Language(code);
        if (code.size() > Language::kMaxCode || !IsKnownLanguage(out.lang)) return std::nullopt;
    } else if (flag == 0 || flag == 1) {
        out.lang = LanguageOfFlag(static_cast<LanguageFlagValue>(flag));
    } else {
        return std::nullopt;
    }
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
        for (std::int16_t& index : r.optionIndex) index = static_cast<std::int16_t>(in.u16());
        for (std::string& s : r.freqText) s = in.text();
        for (std::string& s : r.optionText) s = in.text();
        r.name = in.text();
        for (std::string& s : r.cells) s = in.text();
        if (!in.ok() || !Plausible(r)) return std::nullopt;
        out.items.push_back(std::move(item));
    }
    if (!in.ok() || !in.atEnd()) return std::nullopt;
    return out;
}

}  // namespace talvo

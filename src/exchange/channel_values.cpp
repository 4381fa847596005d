#include "exchange/channel_values.h"

#include "exchange/decimal_text.h"
#include "model/channel_lists.h"
#include "model/tone_list.h"

namespace talvo {
namespace {

std::size_t Slot(int channel) {
    return static_cast<std::size_t>(channel - 1);
}

}  // namespace

std::string StoredFrequencyText(std::int64_t hz) {
    return FormatUnits(hz / 10, 5);
}

std::optional<std::int64_t> StoredFrequencyHz(const std::string& text) {
    const auto reading = ReadDecimal(text, 5);
    if (!reading || !reading->exact || text.find_first_of(" \t") != std::string::npos) {
        return std::nullopt;
    }
    return reading->units * 10;
}

ChannelReading ReadChannel(const ChannelStores& stores, int channel) {
    ChannelReading out;
    if (channel < 1 || channel > kChannelCount || stores.isFree(channel)) return out;
    const std::size_t i = Slot(channel);
    auto rx = StoredFrequencyHz(stores.FreqText[0][i]);
    std::optional<std::int64_t> tx;
    if (!stores.FreqText[1][i].empty()) {
        tx = StoredFrequencyHz(stores.FreqText[1][i]);
        if (!tx) rx.reset();
    }
    if (!rx) {
        out.kind = ChannelReading::Kind::NotANumber;
        return out;
    }
    out.kind = ChannelReading::Kind::Programmed;
    ChannelValues& v = out.values;
    v.rxHz = *rx;
    v.txHz = tx;
    v.rxTone = stores.OptionIndex[0][i];
    v.txTone = stores.OptionIndex[1][i];
    v.power = stores.OptionIndex[2][i];
    v.busyLock = stores.OptionIndex[3][i];
    v.addScan = stores.OptionIndex[4][i];
    v.wide = stores.OptionIndex[5][i];
    v.txProhibit = stores.OptionIndex[6][i];
    v.name = stores.ChannelName[i];
    return out;
}

void StoreChannel(ChannelStores& stores, int channel, const ChannelValues& values,
                  const TextWords& words) {
    if (channel < 1 || channel > kChannelCount) return;
    const std::size_t i = Slot(channel);
    ClearNO(stores, channel);
    stores.FreqText[0][i] = StoredFrequencyText(values.rxHz);
    stores.FreqText[1][i] = values.txHz ? StoredFrequencyText(*values.txHz) : std::string();
    stores.cell(channel, kColRxFreq) = stores.FreqText[0][i];
    stores.cell(channel, kColTxFreq) = stores.FreqText[1][i];

    const int indexes[7] = {values.rxTone,  values.txTone, values.power,     values.busyLock,
                            values.addScan, values.wide,   values.txProhibit};
    for (int k = 0; k < 7; ++k) {
        const int column = kColQtDqtDec + k;
        const std::string text =
            Compose(k < 2 ? ToneName(indexes[k]) : ChannelColumnEntry(column, indexes[k]), words);
        stores.OptionIndex[static_cast<std::size_t>(k)][i] = static_cast<std::int16_t>(indexes[k]);
        stores.OptionText[static_cast<std::size_t>(k)][i] = text;
        stores.cell(channel, column) = text;
    }
    stores.ChannelName[i] = values.name;
    stores.cell(channel, kColName) = values.name;
}

}  // namespace talvo

#include "exchange/channel_values.h"

#include "exchange/decimal_text.h"

namespace talvo {
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
    const Channel& c = stores.at(channel);
    const auto rx = c.rx->tenHz();
    const auto tx = c.tx ? c.tx->tenHz() : std::nullopt;
    if (!rx || (c.tx && !tx)) {
        out.kind = ChannelReading::Kind::NotANumber;
        return out;
    }
    out.kind = ChannelReading::Kind::Programmed;
    ChannelValues& v = out.values;
    v.rxHz = std::int64_t{*rx} * 10;
    if (tx) v.txHz = std::int64_t{*tx} * 10;
    v.rxTone = c.option[0];
    v.txTone = c.option[1];
    v.power = c.option[2];
    v.busyLock = c.option[3];
    v.addScan = c.option[4];
    v.wide = c.option[5];
    v.txProhibit = c.option[6];
    v.name = c.name;
    return out;
}

void StoreChannel(ChannelStores& stores, int channel, const ChannelValues& values) {
    if (channel < 1 || channel > kChannelCount) return;
    Channel& c = stores.at(channel);
    c = Channel{};
    c.rx = Frequency::FromTenHz(static_cast<std::uint32_t>(values.rxHz / 10));
    if (values.txHz) c.tx = Frequency::FromTenHz(static_cast<std::uint32_t>(*values.txHz / 10));
    const int indexes[kChannelOptionCount] = {values.rxTone,    values.txTone,  values.power,
                                              values.busyLock,  values.addScan, values.wide,
                                              values.txProhibit};
    for (std::size_t k = 0; k < kChannelOptionCount; ++k) {
        c.option[k] = static_cast<std::int16_t>(indexes[k]);
    }
    c.name = values.name;
}

}  // namespace talvo

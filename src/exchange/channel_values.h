#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/language.h"
#include "radio/state/channels.h"

namespace talvo {

// One programmed channel as plain values, the form the exchange maps to and from a row of
// cells. Indexes are those of the channel fields' lists (radio/fields/channel_fields.h).
struct ChannelValues {
    std::int64_t rxHz = 0;
    std::optional<std::int64_t> txHz;  // nullopt: the channel holds no transmit frequency
    int rxTone = 0;                    // tone list index, 0 "Off"
    int txTone = 0;
    int power = 1;       // 0 Low, 1 High, 2 Middle (3: a radio value without a list entry)
    int busyLock = 1;    // 0 Carry, 1 Off
    int addScan = 1;     // 0 Off (skipped in scan), 1 On
    int wide = 1;        // 0 narrow, 1 wide
    int txProhibit = 1;  // 0 On (transmit prohibited), 1 Off
    std::string name;    // one byte per character, as the stores hold it

    bool operator==(const ChannelValues&) const = default;
};

// What the stores hold for a channel.
struct ChannelReading {
    enum class Kind {
        Free,        // no receive frequency
        Programmed,  // `values` holds the channel
        NotANumber,  // a frequency text is no decimal number (a damaged image)
    } kind = Kind::Free;
    ChannelValues values;
};
ChannelReading ReadChannel(const ChannelStores& stores, int channel);

// Programs `channel` (1..128) with `values`. Frequencies must be whole multiples of 10 Hz (the
// radio's resolution) below 1000 MHz.
void StoreChannel(ChannelStores& stores, int channel, const ChannelValues& values);

// A frequency text ("145.12500") in Hz; nullopt when it is not an exact number of 10 Hz.
std::optional<std::int64_t> StoredFrequencyHz(const std::string& text);

}  // namespace talvo

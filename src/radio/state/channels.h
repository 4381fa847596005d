#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/frequency.h"
#include "radio/state/channel_lists.h"

namespace talvo {

// The list columns of a channel, in grid order (grid column = kColQtDqtDec + slot).
inline constexpr std::size_t kChannelOptionCount = 7;

// One memory channel as values. Words are made from it when it is shown.
struct Channel {
    std::optional<Frequency> rx;  // nullopt: the channel is free
    std::optional<Frequency> tx;  // nullopt: no transmit frequency
    // The list index of each list column: receive and transmit tone into the tone list
    // (0 "Off"), power (3: a radio value without a list entry), busy lock, add scan,
    // wide/narrow, TX prohibit.
    std::array<std::int16_t, kChannelOptionCount> option{};
    // One byte per character, the bytes the radio stores (fillers removed).
    std::string name;

    // How the row reads until the grid is next drawn afresh (a language switch): a channel
    // made by typing its receive frequency shows the new-channel word in its band column
    // ("Wide", where the list has "wide"), and a tone code the list does not have shows its
    // code (it is kept as "Off", index 0, and written so).
    bool bandShowsNewChannelWord = false;
    std::array<std::optional<std::uint16_t>, 2> unlistedTone;

    bool isFree() const { return !rx; }
    std::int16_t& optionOf(int column) {
        return option[static_cast<std::size_t>(column - kColQtDqtDec)];
    }
    std::int16_t optionOf(int column) const {
        return option[static_cast<std::size_t>(column - kColQtDqtDec)];
    }
    bool operator==(const Channel&) const = default;
};

// The 128 channels of the table, numbered 1..128.
struct ChannelStores {
    std::array<Channel, kChannelCount> channels;

    Channel& at(int channel) { return channels[static_cast<std::size_t>(channel - 1)]; }
    const Channel& at(int channel) const { return channels[static_cast<std::size_t>(channel - 1)]; }
    bool isFree(int channel) const { return at(channel).isFree(); }
    bool operator==(const ChannelStores&) const = default;
};

// Empties channel `channel` (1..128): frequencies, list indexes and name. Out-of-range numbers
// change nothing.
void ClearNO(ChannelStores& stores, int channel);

// ClearNO for every channel in order.
void ClearGrid(ChannelStores& stores);

// Forgets how rows read until the grid is drawn afresh: every row then reads from its values.
void ForgetShownWords(Channel& channel);
void ForgetShownWords(ChannelStores& stores);

}  // namespace talvo

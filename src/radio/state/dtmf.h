#pragma once

#include <array>
#include <string>

namespace talvo {

// The DTMF window's values. They belong to that window only: no image, no file, no printout.
struct DtmfSettings {
    std::array<std::string, 8> AutodialMemory;
    std::string AniStartCode;
    std::string AniEndCode;
    std::string OwnCode;
    int AniMode = 0;
    int DtmfRate = 0;
    int FirstDigitalDelay = 6;
    int GroupCallCode = 0;

    bool operator==(const DtmfSettings&) const = default;
};

// Puts the DTMF defaults back; AniEndCode keeps its text.
void StartForm(DtmfSettings& dtmf);

}  // namespace talvo

#include "radio_memory.h"

#include <cstdio>
#include <memory>
#include <vector>

namespace talvo::radiosim {

namespace {

constexpr std::size_t kHeaderSize = 48;
constexpr char kSignature[] = "QDF-7K";

struct Channel {
    int number;
    const char* rx;                // "145.50000"
    const char* tx;                // nullptr: none
    std::uint16_t rxTone, txTone;  // high byte << 8 | low byte; 0xFFFF: off
    int power;                     // 0 low, 1 high, 2 middle
    bool busyLockOff, scan, wide, txAllowed;
    const char* name;
};

// CTCSS tone in tenths of a hertz (885 = 88.5 Hz) as its stored code.
constexpr std::uint16_t Ctcss(int tenths) {
    const int h = tenths / 1000, t = tenths / 100 % 10, u = tenths / 10 % 10, d = tenths % 10;
    return static_cast<std::uint16_t>((h << 12 | t << 8) | (u << 4 | d));
}
// DCS code written as octal digits (023) and polarity.
constexpr std::uint16_t Dcs(int a, int b, int c, bool inverted) {
    return static_cast<std::uint16_t>(((inverted ? 0xC0 : 0x80) + a) << 8 | (b << 4 | c));
}
constexpr std::uint16_t kOff = 0xFFFF;

// "145.50000" -> four bytes, two decimal digits per byte, least significant pair first.
void PutFrequency(Memory& m, std::size_t at, const char* text) {
    std::string digits;
    for (const char* p = text; *p; ++p) {
        if (*p != '.') digits.push_back(*p);
    }
    for (int i = 0; i < 4; ++i) {
        const char hi = digits[static_cast<std::size_t>(6 - 2 * i)];
        const char lo = digits[static_cast<std::size_t>(7 - 2 * i)];
        m[at + static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>((hi - '0') << 4 | (lo - '0'));
    }
}

void PutTone(Memory& m, std::size_t at, std::uint16_t code) {
    m[at] = static_cast<std::uint8_t>(code & 0xFF);
    m[at + 1] = static_cast<std::uint8_t>(code >> 8);
}

void PutText(Memory& m, std::size_t at, std::size_t width, const char* text) {
    for (std::size_t i = 0; i < width; ++i) {
        m[at + i] = (text != nullptr && *text) ? static_cast<std::uint8_t>(*text++) : 0xFF;
    }
}

void PutFm(Memory& m, std::size_t at, int tenthsAbove87) {
    m[at] = static_cast<std::uint8_t>(tenthsAbove87 >> 8);
    m[at + 1] = static_cast<std::uint8_t>(tenthsAbove87 & 0xFF);
}

void PutChannel(Memory& m, const Channel& c) {
    const std::size_t at = 13 * static_cast<std::size_t>(c.number - 1);
    PutFrequency(m, at, c.rx);
    if (c.tx != nullptr) PutFrequency(m, at + 4, c.tx);
    PutTone(m, at + 8, c.rxTone);
    PutTone(m, at + 10, c.txTone);
    m[at + 12] = static_cast<std::uint8_t>(0xC0 | c.power | c.busyLockOff << 2 | c.scan << 3 |
                                           c.wide << 4 | c.txAllowed << 5);
    PutText(m, 0x800 + 8 * static_cast<std::size_t>(c.number - 1), 8, c.name);
}

const Channel kChannels[] = {
    {1, "145.50000", "145.50000", kOff, kOff, 1, true, true, true, true, "CALL"},
    {2, "146.52000", "146.52000", Ctcss(885), Ctcss(885), 1, true, true, true, true, "SIMPLEX"},
    {3, "438.50000", "430.90000", kOff, Ctcss(670), 1, false, true, true, true, "RPT70CM"},
    {4, "435.00000", "435.00000", Dcs(0, 2, 3, false), Dcs(0, 2, 3, false), 0, true, false, false,
     true, "DCS023"},
    {5, "439.98750", nullptr, kOff, kOff, 2, true, true, false, false, "RX ONLY"},
    {6, "462.56250", "462.56250", Ctcss(1000), Ctcss(1000), 2, true, true, false, true, "GMRS-1"},
    {7, "145.62500", "145.02500", Ctcss(1230), Ctcss(1230), 1, false, true, true, true, "GB3WR"},
    {8, "144.80000", "144.80000", kOff, kOff, 2, true, false, true, true, "APRS"},
    {9, "433.50000", "433.50000", Dcs(7, 5, 4, true), Dcs(7, 5, 4, true), 0, true, true, false,
     true, "D754I"},
    {10, "156.80000", "156.80000", kOff, kOff, 1, true, true, true, true, "MARINE16"},
    {11, "446.00625", "446.00625", Ctcss(2541), Ctcss(2541), 0, true, true, false, true, "PMR1"},
    {12, "446.09375", "446.09375", Ctcss(1622), kOff, 0, true, true, false, true, "PMR8"},
    {20, "136.01250", "136.01250", kOff, Dcs(1, 3, 4, false), 1, true, false, false, true, nullptr},
    {64, "151.82000", "151.82000", Ctcss(1318), Ctcss(1318), 2, false, false, false, true, "FARM"},
    {127, "400.00000", "410.00000", kOff, kOff, 1, true, false, true, true, "EDGE LOW"},
    {128, "470.99000", "470.99000", Dcs(6, 6, 2, false), Ctcss(2035), 2, true, true, true, true,
     "LAST"},
};

}  // namespace

Memory SampleMemory() {
    Memory m;
    m.fill(0xFF);
    for (const Channel& c : kChannels) PutChannel(m, c);

    const std::uint8_t settings[16] = {
        0x01,  // A display: frequency and channel
        0x01,
        0x01,  // A step 6.25K
        0x00,  // B display: frequency
        0x05,  // squelch
        0x01,  // A channel 1
        0x6F,  // beep, dual standby, battery save, keys normal, time scan
        0x7C,  // K+S, roger off, password off, main A, tail elimination, backlight KEY
        0x6E,  // VOX off, delay 2 s, gain 4
        0x02,  // open display MSG
        0x00,  // memory channels shown as channel
        0x03,  // B channel 3
        0x00,  // auto power off
        0x04,  // B step 25K
        0x00,  // names editable
        0x02,  // time-out timer 2 minutes
    };
    for (std::size_t i = 0; i < 16; ++i) m[0x700 + i] = settings[i];
    PutText(m, 0x710, 6, "RQZ-DW");
    m[0x716] = 0x00;
    PutText(m, 0x718, 6, "TALVO");

    PutFrequency(m, 0x720, "145.50000");
    PutFrequency(m, 0x724, "000.60000");
    PutTone(m, 0x728, kOff);
    PutTone(m, 0x72A, Ctcss(885));
    m[0x72C] = 0x75;
    m[0x72E] = 0x01;
    PutFrequency(m, 0x730, "433.00000");
    PutFrequency(m, 0x734, "005.00000");
    PutTone(m, 0x738, Dcs(0, 2, 3, false));
    PutTone(m, 0x73A, Dcs(0, 2, 3, false));
    m[0x73C] = 0xF4;
    m[0x73E] = 0x02;
    PutText(m, 0x740, 4, "1234");

    const int fm[] = {11, 35, 115, 141, 169, 187, 209, 5};
    for (std::size_t k = 0; k < std::size(fm); ++k) PutFm(m, 0x760 + 2 * k, fm[k]);
    m[0x7A0] = 0x03;
    m[0x7A1] = 0x00;
    m[0x7A2] = 0x01;
    PutFm(m, 0x7A4, 115);

    const std::uint8_t bPower[] = {200, 150, 60, 0};
    const std::uint8_t aPower[] = {210, 140, 50};
    for (std::size_t i = 0; i < 4; ++i) m[0x7E0 + i] = bPower[i];
    for (std::size_t i = 0; i < 3; ++i) m[0x7F0 + i] = aPower[i];
    return m;
}

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    File f(std::fopen(path.c_str(), "wb"));
    if (!f) return "cannot create " + path;
    if (std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size())
        return "cannot write " + path;
    if (std::fclose(f.release()) != 0) return "cannot write " + path;
    return {};
}

}  // namespace

std::string LoadDatFile(const std::string& path, Memory& memory) {
    File f(std::fopen(path.c_str(), "rb"));
    if (!f) return "cannot open " + path;
    std::vector<std::uint8_t> bytes(kHeaderSize + kConfigSize + 1);
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), f.get());
    if (got != kHeaderSize + kConfigSize) return path + " is not a 3120-byte data file";
    if (!std::equal(kSignature, kSignature + 6, bytes.begin()))
        return path + " does not start with QDF-7K";
    memory.fill(0xFF);
    std::copy(bytes.begin() + kHeaderSize, bytes.begin() + kHeaderSize + kConfigSize,
              memory.begin());
    return {};
}

std::string SaveDatFile(const std::string& path, const Memory& memory) {
    std::vector<std::uint8_t> bytes(kHeaderSize + kConfigSize, 0xFF);
    std::copy(kSignature, kSignature + 6, bytes.begin());
    const char version[] = "V0100";
    std::copy(version, version + 5, bytes.begin() + 10);
    std::copy(memory.begin(), memory.begin() + kConfigSize, bytes.begin() + kHeaderSize);
    return WriteAll(path, bytes);
}

std::string SaveRawFile(const std::string& path, const Memory& memory) {
    return WriteAll(path, std::vector<std::uint8_t>(memory.begin(), memory.end()));
}

}  // namespace talvo::radiosim

#pragma once

#include <cstddef>

// The double-byte half of CP932 as the Windows code page maps it, compiled
// into the program: building it through ICU at start-up cost more than the
// rest of reading the data files. Generated from Qt's converter at build time
// (cp932generate.cpp); a test holds it against the converter for every pair.
namespace Cp932 {

inline constexpr bool isLead(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
inline constexpr bool isTrail(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

inline constexpr int LeadCount = 60;
inline constexpr int TrailCount = 0xFC - 0x40 + 1;
inline constexpr std::size_t TableSize = std::size_t(LeadCount) * TrailCount;

// Where a lead and trail byte (both valid) stand in the table.
inline constexpr std::size_t pairIndex(unsigned char lead, unsigned char trail)
{
    const int row = lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
    return std::size_t(row) * TrailCount + std::size_t(trail - 0x40);
}

// The character of each pair, 0 where the pair is unassigned.
extern const char16_t DoubleBytes[TableSize];

} // namespace Cp932

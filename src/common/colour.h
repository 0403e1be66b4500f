#pragma once

// Colour numbers as the grid and the print-out store them: R + 256·G + 65536·B.
namespace Colour {

constexpr int number(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }
constexpr int red(int colour) { return colour & 0xff; }
constexpr int green(int colour) { return (colour >> 8) & 0xff; }
constexpr int blue(int colour) { return (colour >> 16) & 0xff; }

constexpr int Black = number(0, 0, 0);
constexpr int Red = number(128, 0, 0);       // the near-ratio marking
constexpr int LightBlue = number(0, 0, 255); // the best ratio

} // namespace Colour

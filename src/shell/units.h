// Units, colours and the small conversions every screen shares.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

constexpr int kTwipsPerPixel = 15;
constexpr double kClientWidth = 11880;  // every screen is 792 pixels wide

// A colour is 0x00BBGGRR; a value with the top bit set names a system colour.
using Colour = std::uint32_t;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;
constexpr Colour kButtonFace = 0x8000000F;
constexpr Colour kButtonText = 0x80000012;
constexpr Colour kNoColour = 0xFFFFFFFF;  // a screen without a back colour

constexpr bool isSystemColour(Colour c) { return (c & 0x80000000u) != 0; }

// Numbers go into captions and texts in plain decimal: "7", "15", never "07".
std::string text(long long n);

// The code points of UTF-8 text; bytes that are not UTF-8 stand for
// themselves.
std::vector<unsigned> codePoints(std::string_view utf8);

}  // namespace shell

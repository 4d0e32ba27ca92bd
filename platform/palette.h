// The classic 16-colour palette: every colour the game paints with is one of these indexes.
#pragma once

namespace platform::palette {

constexpr int kBlack = 0;
constexpr int kNavy = 1;
constexpr int kGreen = 2;
constexpr int kTeal = 3;
constexpr int kMaroon = 4;
constexpr int kPurple = 5;
constexpr int kOlive = 6;
constexpr int kLightGrey = 7;
constexpr int kGrey = 8;
constexpr int kBlue = 9;
constexpr int kLime = 10;
constexpr int kAqua = 11;
constexpr int kRed = 12;
constexpr int kFuchsia = 13;
constexpr int kYellow = 14;
constexpr int kWhite = 15;
constexpr int kCount = 16;

}  // namespace platform::palette

#pragma once
// BackgroundGradient: the colour bands of the installer's full-screen
// background, from the back colour at the top towards the fade colour at the
// bottom. Colours have red in the low byte.
class BackgroundGradient {
 public:
  static constexpr int kBands = 128;

  // Band 0 to kBands - 1: each channel is the back channel plus band times
  // the channel's step, (fade - back) / 128 rounded toward zero, kept to
  // 8 bits.
  static long bandColour(long back, long fade, int band);
  // The first row of band in a client area of height rows. The bands share
  // the height between them, so that the last one reaches the bottom row;
  // band kBands starts below the area.
  static int bandTop(int band, int height) { return static_cast<int>(static_cast<long long>(band) * height / kBands); }
};

#include "installer/script/BackgroundGradient.h"

long BackgroundGradient::bandColour(long back, long fade, int band) {
  long colour = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    long backChannel = (back >> shift) & 0xFF;
    long step = (((fade >> shift) & 0xFF) - backChannel) / kBands;
    colour |= ((backChannel + band * step) & 0xFF) << shift;
  }
  return colour;
}

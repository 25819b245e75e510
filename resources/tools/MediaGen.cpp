// Draws and synthesises the binary resources of the quiz program and of the
// installer, so that they are our own and can be made again. The outputs are
// committed; run the `media` target (or MediaGen RESOURCES_DIR INSTALLER_DIR)
// after changing this file. Pictures for the display come at 100%, 150% and
// 200% of their size at 96 dots per inch; the larger files end in 150 and 200
// and icons hold every size. In RESOURCES_DIR:
//   english/Verbolt.ico  icon 1: a speech bubble, 32 x 32 and 16 x 16
//   english/Play.bmp     play button of the wave preview, 16 x 16, 16 colours
//   english/Stop.bmp     stop button of the wave preview, 16 x 16, 16 colours
//   english/Toolbar*.bmp the word list window's ten toolbar images, normal and
//                        greyed, 16 x 16 and (Large) 24 x 24, 16 colours
//   english/Probe.wav    one silent sample, the preview's end probe
//   sounds/Right.wav     rising chime for a right answer
//   sounds/Wrong.wav     low buzz for a wrong answer
// In INSTALLER_DIR:
//   media/Install.ico       icon 1: a parcel with an arrow into it, 32 x 32 and 16 x 16
//   media/Preparing.ico     icon 118: a disk, 32 x 32 and 16 x 16
//   media/Wizard.bmp        bitmap 123, the wizard's picture, 117 x 266, 256 colours
//   media/Chosen.bmp        bitmap 128, a black check mark, 9 x 9, 16 colours
//   media/Required.bmp      bitmap 130, a grey check mark, 9 x 9, 16 colours
//   media/PartlyChosen.bmp  bitmap 132, a black check mark on grey, 9 x 9, 16 colours
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

const double kPi = 3.14159265358979323846;
const int kSampleRate = 22050;

void put16(Bytes* out, unsigned value) {
  out->push_back(value & 0xFF);
  out->push_back((value >> 8) & 0xFF);
}

void put32(Bytes* out, std::uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

void putText(Bytes* out, const char* text) {
  while (*text) out->push_back(static_cast<std::uint8_t>(*text++));
}

bool writeFile(const std::string& path, const Bytes& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) std::fprintf(stderr, "MediaGen: cannot write %s\n", path.c_str());
  return static_cast<bool>(file);
}

// A mono PCM wave file at kSampleRate around the given sample bytes.
Bytes waveFile(unsigned bitsPerSample, const Bytes& samples) {
  unsigned blockAlign = bitsPerSample / 8;
  Bytes out;
  putText(&out, "RIFF");
  size_t padding = samples.size() % 2;
  put32(&out, static_cast<std::uint32_t>(36 + samples.size() + padding));
  putText(&out, "WAVEfmt ");
  put32(&out, 16);
  put16(&out, 1);
  put16(&out, 1);
  put32(&out, kSampleRate);
  put32(&out, kSampleRate * blockAlign);
  put16(&out, blockAlign);
  put16(&out, bitsPerSample);
  putText(&out, "data");
  put32(&out, static_cast<std::uint32_t>(samples.size()));
  out.insert(out.end(), samples.begin(), samples.end());
  if (padding) out.push_back(0);
  return out;
}

// Scales the signal to the given peak and stores it as 16-bit samples.
Bytes pcm16(const std::vector<double>& signal, double peak) {
  double largest = 0;
  for (double value : signal) largest = std::max(largest, std::fabs(value));
  double scale = largest > 0 ? peak * 32767 / largest : 0;
  Bytes out;
  for (double value : signal) put16(&out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(value * scale))));
  return out;
}

std::vector<double> synthesise(double seconds, const std::function<double(double)>& signal) {
  std::vector<double> samples(static_cast<size_t>(seconds * kSampleRate));
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = signal(static_cast<double>(i) / kSampleRate);
  return samples;
}

// Ramps the first and last moments so that the sound starts and ends without a click.
double edges(double t, double length, double attack, double release) {
  return std::min({1.0, t / attack, (length - t) / release});
}

// Three bell-like notes of an A major chord, each starting a little later.
Bytes rightSound() {
  const double length = 0.6;
  const double notes[] = {880.0, 1108.73, 1318.51};
  auto signal = [&](double t) {
    double sum = 0;
    for (int i = 0; i < 3; ++i) {
      double local = t - 0.09 * i;
      if (local < 0) continue;
      double tone = std::sin(2 * kPi * notes[i] * local) + 0.3 * std::sin(4 * kPi * notes[i] * local);
      sum += tone * std::min(1.0, local / 0.005) * std::exp(-local / 0.12);
    }
    return sum * edges(t, length, 0.002, 0.03);
  };
  return waveFile(16, pcm16(synthesise(length, signal), 0.7));
}

// A band-limited sawtooth that sinks from 98 to 87 Hz.
Bytes wrongSound() {
  const double length = 0.4;
  auto signal = [&](double t) {
    double phase = 2 * kPi * (98.0 * t - 13.75 * t * t);
    double sum = 0;
    for (int k = 1; k <= 8; ++k) sum += std::sin(k * phase) / k;
    return sum * edges(t, length, 0.01, 0.08);
  };
  return waveFile(16, pcm16(synthesise(length, signal), 0.6));
}

Bytes probeSound() { return waveFile(8, Bytes{0x80}); }

struct Rgb {
  double red, green, blue;
};

// One icon image: colours and which pixels are opaque, top row first.
struct IconImage {
  int size;
  std::vector<Rgb> colours;
  std::vector<bool> opaque;
};

// The bubble in a 32-unit square: a rounded rectangle with a tail at the lower left.
bool inBubble(double x, double y) {
  const double left = 2, top = 3, right = 30, bottom = 22, radius = 6;
  double cx = std::clamp(x, left + radius, right - radius);
  double cy = std::clamp(y, top + radius, bottom - radius);
  bool body = x >= left && x <= right && y >= top && y <= bottom &&
              (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
  auto side = [&](double ax, double ay, double bx, double by) { return (bx - ax) * (y - ay) - (by - ay) * (x - ax); };
  bool tail = side(8, 20, 16, 20) >= 0 && side(16, 20, 5, 30) >= 0 && side(5, 30, 8, 20) >= 0;
  return body || tail;
}

// What one point of the picture shows: outline near the edge, two text lines inside.
Rgb bubbleColour(double x, double y, double outline) {
  const Rgb kOutline{0, 0, 128}, kFill{255, 250, 205}, kQuestion{0, 0, 224}, kAnswer{208, 0, 0};
  for (int i = 0; i < 8; ++i) {
    double angle = i * kPi / 4;
    if (!inBubble(x + outline * std::cos(angle), y + outline * std::sin(angle))) return kOutline;
  }
  if (y >= 8 && y < 12 && x >= 6 && x < 26) return kQuestion;
  if (y >= 14 && y < 18 && x >= 6 && x < 20) return kAnswer;
  return kFill;
}

// A picture in a 32-unit square: where it is, and its colour at a point given
// the width of one pixel in units.
struct Shape {
  std::function<bool(double, double)> inside;
  std::function<Rgb(double, double, double)> colour;
};

// Samples each pixel 4 x 4 times; a pixel at least half covered is opaque.
IconImage drawIcon(const Shape& shape, int size) {
  const int kSub = 4;
  double unit = 32.0 / size;
  IconImage image{size, {}, {}};
  for (int row = 0; row < size; ++row)
    for (int column = 0; column < size; ++column) {
      Rgb sum{0, 0, 0};
      int inside = 0;
      for (int sy = 0; sy < kSub; ++sy)
        for (int sx = 0; sx < kSub; ++sx) {
          double x = (column + (sx + 0.5) / kSub) * unit, y = (row + (sy + 0.5) / kSub) * unit;
          if (!shape.inside(x, y)) continue;
          Rgb colour = shape.colour(x, y, unit);
          sum = {sum.red + colour.red, sum.green + colour.green, sum.blue + colour.blue};
          ++inside;
        }
      bool opaque = inside * 2 >= kSub * kSub;
      image.opaque.push_back(opaque);
      image.colours.push_back(opaque ? Rgb{sum.red / inside, sum.green / inside, sum.blue / inside} : Rgb{0, 0, 0});
    }
  return image;
}

const Shape kBubble{inBubble, [](double x, double y, double unit) { return bubbleColour(x, y, std::max(1.5, unit)); }};

// A parcel with a blue arrow pointing into it.
bool inParcel(double x, double y) {
  bool box = x >= 4 && x <= 28 && y >= 15 && y <= 29;
  bool shaft = x >= 13.5 && x <= 18.5 && y >= 2 && y <= 10;
  bool head = y >= 9 && y <= 16 && std::fabs(x - 16) <= (16 - y) * 1.2;
  return box || shaft || head;
}

Rgb parcelColour(double x, double y, double unit) {
  const Rgb kArrow{0, 64, 200}, kEdge{110, 60, 20}, kCardboard{205, 140, 70}, kLid{170, 105, 45}, kTape{235, 210, 150};
  bool box = x >= 4 && x <= 28 && y >= 15 && y <= 29;
  if (!box) return kArrow;
  double edge = std::max(1.0, unit);
  if (x < 4 + edge || x > 28 - edge || y < 15 + edge || y > 29 - edge) return kEdge;
  if (x >= 14 && x <= 18) return kTape;
  return y < 19 ? kLid : kCardboard;
}

const Shape kParcel{inParcel, parcelColour};

// A disk with its metal shutter and label.
bool inDisk(double x, double y) { return x >= 4 && x <= 28 && y >= 4 && y <= 28 && !(x > 25 && y < 7); }

Rgb diskColour(double x, double y, double unit) {
  const Rgb kBody{30, 50, 120}, kShutter{190, 190, 200}, kHole{60, 60, 70}, kLabel{250, 250, 245}, kLine{120, 120, 200};
  if (x >= 10 && x <= 22 && y <= 13) return x >= 17 && x <= 20 && y >= 6 && y <= 11 ? kHole : kShutter;
  if (x >= 8 && x <= 24 && y >= 17 && y <= 27) return (y >= 20 && y <= 20.5 + unit) || (y >= 23 && y <= 23.5 + unit) ? kLine : kLabel;
  return kBody;
}

const Shape kDisk{inDisk, diskColour};

unsigned rowBytes(int width, int bitsPerPixel) { return ((width * bitsPerPixel + 31) / 32) * 4; }

void putInfoHeader(Bytes* out, int width, int height, int bitsPerPixel, unsigned imageSize, unsigned colours) {
  put32(out, 40);
  put32(out, width);
  put32(out, height);
  put16(out, 1);
  put16(out, bitsPerPixel);
  put32(out, 0);
  put32(out, imageSize);
  put32(out, 0);
  put32(out, 0);
  put32(out, colours);
  put32(out, 0);
}

// A 24-bit colour image with its transparency mask, as an icon file stores it.
Bytes iconImageBytes(const IconImage& image) {
  int size = image.size;
  unsigned colourRow = rowBytes(size, 24), maskRow = rowBytes(size, 1);
  Bytes out;
  putInfoHeader(&out, size, size * 2, 24, (colourRow + maskRow) * size, 0);
  for (int row = size - 1; row >= 0; --row) {
    for (int column = 0; column < size; ++column) {
      const Rgb& colour = image.colours[row * size + column];
      out.push_back(static_cast<std::uint8_t>(std::lround(colour.blue)));
      out.push_back(static_cast<std::uint8_t>(std::lround(colour.green)));
      out.push_back(static_cast<std::uint8_t>(std::lround(colour.red)));
    }
    out.resize(out.size() + colourRow - size * 3);
  }
  for (int row = size - 1; row >= 0; --row) {
    Bytes mask(maskRow, 0);
    for (int column = 0; column < size; ++column)
      if (!image.opaque[row * size + column]) mask[column / 8] |= 0x80 >> (column % 8);
    out.insert(out.end(), mask.begin(), mask.end());
  }
  return out;
}

Bytes iconFile(const std::vector<IconImage>& images) {
  Bytes out;
  put16(&out, 0);
  put16(&out, 1);
  put16(&out, static_cast<unsigned>(images.size()));
  std::vector<Bytes> bodies;
  for (const IconImage& image : images) bodies.push_back(iconImageBytes(image));
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    out.push_back(static_cast<std::uint8_t>(images[i].size));
    out.push_back(static_cast<std::uint8_t>(images[i].size));
    put16(&out, 0);
    put16(&out, 1);
    put16(&out, 24);
    put32(&out, static_cast<std::uint32_t>(bodies[i].size()));
    put32(&out, offset);
    offset += static_cast<std::uint32_t>(bodies[i].size());
  }
  for (const Bytes& body : bodies) out.insert(out.end(), body.begin(), body.end());
  return out;
}

// The standard 16-colour palette; light grey (index 7) is the button face, which
// loading with LR_LOADMAP3DCOLORS replaces by the system's face colour.
enum PaletteIndex : std::uint8_t {
  kBlack = 0, kMaroon = 1, kGreen = 2, kOlive = 3, kNavy = 4, kTeal = 6, kFace = 7, kGrey = 8, kRed = 9, kLime = 10,
  kYellow = 11, kBlue = 12, kAqua = 14, kWhite = 15
};
const std::uint8_t kPalette[16][3] = {{0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                      {0, 0, 128},   {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                      {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
                                      {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
const int kButtonSize = 16;

// A shape on the button face: filled, with a darker edge where a neighbour is outside.
std::vector<std::uint8_t> buttonPicture(const std::function<bool(double, double)>& inside, std::uint8_t edge,
                                        std::uint8_t fill) {
  auto at = [&](int column, int row) { return inside(column + 0.5, row + 0.5); };
  std::vector<std::uint8_t> pixels;
  for (int row = 0; row < kButtonSize; ++row)
    for (int column = 0; column < kButtonSize; ++column) {
      if (!at(column, row)) pixels.push_back(kFace);
      else if (!at(column - 1, row) || !at(column + 1, row) || !at(column, row - 1) || !at(column, row + 1))
        pixels.push_back(edge);
      else pixels.push_back(fill);
    }
  return pixels;
}

std::vector<std::uint8_t> playPicture() {
  auto inside = [](double x, double y) { return x >= 5 && x - 5 <= 1.6 * (5.5 - std::fabs(y - 8)); };
  return buttonPicture(inside, kGreen, kLime);
}

std::vector<std::uint8_t> stopPicture() {
  auto inside = [](double x, double y) { return x >= 4 && x <= 12 && y >= 4 && y <= 12; };
  return buttonPicture(inside, kMaroon, kRed);
}

using Palette = std::vector<std::array<std::uint8_t, 3>>;

// A bitmap of palette indices, top row first, with 4 bits a pixel for up to
// 16 colours, else 8.
Bytes bitmapFile(int width, int height, const Palette& palette, const std::vector<std::uint8_t>& pixels) {
  int bits = palette.size() <= 16 ? 4 : 8;
  unsigned colours = 1u << bits;
  unsigned row = rowBytes(width, bits), imageSize = row * height, dataOffset = 14 + 40 + 4 * colours;
  Bytes out;
  putText(&out, "BM");
  put32(&out, dataOffset + imageSize);
  put32(&out, 0);
  put32(&out, dataOffset);
  putInfoHeader(&out, width, height, bits, imageSize, colours);
  for (unsigned i = 0; i < colours; ++i) {
    std::array<std::uint8_t, 3> colour = i < palette.size() ? palette[i] : std::array<std::uint8_t, 3>{0, 0, 0};
    out.push_back(colour[2]);
    out.push_back(colour[1]);
    out.push_back(colour[0]);
    out.push_back(0);
  }
  for (int y = height - 1; y >= 0; --y) {
    Bytes line(row, 0);
    for (int x = 0; x < width; ++x) {
      std::uint8_t index = pixels[y * width + x];
      if (bits == 8) line[x] = index;
      else line[x / 2] |= index << (x % 2 ? 0 : 4);
    }
    out.insert(out.end(), line.begin(), line.end());
  }
  return out;
}

Palette standardPalette() {
  Palette palette;
  for (const auto& colour : kPalette) palette.push_back({colour[0], colour[1], colour[2]});
  return palette;
}

Bytes buttonFile(const std::vector<std::uint8_t>& pixels) {
  return bitmapFile(kButtonSize, kButtonSize, standardPalette(), pixels);
}


// The word list window's toolbar images, drawn on a 16-unit square and
// sampled at 16 or 24 pixels. A picture is a stack of shapes, the last on top;
// each is filled, with its edge colour where a neighbouring pixel is outside.
struct ToolShape {
  std::function<bool(double, double)> inside;
  std::uint8_t edge, fill;
};
using Picture = std::vector<ToolShape>;

std::function<bool(double, double)> box(double left, double top, double right, double bottom) {
  return [=](double x, double y) { return x >= left && x <= right && y >= top && y <= bottom; };
}

std::function<bool(double, double)> disc(double cx, double cy, double radius, double hole = 0) {
  return [=](double x, double y) {
    double d = std::hypot(x - cx, y - cy);
    return d <= radius && d >= hole;
  };
}

// A stroke of the given half width along the segment from (ax, ay) to (bx, by).
std::function<bool(double, double)> stroke(double ax, double ay, double bx, double by, double half) {
  return [=](double x, double y) {
    double dx = bx - ax, dy = by - ay;
    double t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(x - ax - t * dx, y - ay - t * dy) <= half;
  };
}

std::function<bool(double, double)> triangle(double ax, double ay, double bx, double by, double cx, double cy) {
  return [=](double x, double y) {
    auto side = [&](double px, double py, double qx, double qy) { return (qx - px) * (y - py) - (qy - py) * (x - px); };
    double s1 = side(ax, ay, bx, by), s2 = side(bx, by, cx, cy), s3 = side(cx, cy, ax, ay);
    return (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
  };
}

std::vector<Picture> toolbarPictures() {
  auto page = [](double left, double top, double right, double bottom) {
    return ToolShape{box(left, top, right, bottom), kBlack, kWhite};
  };
  return {
      // Close: a door with an arrow leaving it.
      {{box(2, 1.5, 9.5, 14.5), kBlack, kOlive}, {disc(7.5, 8.5, 0.9), kBlack, kBlack},
       {stroke(9, 8, 14, 8, 1.1), kGreen, kGreen}, {triangle(11.5, 4.5, 15.5, 8, 11.5, 11.5), kGreen, kLime}},
      // Cut: scissors.
      {{stroke(4.5, 1.5, 10.5, 10, 0.8), kBlack, kGrey}, {stroke(11.5, 1.5, 5.5, 10, 0.8), kBlack, kGrey},
       {disc(4.5, 12.5, 2.6, 1.3), kNavy, kNavy}, {disc(11.5, 12.5, 2.6, 1.3), kNavy, kNavy}},
      // Copy: two pages.
      {page(1.5, 1.5, 9.5, 11.5), page(6.5, 4.5, 14.5, 14.5), {box(8.5, 7.5, 12.5, 8.2), kNavy, kNavy},
       {box(8.5, 10, 12.5, 10.7), kNavy, kNavy}},
      // Paste: a page on a clipboard.
      {{box(1.5, 2.5, 11.5, 15), kBlack, kOlive}, {box(4, 1, 9, 4), kBlack, kGrey}, page(6.5, 6.5, 14.5, 15),
       {box(8.5, 9.5, 12.5, 10.2), kNavy, kNavy}},
      // New: a page with a folded corner.
      {{[](double x, double y) { return x >= 3 && x <= 13 && y >= 1.5 && y <= 14.5 && x - 9 <= y - 1.5; }, kBlack,
        kWhite},
       {triangle(9, 1.5, 9, 5.5, 13, 5.5), kBlack, kFace}},
      // Edit: a pencil.
      {{stroke(4.5, 11.5, 12.5, 3.5, 2.0), kBlack, kYellow}, {triangle(1.5, 14.5, 2.5, 10, 6, 13.5), kBlack, kWhite},
       {stroke(11.5, 4.5, 13.5, 2.5, 1.9), kBlack, kRed}},
      // Delete: a red cross.
      {{stroke(3, 3, 13, 13, 1.8), kMaroon, kRed}, {stroke(13, 3, 3, 13, 1.8), kMaroon, kRed}},
      // Mark: a check mark.
      {{stroke(2.5, 8.5, 6.5, 12.5, 1.7), kGreen, kLime}, {stroke(6.5, 12.5, 13.5, 3, 1.7), kGreen, kLime}},
      // Find: a magnifying glass.
      {{stroke(9.5, 9.5, 14, 14, 1.6), kBlack, kOlive}, {disc(6.5, 6.5, 5), kBlack, kBlack},
       {disc(6.5, 6.5, 3.6), kTeal, kAqua}},
      // Sort: bars of falling length and a downward arrow.
      {{box(1, 2, 8, 3.8), kNavy, kBlue}, {box(1, 6.5, 6, 8.3), kNavy, kBlue}, {box(1, 11, 4, 12.8), kNavy, kBlue},
       {stroke(12, 1.5, 12, 10, 1.1), kBlack, kBlack}, {triangle(8.5, 9.5, 15.5, 9.5, 12, 15), kBlack, kBlack}},
  };
}

// The picture at size x size pixels as palette indices; kFace where no shape is.
std::vector<std::uint8_t> drawPicture(const Picture& picture, int size) {
  double unit = 16.0 / size;
  auto topShape = [&](int column, int row) {
    for (int i = static_cast<int>(picture.size()) - 1; i >= 0; --i)
      if (picture[i].inside((column + 0.5) * unit, (row + 0.5) * unit)) return i;
    return -1;
  };
  auto covers = [&](int shape, int column, int row) { return picture[shape].inside((column + 0.5) * unit, (row + 0.5) * unit); };
  std::vector<std::uint8_t> pixels;
  for (int row = 0; row < size; ++row)
    for (int column = 0; column < size; ++column) {
      int shape = topShape(column, row);
      if (shape < 0) {
        pixels.push_back(kFace);
        continue;
      }
      bool edge = !covers(shape, column - 1, row) || !covers(shape, column + 1, row) ||
                  !covers(shape, column, row - 1) || !covers(shape, column, row + 1);
      pixels.push_back(edge ? picture[shape].edge : picture[shape].fill);
    }
  return pixels;
}

// The greyed look of a button: its shape in dark grey over a white copy one
// pixel down and to the right.
std::vector<std::uint8_t> disabledLook(const std::vector<std::uint8_t>& normal, int size) {
  std::vector<std::uint8_t> pixels(normal.size(), kFace);
  auto covered = [&](int column, int row) {
    return column >= 0 && row >= 0 && column < size && row < size && normal[row * size + column] != kFace;
  };
  for (int row = 0; row < size; ++row)
    for (int column = 0; column < size; ++column) {
      if (covered(column, row)) pixels[row * size + column] = kGrey;
      else if (covered(column - 1, row - 1)) pixels[row * size + column] = kWhite;
    }
  return pixels;
}

// All pictures side by side in one strip of size-pixel squares.
Bytes toolbarStrip(int size, bool disabled) {
  std::vector<Picture> pictures = toolbarPictures();
  int width = size * static_cast<int>(pictures.size());
  std::vector<std::uint8_t> strip(static_cast<size_t>(width) * size, kFace);
  for (size_t i = 0; i < pictures.size(); ++i) {
    std::vector<std::uint8_t> pixels = drawPicture(pictures[i], size);
    if (disabled) pixels = disabledLook(pixels, size);
    for (int row = 0; row < size; ++row)
      for (int column = 0; column < size; ++column)
        strip[row * width + static_cast<int>(i) * size + column] = pixels[row * size + column];
  }
  return bitmapFile(width, size, standardPalette(), strip);
}

// A check mark of the component list, 9 x 9 at 100% (size x size), in the
// standard 16 colours.
Bytes checkMarkFile(std::uint8_t mark, std::uint8_t background, int size = 9) {
  static const char* const kRows[9] = {".........", ".......#.", "......##.", ".#...###.", ".##.###..",
                                       ".#####...", "..###....", "...#.....", "........."};
  std::vector<std::uint8_t> pixels;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) pixels.push_back(kRows[y * 9 / size][x * 9 / size] == '#' ? mark : background);
  return bitmapFile(size, size, standardPalette(), pixels);
}

// The wizard's picture: the installer's background gradient from dark red to
// grey, a speech bubble and a parcel, 117 x 266 at 100% (percent). Indices 0
// to 127 hold the gradient, the drawings' colours follow.
Bytes wizardFile(int percent = 100) {
  const int kWidth = 117 * percent / 100, kHeight = 266 * percent / 100;
  const double factor = percent / 100.0;
  Palette palette;
  for (int i = 0; i < 128; ++i) palette.push_back({127, static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i)});
  std::vector<Rgb> drawn;
  auto index = [&](const Rgb& colour) {
    std::array<std::uint8_t, 3> entry = {static_cast<std::uint8_t>(std::lround(colour.red)),
                                         static_cast<std::uint8_t>(std::lround(colour.green)),
                                         static_cast<std::uint8_t>(std::lround(colour.blue))};
    for (size_t i = 128; i < palette.size(); ++i)
      if (palette[i] == entry) return static_cast<std::uint8_t>(i);
    palette.push_back(entry);
    return static_cast<std::uint8_t>(palette.size() - 1);
  };
  struct Placed {
    const Shape* shape;
    double left, top, scale;
  };
  const Placed kPlaced[] = {{&kBubble, 10 * factor, 30 * factor, 3.0 * factor},
                            {&kParcel, 14 * factor, 150 * factor, 2.8 * factor}};
  std::vector<std::uint8_t> pixels;
  for (int row = 0; row < kHeight; ++row)
    for (int column = 0; column < kWidth; ++column) {
      std::uint8_t pixel = static_cast<std::uint8_t>(row * 128 / kHeight);
      for (const Placed& placed : kPlaced) {
        double x = (column + 0.5 - placed.left) / placed.scale, y = (row + 0.5 - placed.top) / placed.scale;
        if (placed.shape->inside(x, y)) pixel = index(placed.shape->colour(x, y, 1 / placed.scale));
      }
      pixels.push_back(pixel);
    }
  return bitmapFile(kWidth, kHeight, palette, pixels);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: MediaGen RESOURCES_DIR INSTALLER_DIR\n");
    return 2;
  }
  std::string root = std::string(argv[1]) + "/";
  auto icon = [](const Shape& shape) {
    std::vector<IconImage> images;
    for (int size : {32, 16, 48, 24, 64}) images.push_back(drawIcon(shape, size));
    return iconFile(images);
  };
  bool ok = writeFile(root + "english/Verbolt.ico", icon(kBubble));
  ok = writeFile(root + "english/Play.bmp", buttonFile(playPicture())) && ok;
  ok = writeFile(root + "english/Stop.bmp", buttonFile(stopPicture())) && ok;
  for (int percent : {100, 150, 200}) {
    const std::string suffix = percent == 100 ? ".bmp" : std::to_string(percent) + ".bmp";
    const int small = 16 * percent / 100, large = 24 * percent / 100;
    ok = writeFile(root + "english/Toolbar" + suffix, toolbarStrip(small, false)) && ok;
    ok = writeFile(root + "english/ToolbarDisabled" + suffix, toolbarStrip(small, true)) && ok;
    ok = writeFile(root + "english/ToolbarLarge" + suffix, toolbarStrip(large, false)) && ok;
    ok = writeFile(root + "english/ToolbarLargeDisabled" + suffix, toolbarStrip(large, true)) && ok;
  }
  ok = writeFile(root + "english/Probe.wav", probeSound()) && ok;
  ok = writeFile(root + "sounds/Right.wav", rightSound()) && ok;
  ok = writeFile(root + "sounds/Wrong.wav", wrongSound()) && ok;
  std::string media = std::string(argv[2]) + "/media/";
  ok = writeFile(media + "Install.ico", icon(kParcel)) && ok;
  ok = writeFile(media + "Preparing.ico", icon(kDisk)) && ok;
  for (int percent : {100, 150, 200}) {
    const std::string suffix = percent == 100 ? ".bmp" : std::to_string(percent) + ".bmp";
    const int mark = (9 * percent + 50) / 100;
    ok = writeFile(media + "Wizard" + suffix, wizardFile(percent)) && ok;
    ok = writeFile(media + "Chosen" + suffix, checkMarkFile(kBlack, kWhite, mark)) && ok;
    ok = writeFile(media + "Required" + suffix, checkMarkFile(kGrey, kWhite, mark)) && ok;
    ok = writeFile(media + "PartlyChosen" + suffix, checkMarkFile(kBlack, kFace, mark)) && ok;
  }
  return ok ? 0 : 1;
}

#include "shell/rasterpack.hpp"

#include <algorithm>

namespace fv {

// A row is a sequence of runs. A word with a count in its top byte is that
// many pixels of the opaque colour in its low three bytes; a word whose top
// byte is 0 gives a count of literal pixels that follow it.
PackedRaster packRaster(const QImage& image) {
  PackedRaster out;
  if (image.isNull() || image.format() != QImage::Format_RGB32) return out;
  const int w = image.width(), h = image.height();
  const std::size_t budget = std::size_t(w) * std::size_t(h) / 2;
  out.words.reserve(std::size_t(h) * 4);
  auto startsRun = [](const std::uint32_t* p, int left) { return left >= 2 && p[0] == p[1] && p[0] >> 24 == 0xff; };
  for (int y = 0; y < h; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
    int x = 0;
    while (x < w) {
      if (startsRun(row + x, w - x)) {
        int n = 2;
        while (x + n < w && n < 255 && row[x + n] == row[x]) ++n;
        out.words.push_back(std::uint32_t(n) << 24 | (row[x] & 0xffffff));
        x += n;
      } else {
        int n = 1;
        while (x + n < w && !startsRun(row + x + n, w - x - n)) ++n;
        out.words.push_back(std::uint32_t(n));
        out.words.insert(out.words.end(), row + x, row + x + n);
        x += n;
      }
    }
    if (out.words.size() > budget) return {};
  }
  out.words.shrink_to_fit();
  out.size = image.size();
  out.dpr = image.devicePixelRatio();
  return out;
}

QImage unpackRaster(const PackedRaster& packed) {
  if (packed.isNull()) return {};
  QImage image(packed.size, QImage::Format_RGB32);
  image.setDevicePixelRatio(packed.dpr);
  const std::uint32_t* in = packed.words.data();
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
    for (int x = 0; x < image.width();) {
      const std::uint32_t head = *in++;
      if (const int n = int(head >> 24)) {
        std::fill(row + x, row + x + n, head | 0xff000000u);
        x += n;
      } else {
        std::copy(in, in + head, row + x);
        in += head;
        x += int(head);
      }
    }
  }
  return image;
}

}  // namespace fv

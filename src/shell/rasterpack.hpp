// A raster kept small while nothing draws on it, compressed with zlib at
// its fastest level. A plot is mostly background, lines and fields of few
// colours, so it packs to a few hundredths of its size; unpacking gives back
// every pixel as it was.
#pragma once

#include <QImage>
#include <QSize>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace fv {

struct PackedRaster {
  QSize size;
  qreal dpr = 1;
  QImage::Format format = QImage::Format_Invalid;
  std::vector<std::uint8_t> data;
  bool isNull() const { return size.isEmpty(); }
  std::size_t bytes() const { return data.capacity(); }
};

// An image packed; one that would not pack to less than half its size (or
// that zlib refuses) gives a null result.
PackedRaster packRaster(const QImage& image);
QImage unpackRaster(const PackedRaster& packed);

}  // namespace fv

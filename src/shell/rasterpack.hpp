// A raster kept small while nothing draws on it: each row as runs of one
// colour and runs of differing pixels. A plot is mostly background and
// lines one colour long, so it packs to a few hundredths of its pixels;
// unpacking gives back every pixel as it was.
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
  std::vector<std::uint32_t> words;
  bool isNull() const { return size.isEmpty(); }
  std::size_t bytes() const { return words.capacity() * sizeof(std::uint32_t); }
};

// An RGB32 image packed; an image that would not pack to less than half its
// size gives a null result.
PackedRaster packRaster(const QImage& image);
QImage unpackRaster(const PackedRaster& packed);

}  // namespace fv

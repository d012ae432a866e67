#include "shell/rasterpack.hpp"

#include <zlib.h>

namespace fv {

PackedRaster packRaster(const QImage& image) {
  PackedRaster out;
  if (image.isNull()) return out;
  const auto size = std::size_t(image.sizeInBytes());
  z_stream z{};
  if (deflateInit(&z, Z_BEST_SPEED) != Z_OK) return out;
  // Grown as needed: a buffer as large as the image would raise the peak.
  out.data.resize(std::max<std::size_t>(size / 32, 4096));
  z.next_in = const_cast<Bytef*>(image.constBits());
  z.avail_in = uInt(size);
  int status = Z_OK;
  while (status == Z_OK) {
    if (z.total_out == out.data.size()) {
      if (out.data.size() * 2 > size / 2) break;
      out.data.resize(out.data.size() * 2);
    }
    z.next_out = out.data.data() + z.total_out;
    z.avail_out = uInt(out.data.size() - z.total_out);
    status = deflate(&z, Z_FINISH);
  }
  const std::size_t packed = z.total_out;
  deflateEnd(&z);
  if (status != Z_STREAM_END) return {};
  out.data.resize(packed);
  out.data.shrink_to_fit();
  out.size = image.size();
  out.dpr = image.devicePixelRatio();
  out.format = image.format();
  return out;
}

QImage unpackRaster(const PackedRaster& packed) {
  if (packed.isNull()) return {};
  QImage image(packed.size, packed.format);
  if (image.isNull()) return {};
  image.setDevicePixelRatio(packed.dpr);
  uLongf size = uLongf(image.sizeInBytes());
  if (uncompress(image.bits(), &size, packed.data.data(), uLong(packed.data.size())) != Z_OK) return {};
  return image;
}

}  // namespace fv

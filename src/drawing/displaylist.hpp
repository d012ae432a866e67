// The operations drawn on a surface, kept compactly so that a drawing of
// millions of points can be rendered again at any scale.
//
// Each operation is one record in a byte stream. Coordinates are floats kept
// exactly: each is turned into an integer key that grows with the value, and
// only its difference from a prediction is stored, as a variable-length
// integer. A point is predicted from the last three points of its colour (a
// smooth curve leaves residuals of a few units), a line, circle or text from
// the previous operation's end. Colours live in a palette of 31 slots. A
// point of the same colour as the last point carries no tag byte at all, so
// that a curve costs two or three bytes a point.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "drawing/color.hpp"

namespace fv {

struct SurfaceOp {
  enum Kind : std::uint8_t { Line, Point, Circle, Text };
  Kind kind;
  float x1, y1;  // start, point or centre
  float x2, y2;  // end of a line; x2 is the radius of a circle
  Color color;
  std::int32_t text = -1;  // the index of a Text operation among the texts
};

class DisplayList {
 public:
  DisplayList() = default;
  DisplayList(const DisplayList&) = delete;
  DisplayList& operator=(const DisplayList&) = delete;

  void push(const SurfaceOp& op);
  // Drops every operation and gives the memory back.
  void clear();
  std::size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  // Memory held by the list, in bytes.
  std::size_t bytes() const;

 private:
  // What writer and reader both keep, so that every record can be read back.
  struct Coder {
    struct History {
      std::int64_t x[3], y[3];  // keys of the last three points, newest first
      int n = 0;
    };
    std::array<Color, 31> palette{};
    int paletteSize = 0;
    int nextReuse = 0;  // the slot a new colour takes once the palette is full
    std::array<History, 31> history{};
    std::int64_t lastX = 0, lastY = 0, lastR = 0;  // keys of the last operation
    int lastPointSlot = -1;
    int textCount = 0;

    int take(Color c);  // the slot a colour new to the palette gets
    void predict(int slot, std::int64_t& px, std::int64_t& py) const;
    void advance(int slot, std::int64_t kx, std::int64_t ky);
  };

 public:
  // Reads the operations in order; a reader at the end goes on with the
  // operations pushed after it got there.
  class Reader {
   public:
    explicit Reader(const DisplayList& list) : list_(&list) {}
    bool next(SurfaceOp& op);

   private:
    const DisplayList* list_;
    std::size_t block_ = 0, pos_ = 0;
    Coder coder_;
  };

 private:
  // Blocks grow from 4 KiB to 64 KiB, so that a short drawing stays small
  // and a long one is never copied to grow.
  static std::size_t blockSize(std::size_t index) { return std::size_t(4096) << std::min<std::size_t>(index, 4); }
  static constexpr std::size_t kLongestRecord = 32;
  std::vector<std::unique_ptr<std::uint8_t[]>> blocks_;
  std::vector<std::size_t> used_;
  std::size_t count_ = 0;
  std::size_t held_ = 0;  // bytes in blocks
  Coder coder_;
};

}  // namespace fv

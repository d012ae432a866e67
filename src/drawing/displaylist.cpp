#include "drawing/displaylist.hpp"

#include <bit>
#include <cstdint>
#include <cstring>

namespace fv {

namespace {

// A record starts with a tag byte whose lowest bit is 0: the kind in bits 1-2
// and the colour slot in bits 3-7, where slot 31 means that the colour follows
// in three bytes. A record whose first byte has its lowest bit set is a point
// of the same colour as the last point.
constexpr int kEscape = 31;

std::int64_t key(float f) {
  const auto b = std::bit_cast<std::uint32_t>(f);
  return (b & 0x80000000u) ? ~b : (b | 0x80000000u);
}

float unkey(std::int64_t k) {
  const auto u = static_cast<std::uint32_t>(k);
  return std::bit_cast<float>((u & 0x80000000u) ? (u & 0x7fffffffu) : ~u);
}

std::uint64_t zigzag(std::int64_t v) {
  return (static_cast<std::uint64_t>(v) << 1) ^ static_cast<std::uint64_t>(v >> 63);
}
std::int64_t unzigzag(std::uint64_t u) { return static_cast<std::int64_t>(u >> 1) ^ -static_cast<std::int64_t>(u & 1); }

struct Out {
  std::uint8_t* p;
  void byte(unsigned b) { *p++ = static_cast<std::uint8_t>(b); }
  void varint(std::uint64_t v) {
    while (v >= 0x80) {
      byte(unsigned(v) | 0x80);
      v >>= 7;
    }
    byte(unsigned(v));
  }
  void delta(std::int64_t v) { varint(zigzag(v)); }
  void color(Color c) {
    byte(c & 0xff);
    byte((c >> 8) & 0xff);
    byte((c >> 16) & 0xff);
  }
};

struct In {
  const std::uint8_t* p;
  unsigned byte() { return *p++; }
  std::uint64_t varint() {
    std::uint64_t v = 0;
    for (int shift = 0;; shift += 7) {
      const unsigned b = byte();
      v |= std::uint64_t(b & 0x7f) << shift;
      if (!(b & 0x80)) return v;
    }
  }
  std::int64_t delta() { return unzigzag(varint()); }
  Color color() {
    const unsigned r = byte(), g = byte(), b = byte();
    return r | (g << 8) | (b << 16);
  }
};

unsigned kindCode(SurfaceOp::Kind k) { return unsigned(k) & 3; }

}  // namespace

int DisplayList::Coder::take(Color c) {
  int slot;
  if (paletteSize < kEscape) {
    slot = paletteSize++;
  } else {
    slot = nextReuse;
    nextReuse = (nextReuse + 1) % kEscape;
  }
  palette[size_t(slot)] = c;
  history[size_t(slot)].n = 0;
  return slot;
}

void DisplayList::Coder::predict(int slot, std::int64_t& px, std::int64_t& py) const {
  const History& h = history[size_t(slot)];
  switch (h.n) {
    case 0:
      px = lastX, py = lastY;
      break;
    case 1:
      px = h.x[0], py = h.y[0];
      break;
    case 2:
      px = 2 * h.x[0] - h.x[1], py = 2 * h.y[0] - h.y[1];
      break;
    default:
      px = 3 * (h.x[0] - h.x[1]) + h.x[2], py = 3 * (h.y[0] - h.y[1]) + h.y[2];
  }
}

void DisplayList::Coder::advance(int slot, std::int64_t kx, std::int64_t ky) {
  History& h = history[size_t(slot)];
  h.x[2] = h.x[1], h.x[1] = h.x[0], h.x[0] = kx;
  h.y[2] = h.y[1], h.y[1] = h.y[0], h.y[0] = ky;
  if (h.n < 3) ++h.n;
  lastPointSlot = slot;
  lastX = kx, lastY = ky;
}

void DisplayList::push(const SurfaceOp& op) {
  std::uint8_t buf[kLongestRecord];
  Out out{buf};
  Coder& c = coder_;
  const std::int64_t kx = key(op.x1), ky = key(op.y1);

  if (op.kind == SurfaceOp::Point && c.lastPointSlot >= 0 && c.palette[size_t(c.lastPointSlot)] == op.color) {
    const int slot = c.lastPointSlot;
    std::int64_t px, py;
    c.predict(slot, px, py);
    out.varint((zigzag(kx - px) << 1) | 1);
    out.delta(ky - py);
    c.advance(slot, kx, ky);
  } else {
    int slot = -1;
    for (int i = 0; i < c.paletteSize; ++i)
      if (c.palette[size_t(i)] == op.color) slot = i;
    if (slot >= 0) {
      out.byte(kindCode(op.kind) << 1 | unsigned(slot) << 3);
    } else {
      out.byte(kindCode(op.kind) << 1 | unsigned(kEscape) << 3);
      out.color(op.color);
      slot = c.take(op.color);
    }
    switch (op.kind) {
      case SurfaceOp::Point: {
        std::int64_t px, py;
        c.predict(slot, px, py);
        out.delta(kx - px);
        out.delta(ky - py);
        c.advance(slot, kx, ky);
        break;
      }
      case SurfaceOp::Line: {
        const std::int64_t kx2 = key(op.x2), ky2 = key(op.y2);
        out.delta(kx - c.lastX);
        out.delta(ky - c.lastY);
        out.delta(kx2 - kx);
        out.delta(ky2 - ky);
        c.lastX = kx2, c.lastY = ky2;
        break;
      }
      case SurfaceOp::Circle: {
        const std::int64_t kr = key(op.x2);
        out.delta(kx - c.lastX);
        out.delta(ky - c.lastY);
        out.delta(kr - c.lastR);
        c.lastX = kx, c.lastY = ky, c.lastR = kr;
        break;
      }
      case SurfaceOp::Text:
        out.delta(kx - c.lastX);
        out.delta(ky - c.lastY);
        c.lastX = kx, c.lastY = ky;
        ++c.textCount;
        break;
    }
  }

  const auto n = size_t(out.p - buf);
  if (blocks_.empty() || used_.back() + n > blockSize(blocks_.size() - 1)) {
    held_ += blockSize(blocks_.size());
    blocks_.emplace_back(new std::uint8_t[blockSize(blocks_.size())]);
    used_.push_back(0);
  }
  std::memcpy(blocks_.back().get() + used_.back(), buf, n);
  used_.back() += n;
  ++count_;
}

void DisplayList::clear() {
  std::vector<std::unique_ptr<std::uint8_t[]>>().swap(blocks_);
  std::vector<std::size_t>().swap(used_);
  count_ = 0;
  held_ = 0;
  coder_ = Coder{};
}

std::size_t DisplayList::bytes() const {
  return held_ + used_.capacity() * sizeof(std::size_t) + blocks_.capacity() * sizeof(blocks_[0]) + sizeof(*this);
}

bool DisplayList::Reader::next(SurfaceOp& op) {
  const auto& blocks = list_->blocks_;
  const auto& used = list_->used_;
  if (block_ >= blocks.size()) return false;
  if (pos_ == used[block_]) {
    if (block_ + 1 >= blocks.size()) return false;
    ++block_;
    pos_ = 0;
  }
  const std::uint8_t* base = blocks[block_].get();
  In in{base + pos_};
  Coder& c = coder_;
  op = SurfaceOp{};
  const unsigned first = in.byte();
  if (first & 1) {
    // A point of the last point's colour: the first byte begins its x.
    --in.p;
    const int slot = c.lastPointSlot;
    std::int64_t px, py;
    c.predict(slot, px, py);
    const std::int64_t kx = px + unzigzag(in.varint() >> 1);
    const std::int64_t ky = py + in.delta();
    c.advance(slot, kx, ky);
    op.kind = SurfaceOp::Point;
    op.x1 = unkey(kx), op.y1 = unkey(ky);
    op.color = c.palette[size_t(slot)];
  } else {
    op.kind = SurfaceOp::Kind((first >> 1) & 3);
    int slot = int(first >> 3);
    if (slot == kEscape) {
      const Color color = in.color();
      slot = c.take(color);
    }
    op.color = c.palette[size_t(slot)];
    const std::int64_t dx = in.delta(), dy = in.delta();
    switch (op.kind) {
      case SurfaceOp::Point: {
        std::int64_t px, py;
        c.predict(slot, px, py);
        const std::int64_t kx = px + dx, ky = py + dy;
        c.advance(slot, kx, ky);
        op.x1 = unkey(kx), op.y1 = unkey(ky);
        break;
      }
      case SurfaceOp::Line: {
        const std::int64_t kx = c.lastX + dx, ky = c.lastY + dy;
        const std::int64_t kx2 = kx + in.delta(), ky2 = ky + in.delta();
        op.x1 = unkey(kx), op.y1 = unkey(ky), op.x2 = unkey(kx2), op.y2 = unkey(ky2);
        c.lastX = kx2, c.lastY = ky2;
        break;
      }
      case SurfaceOp::Circle: {
        const std::int64_t kx = c.lastX + dx, ky = c.lastY + dy, kr = c.lastR + in.delta();
        op.x1 = unkey(kx), op.y1 = unkey(ky), op.x2 = unkey(kr);
        c.lastX = kx, c.lastY = ky, c.lastR = kr;
        break;
      }
      case SurfaceOp::Text: {
        const std::int64_t kx = c.lastX + dx, ky = c.lastY + dy;
        op.x1 = unkey(kx), op.y1 = unkey(ky);
        op.text = c.textCount++;
        c.lastX = kx, c.lastY = ky;
        break;
      }
    }
  }
  pos_ = size_t(in.p - base);
  return true;
}

}  // namespace fv

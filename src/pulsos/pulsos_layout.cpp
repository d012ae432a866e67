#include "pulsos/pulsos.hpp"

namespace fv {

const std::vector<Ctl>& pulsosLayout() {
  using ctl::button, ctl::surface;
  // clang-format off
  static const std::vector<Ctl> table = {
      surface("Picture1", {120, 0, 7455, 4095}, pal::grey),
      surface("Picture3", {120, 4080, 7455, 6615}, pal::grey),
      surface("Picture2", {8040, 0, 4935, 4095}, pal::grey),
      button("Inicio", {9120, 6960, 3375, 615}, nullptr, font::bold12),
      button("resultante", {9120, 7680, 3375, 615}, nullptr, font::bold12),
      button("resultante2", {9120, 8520, 3375, 615}, nullptr, font::bold12),
      button("FIM", {9120, 9240, 3375, 615}, nullptr, font::bold138),
  };
  // clang-format on
  return table;
}

}  // namespace fv

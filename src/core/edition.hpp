#pragma once

namespace fv {

enum class Edition { PT, ES };

}  // namespace fv

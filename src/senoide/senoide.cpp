#include "senoide/senoide.hpp"

namespace fv {

std::unique_ptr<Form> makeSenoide(App&) { return nullptr; }

}  // namespace fv

#include "simula2/simula2.hpp"

namespace fv {

std::unique_ptr<Form> makeSimula2(App&) { return nullptr; }

}  // namespace fv

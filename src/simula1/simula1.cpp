#include "simula1/simula1.hpp"

namespace fv {

std::unique_ptr<Form> makeSimula1(App&) { return nullptr; }

}  // namespace fv

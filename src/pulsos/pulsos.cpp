#include "pulsos/pulsos.hpp"

namespace fv {

std::unique_ptr<Form> makeHarmonicasPulsos(App&) { return nullptr; }

}  // namespace fv

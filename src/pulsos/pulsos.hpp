#pragma once

#include <memory>

#include "shell/form.hpp"

namespace fv {

// Creates the HarmonicasPulsos window (nullptr while the window is not built yet).
std::unique_ptr<Form> makeHarmonicasPulsos(App& app);

}  // namespace fv

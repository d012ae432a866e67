#pragma once

#include <memory>

#include "shell/form.hpp"

namespace fv {

// Creates the simula1 window (nullptr while the window is not built yet).
std::unique_ptr<Form> makeSimula1(App& app);

}  // namespace fv

#pragma once

#include <memory>

#include "shell/form.hpp"

namespace fv {

// Creates the simula2 window (nullptr while the window is not built yet).
std::unique_ptr<Form> makeSimula2(App& app);

}  // namespace fv

#pragma once

#include <memory>

#include "shell/form.hpp"

namespace fv {

// Creates the Geração window (nullptr while the window is not built yet).
std::unique_ptr<Form> makeGeracao(App& app);

}  // namespace fv

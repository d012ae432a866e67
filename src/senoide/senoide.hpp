#pragma once

#include <memory>

#include "shell/form.hpp"

namespace fv {

// Creates the Senoide window (nullptr while the window is not built yet).
std::unique_ptr<Form> makeSenoide(App& app);

}  // namespace fv

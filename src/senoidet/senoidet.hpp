#pragma once

#include <memory>

#include "shell/form.hpp"

namespace fv {

// Creates the SenoideT window (nullptr while the window is not built yet).
std::unique_ptr<Form> makeSenoideT(App& app);

}  // namespace fv

#include "senoidet/senoidet.hpp"

namespace fv {

std::unique_ptr<Form> makeSenoideT(App&) { return nullptr; }

}  // namespace fv

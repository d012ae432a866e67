// The windows built into the program: where the layers meet. The two
// programs and the tests set up an App with them.
#pragma once

namespace fv {

class App;

// Gives the program its main menu and the work windows built into it
// (FERVANO_WINDOWS in CMake lists them; all by default).
void registerWindows(App& app);

}  // namespace fv

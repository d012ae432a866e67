#include "app/windows.hpp"
#include "application/app.hpp"

int main(int argc, char** argv) { return fv::runProgram(argc, argv, fv::Edition::ES, fv::registerWindows); }

// Every colour the program paints with, one name each. Windows name a colour
// by what it is here; a role ("the cable", "the grid") is a comment at the
// place it is used, not a second name.
#pragma once

#include "drawing/color.hpp"

namespace fv::pal {

// clang-format off
// Greys
constexpr Color black      = RGB(0, 0, 0);
constexpr Color charcoal   = RGB(50, 50, 50);       // the pulse window's time grid
constexpr Color shadow     = RGB(64, 64, 64);
constexpr Color slate      = RGB(117, 128, 134);
constexpr Color darkGrey   = RGB(128, 128, 128);
constexpr Color gridGrey   = RGB(150, 150, 150);    // the lines of every sine grid
constexpr Color grey       = RGB(192, 192, 192);    // window, frame and button face
constexpr Color paper      = RGB(224, 224, 224);    // the sine plots' background
constexpr Color white      = RGB(255, 255, 255);

// The sixteen-colour basics
constexpr Color darkGreen  = RGB(0, 128, 0);
constexpr Color teal       = RGB(0, 128, 128);
constexpr Color blue       = RGB(0, 0, 255);
constexpr Color green      = RGB(0, 255, 0);
constexpr Color cyan       = RGB(0, 255, 255);
constexpr Color red        = RGB(255, 0, 0);
constexpr Color magenta    = RGB(255, 0, 255);
constexpr Color yellow     = RGB(255, 255, 0);

// Deep tones
constexpr Color midnight   = RGB(0, 0, 58);
constexpr Color deepBlue   = RGB(0, 0, 150);
constexpr Color royalBlue  = RGB(0, 0, 192);
constexpr Color mediumGreen= RGB(0, 192, 0);
constexpr Color emerald    = RGB(0, 161, 58);
constexpr Color deepTeal   = RGB(0, 128, 134);
constexpr Color turquoise  = RGB(0, 194, 192);
constexpr Color skyBlue    = RGB(0, 192, 255);
constexpr Color leafGreen  = RGB(107, 161, 61);
constexpr Color darkYellow = RGB(192, 192, 0);
constexpr Color chartreuse = RGB(204, 218, 0);
constexpr Color brick      = RGB(215, 40, 37);
constexpr Color gold       = RGB(238, 207, 0);
constexpr Color redOrange  = RGB(255, 100, 0);
constexpr Color orange     = RGB(255, 128, 0);
constexpr Color violet     = RGB(200, 10, 255);

// Vivid and soft tones
constexpr Color vividBlue  = RGB(50, 50, 255);
constexpr Color vividGreen = RGB(50, 255, 50);
constexpr Color vividRed   = RGB(255, 50, 50);
constexpr Color softGreen  = RGB(100, 255, 100);
constexpr Color lightGreen = RGB(128, 255, 128);
constexpr Color lightCyan  = RGB(128, 255, 255);
constexpr Color lightYellow= RGB(255, 255, 128);
constexpr Color salmon     = RGB(255, 127, 127);
constexpr Color dustyRose  = RGB(210, 145, 153);
constexpr Color peach      = RGB(255, 192, 128);
constexpr Color apricot    = RGB(255, 200, 100);
constexpr Color lime       = RGB(200, 255, 100);

// Pale tones
constexpr Color paleCyan   = RGB(192, 255, 255);
constexpr Color paleGreen  = RGB(192, 255, 192);
constexpr Color paleYellow = RGB(255, 255, 192);
constexpr Color palePink   = RGB(255, 192, 192);
constexpr Color blush      = RGB(255, 176, 176);    // a field that cannot be read
constexpr Color lavender   = RGB(200, 200, 255);
constexpr Color mint       = RGB(200, 255, 200);
constexpr Color rosePink   = RGB(255, 200, 200);
constexpr Color iceBlue    = RGB(215, 247, 255);
// clang-format on

}  // namespace fv::pal

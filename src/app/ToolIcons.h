#pragma once

#include <QIcon>

// The tool bar's pictures, drawn by the program: one per button, in tool bar order
// (Clear, Open, Save, FColor, BColor, Center, Play, Save C, Vmode, Reverse, CBars, CDown,
// Ccheck).
namespace toolicons {
constexpr int kCount = 13;
QIcon icon(int index);
} // namespace toolicons

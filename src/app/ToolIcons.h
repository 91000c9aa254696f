#pragma once

#include <QIcon>

// The tool bar's pictures, drawn by the program: one per button, in tool bar order
// (Clear, Open, Save, FColor, BColor, Center, Play, Save C, Vmode, Reverse, CBars, CDown,
// Ccheck), then Voice, which stands beside Play.
namespace toolicons {
constexpr int kCount = 14;
QIcon icon(int index);
} // namespace toolicons

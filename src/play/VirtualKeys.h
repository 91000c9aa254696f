#pragma once

// The virtual-key code the play window's key handler works with, for a Qt key: 27 Esc,
// 32 Space, 33 Page Up, 34 Page Down, 35 End, 36 Home, 37..40 the arrows (left, up, right,
// down), 13 Enter, 8 Backspace, 9 Tab, 45 Insert, 46 Delete, 48..57 the digits, 65..90 the
// letters, 112..123 F1..F12. Any other key gives 0.
int virtualKeyCode(int qtKey);

#pragma once
// The program's icon from the executable's resources (MAINICON, 32 x 32, 16 colours); none when
// the running executable does not carry it.
#include <windows.h>

HICON AppIcon();

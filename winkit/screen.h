#pragma once
// The monitors the desktop is made of.
#include "winkit/component.h"

namespace winkit {

// True when some part of the screen rectangle lies on a monitor.
bool IsOnAnyMonitor(const Rect& screen_rect);

} // namespace winkit

#include "winkit/screen.h"

#include <windows.h>

namespace winkit {

bool IsOnAnyMonitor(const Rect& r) {
    const RECT rect{r.left, r.top, r.left + r.width, r.top + r.height};
    return MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr;
}

} // namespace winkit

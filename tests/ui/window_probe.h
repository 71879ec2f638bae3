#pragma once
// What a user would read off a window: its text and its menus, through the wide functions.
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

namespace ui_test {

std::wstring WindowText(HWND window);

struct MenuEntry {
    std::wstring caption; // "-" for a separator
    bool checked = false;
    bool operator==(const MenuEntry&) const = default;
};
void PrintTo(const MenuEntry& entry, std::ostream* os);

// The items of one menu, in order.
std::vector<MenuEntry> MenuEntries(HMENU menu);
std::vector<std::wstring> MenuCaptions(HMENU menu);

} // namespace ui_test

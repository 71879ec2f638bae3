#include "window_probe.h"

#include "winkit/text.h"

namespace ui_test {

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

void PrintTo(const MenuEntry& entry, std::ostream* os) {
    *os << winkit::Narrow(entry.caption) << (entry.checked ? " (checked)" : "");
}

std::vector<MenuEntry> MenuEntries(HMENU menu) {
    std::vector<MenuEntry> entries;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[512] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_STATE;
        info.dwTypeData = text;
        info.cch = 511;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        entries.push_back({(info.fType & MFT_SEPARATOR) ? L"-" : std::wstring(text),
                           (info.fState & MFS_CHECKED) != 0});
    }
    return entries;
}

std::vector<std::wstring> MenuCaptions(HMENU menu) {
    std::vector<std::wstring> captions;
    for (const MenuEntry& entry : MenuEntries(menu)) {
        captions.push_back(entry.caption);
    }
    return captions;
}

} // namespace ui_test

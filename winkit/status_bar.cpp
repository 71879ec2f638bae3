#include "winkit/status_bar.h"

#include <commctrl.h>

#include "winkit/error.h"
#include "winkit/text.h"

namespace winkit {

void StatusBar::Create(HWND parent, const Rect& bounds, std::string_view caption) {
    CreateHandle(STATUSCLASSNAMEW, WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE, 0, parent, bounds,
                 caption);
}

void StatusBar::SetPanels(const std::vector<PanelSpec>& panels) {
    panels_ = panels;
    std::vector<int> edges;
    int right = 0;
    for (std::size_t i = 0; i < panels.size(); ++i) {
        right += panels[i].width;
        edges.push_back(i + 1 == panels.size() ? -1 : right);
    }
    SendMessageW(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (int i = 0; i < PanelCount(); ++i) {
        SetPanelText(i, "");
    }
}

std::vector<int> StatusBar::PanelEdges() const {
    const int count = static_cast<int>(SendMessageW(Handle(), SB_GETPARTS, 0, 0));
    std::vector<int> edges(static_cast<std::size_t>(count));
    SendMessageW(Handle(), SB_GETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    return edges;
}

std::string StatusBar::PanelText(int index) const {
    const LRESULT info = SendMessageW(Handle(), SB_GETTEXTLENGTHW, index, 0);
    std::wstring text(static_cast<std::size_t>(LOWORD(info)) + 1, L'\0');
    SendMessageW(Handle(), SB_GETTEXTW, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(LOWORD(info));
    return Narrow(text);
}

void StatusBar::SetPanelText(int index, std::string_view text) {
    if (index < 0 || index >= PanelCount()) {
        throw Error("status bar panel out of range: " + std::to_string(index));
    }
    const WPARAM how = static_cast<WPARAM>(index) |
                       (panels_[static_cast<std::size_t>(index)].bevel ? 0 : SBT_NOBORDERS);
    SendMessageW(Handle(), SB_SETTEXTW, how, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void ProgressBar::Create(HWND parent, const Rect& bounds, std::string_view caption) {
    CreateHandle(PROGRESS_CLASSW, WS_VISIBLE | (smooth_ ? PBS_SMOOTH : 0), 0, parent, bounds,
                 caption);
    SetMin(0);
    SetMax(100);
}

void ProgressBar::SetSmooth(bool smooth) {
    smooth_ = smooth;
    if (!Handle()) {
        return;
    }
    LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    style = smooth ? (style | PBS_SMOOTH) : (style & ~static_cast<LONG_PTR>(PBS_SMOOTH));
    SetWindowLongPtrW(Handle(), GWL_STYLE, style);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void ProgressBar::SetMin(int min) {
    SendMessageW(Handle(), PBM_SETRANGE32, min, Max());
}
void ProgressBar::SetMax(int max) {
    SendMessageW(Handle(), PBM_SETRANGE32, Min(), max);
}
void ProgressBar::SetPosition(int position) {
    SendMessageW(Handle(), PBM_SETPOS, position, 0);
}
int ProgressBar::Min() const {
    return static_cast<int>(SendMessageW(Handle(), PBM_GETRANGE, TRUE, 0));
}
int ProgressBar::Max() const {
    return static_cast<int>(SendMessageW(Handle(), PBM_GETRANGE, FALSE, 0));
}
int ProgressBar::Position() const {
    return static_cast<int>(SendMessageW(Handle(), PBM_GETPOS, 0, 0));
}

} // namespace winkit

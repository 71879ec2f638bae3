#include "winkit/page_control.h"

#include <commctrl.h>

#include "winkit/text.h"

namespace winkit {

void PageControl::Create(HWND parent, const Rect& bounds, std::string_view caption) {
    CreateHandle(WC_TABCONTROLW, WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                 WS_EX_CONTROLPARENT, parent, bounds, caption);
}

Rect PageControl::DisplayRect() const {
    RECT r;
    GetClientRect(Handle(), &r);
    SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void PageControl::SetBounds(const Rect& bounds) {
    Control::SetBounds(bounds);
    const Rect area = DisplayRect();
    for (TabSheet* page : pages_) {
        page->SetBounds(area);
    }
}

void PageControl::AddPage(TabSheet& page, std::string_view caption) {
    std::wstring text = Widen(caption);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(Handle(), TCM_INSERTITEMW, pages_.size(), reinterpret_cast<LPARAM>(&item));
    page.Create(Handle(), DisplayRect(), caption);
    pages_.push_back(&page);
    ShowActivePage();
}

int PageControl::ActivePageIndex() const {
    return static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
}

void PageControl::SetActivePage(int index) {
    SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    ShowActivePage();
}

void PageControl::SetActivePage(const TabSheet& page) {
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        if (pages_[i] == &page) {
            SetActivePage(static_cast<int>(i));
        }
    }
}

void PageControl::ShowActivePage() {
    const int active = ActivePageIndex();
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        pages_[i]->SetVisible(static_cast<int>(i) == active);
    }
}

bool PageControl::HandleNotify(NMHDR* header, LRESULT& result) {
    if (header->code == TCN_SELCHANGE) {
        ShowActivePage();
        result = 0;
        return true;
    }
    return false;
}

} // namespace winkit

#pragma once
// A page control: tabs across the top, one page (a container for controls) shown at a time.
#include <vector>

#include "winkit/controls.h"

namespace winkit {

class TabSheet : public Container {};

class PageControl : public Control {
public:
    void Create(HWND parent, const Rect& bounds, std::string_view caption) override;
    void SetBounds(const Rect& bounds) override;
    // Makes `page` the next page, with its tab showing `caption`; the page fills the display
    // area below the tabs. Controls go onto page.Handle().
    void AddPage(TabSheet& page, std::string_view caption);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TabSheet& Page(int index) { return *pages_.at(static_cast<std::size_t>(index)); }
    int ActivePageIndex() const;
    void SetActivePage(int index);
    void SetActivePage(const TabSheet& page);
    // The rectangle a page takes, in the page control's client pixels.
    Rect DisplayRect() const;

    bool HandleNotify(NMHDR* header, LRESULT& result) override;

private:
    void ShowActivePage();
    std::vector<TabSheet*> pages_;
};

} // namespace winkit

#pragma once
// The main menu and its items. Items are members of their form and are put together with Add;
// a hidden item is taken out of the system menu and put back at its place when shown again.
// A caption "-" makes a separator. Accelerator letters come only from a "&" in a caption.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "winkit/component.h"

namespace winkit {

class MenuItem : public Component {
public:
    MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    // Appends `child` to this item's submenu.
    void Add(MenuItem& child);
    const std::vector<MenuItem*>& Items() const { return items_; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string_view caption);
    bool IsSeparator() const { return caption_ == "-"; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // The WM_COMMAND identifier of the item.
    UINT Command() const { return command_; }
    // The item of this subtree with that identifier, or nullptr.
    MenuItem* Find(UINT command);
    // Runs OnClick, as choosing the item does.
    void Click();

    NotifyEvent OnClick;

protected:
    // The system menu that holds this item's children (a menu bar for the main menu).
    HMENU submenu_ = nullptr;
    virtual void Changed(); // the system menu that shows this item changed

private:
    bool Inserted() const;
    UINT VisiblePosition() const; // position among the visible items before it
    void Insert();
    void Remove();
    void Update();
    MENUITEMINFOW Info(std::wstring& caption_buffer) const;

    MenuItem* parent_ = nullptr;
    std::vector<MenuItem*> items_;
    std::string caption_;
    bool visible_ = true;
    bool checked_ = false;
    bool enabled_ = true;
    UINT command_;
};

// The menu bar of a form (Form::SetMenu attaches it).
class MainMenu : public MenuItem {
public:
    MainMenu();
    HMENU Handle() const { return submenu_; }
    void AttachTo(HWND window);

protected:
    void Changed() override;

private:
    HWND window_ = nullptr;
};

} // namespace winkit

#include "winkit/menu.h"

#include "winkit/text.h"

namespace winkit {

namespace {
// Above the dialog identifiers (IDOK ... IDCONTINUE), so a menu command is never taken for one.
UINT next_command = 0x100;
} // namespace

MenuItem::MenuItem() : command_(next_command++) {}

void MenuItem::Add(MenuItem& child) {
    if (!submenu_) {
        submenu_ = CreatePopupMenu();
        Update(); // an item already shown now opens a submenu
    }
    child.parent_ = this;
    items_.push_back(&child);
    if (child.visible_) {
        child.Insert();
    }
}

bool MenuItem::Inserted() const {
    return parent_ && parent_->submenu_ && visible_;
}

UINT MenuItem::VisiblePosition() const {
    UINT position = 0;
    for (const MenuItem* sibling : parent_->items_) {
        if (sibling == this) {
            break;
        }
        if (sibling->visible_) {
            ++position;
        }
    }
    return position;
}

MENUITEMINFOW MenuItem::Info(std::wstring& caption_buffer) const {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU;
    info.wID = command_;
    info.hSubMenu = submenu_;
    info.fState =
        (checked_ ? MFS_CHECKED : MFS_UNCHECKED) | (enabled_ ? MFS_ENABLED : MFS_DISABLED);
    if (IsSeparator()) {
        info.fType = MFT_SEPARATOR;
    } else {
        info.fType = MFT_STRING;
        info.fMask |= MIIM_STRING;
        caption_buffer = Widen(caption_);
        info.dwTypeData = caption_buffer.data();
    }
    return info;
}

void MenuItem::Insert() {
    std::wstring caption;
    MENUITEMINFOW info = Info(caption);
    InsertMenuItemW(parent_->submenu_, VisiblePosition(), TRUE, &info);
    parent_->Changed();
}

void MenuItem::Remove() {
    // RemoveMenu, not DeleteMenu: the submenu of the item must survive being hidden.
    RemoveMenu(parent_->submenu_, VisiblePosition(), MF_BYPOSITION);
    parent_->Changed();
}

void MenuItem::Update() {
    if (!Inserted()) {
        return;
    }
    std::wstring caption;
    MENUITEMINFOW info = Info(caption);
    SetMenuItemInfoW(parent_->submenu_, VisiblePosition(), TRUE, &info);
    parent_->Changed();
}

void MenuItem::Changed() {}

void MenuItem::SetCaption(std::string_view caption) {
    caption_ = caption;
    Update();
}

void MenuItem::SetVisible(bool visible) {
    if (visible == visible_) {
        return;
    }
    if (!parent_) {
        visible_ = visible;
        return;
    }
    if (visible) {
        visible_ = true;
        Insert();
    } else {
        Remove(); // position counted while still visible
        visible_ = false;
    }
}

void MenuItem::SetChecked(bool checked) {
    checked_ = checked;
    Update();
}

void MenuItem::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Update();
}

MenuItem* MenuItem::Find(UINT command) {
    if (command == command_) {
        return this;
    }
    for (MenuItem* item : items_) {
        if (MenuItem* found = item->Find(command)) {
            return found;
        }
    }
    return nullptr;
}

void MenuItem::Click() {
    if (OnClick) {
        OnClick(this);
    }
}

MainMenu::MainMenu() {
    submenu_ = CreateMenu();
}

void MainMenu::AttachTo(HWND window) {
    window_ = window;
    SetMenu(window, submenu_);
}

void MainMenu::Changed() {
    if (window_) {
        DrawMenuBar(window_);
    }
}

} // namespace winkit

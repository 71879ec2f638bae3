#include "ui/app_icon.h"

HICON AppIcon() {
    static HICON icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
    return icon;
}

#include "test_folder.h"

#include <windows.h>

#include <algorithm>

#include "winkit/text.h"

namespace ui_test {

namespace {

void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring path = folder + L"\\" + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(folder.c_str());
}

} // namespace

TestFolder::TestFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    std::wstring folder = std::wstring(temp) + L"ravoxel-ui-" +
                          std::to_wstring(GetCurrentProcessId()) + L"-" +
                          std::to_wstring(++counter);
    RemoveTree(folder);
    CreateDirectoryW(folder.c_str(), nullptr);
    path_ = winkit::Narrow(folder);
}

TestFolder::~TestFolder() {
    RemoveTree(winkit::Widen(path_));
}

std::vector<std::string> TestFolder::Files() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((winkit::Widen(path_) + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                names.push_back(winkit::Narrow(name));
            }
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace ui_test

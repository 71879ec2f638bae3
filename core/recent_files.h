#pragma once
// The five most recent source files and the captions of their File-menu items.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ravoxel {

// Entry 0 is the most recent. An empty text is a free entry.
using RecentFileList = std::array<std::string, 5>;

// Puts `path` at the head. An entry equal to it (exact, case-sensitive) moves to the front;
// otherwise the entries before the first free one move back by one (the last one is dropped
// when none is free). Entries behind the first free entry stay where they are.
void AddRecentFile(RecentFileList& list, std::string_view path);

// What a refresh of the menu does. Items are shown, never hidden: an item whose entry is empty
// keeps whatever state it had.
struct RecentMenuRefresh {
    // For each entry: the caption "&<k> <path>" of an item to show, or nothing for an empty entry.
    std::array<std::optional<std::string>, 5> captions;
    bool show_separator = false; // the separator below the items, shown with the first item
};

RecentMenuRefresh RefreshRecentMenu(const RecentFileList& list);

} // namespace ravoxel

#include "core/recent_files.h"

#include <algorithm>

namespace ravoxel {

void AddRecentFile(RecentFileList& list, std::string_view path) {
    if (path.empty())
        return; // an empty entry means a free one; it is never put at the head
    auto stop = std::find(list.begin(), list.end(), path);
    if (stop == list.end())
        stop = std::find(list.begin(), list.end(), std::string_view());
    if (stop == list.end())
        stop = list.end() - 1; // full: the oldest entry is dropped
    std::move_backward(list.begin(), stop, stop + 1);
    list.front() = path;
}

RecentMenuRefresh RefreshRecentMenu(const RecentFileList& list) {
    RecentMenuRefresh refresh;
    for (std::size_t k = 0; k < list.size(); ++k) {
        if (!list[k].empty())
            refresh.captions[k] = '&' + std::to_string(k + 1) + ' ' + list[k];
    }
    refresh.show_separator = !list.front().empty();
    return refresh;
}

} // namespace ravoxel

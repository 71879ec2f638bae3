#include "cli/source_bytes.h"

#include "cli/file_io.h"

#include <algorithm>
#include <cstring>

namespace ravoxel::cli {

void SourceBytes::Reserve(std::size_t capacity) {
    if (capacity <= capacity_)
        return;
    auto grown = std::make_unique_for_overwrite<char[]>(capacity);
    AdviseLargeBuffer(grown.get(), capacity);
    if (size_ != 0)
        std::memcpy(grown.get(), data_.get(), size_);
    data_ = std::move(grown);
    capacity_ = capacity;
}

std::span<char> SourceBytes::Room() {
    if (size_ == capacity_)
        Reserve(std::max<std::size_t>(2 * capacity_, 65536));
    return {data_.get() + size_, capacity_ - size_};
}

void SourceBytes::AdoptMapping(const char* data, std::size_t size, Unmap unmap) {
    mapped_ = data;
    unmap_ = unmap;
    size_ = size;
}

void SourceBytes::Release() {
    if (mapped_ != nullptr)
        unmap_(mapped_, size_);
    mapped_ = nullptr;
    data_.reset();
    size_ = capacity_ = 0;
}

} // namespace ravoxel::cli

#pragma once
// The whole content of a source: read into a buffer that is not zero-filled first, or a mapped
// view of the file. A source of tens of megabytes is taken in one piece, and every pass over it
// counts.
#include <cstddef>
#include <memory>
#include <span>
#include <string_view>

namespace ravoxel::cli {

class SourceBytes {
public:
    using Unmap = void (*)(const char* data, std::size_t size);

    SourceBytes() = default;
    SourceBytes(const SourceBytes&) = delete;
    SourceBytes& operator=(const SourceBytes&) = delete;
    ~SourceBytes() { Release(); }

    std::string_view view() const { return {mapped_ ? mapped_ : data_.get(), size_}; }
    std::size_t size() const { return size_; }

    // Holds `size` bytes mapped at `data`; `unmap` gives them back at Release(). Only on an
    // empty object.
    void AdoptMapping(const char* data, std::size_t size, Unmap unmap);

    // Makes room for `capacity` bytes in all, keeping the bytes already read.
    void Reserve(std::size_t capacity);
    // The free room after the bytes read so far; it grows first when there is none.
    std::span<char> Room();
    // Counts `count` bytes just read into Room() as content.
    void Commit(std::size_t count) { size_ += count; }
    void Release();

private:
    std::unique_ptr<char[]> data_;
    const char* mapped_ = nullptr;
    Unmap unmap_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

} // namespace ravoxel::cli

// POSIX file access for ravoxel-cli: a source mapped (or read) in one piece; an output written to
// a temporary file in the target's folder, then link(2) (refuses an existing target) or
// rename(2) (replaces it in one step).
#include "cli/file_io.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace ravoxel::cli {

namespace {

std::string Reason(int error) {
    return std::strerror(error);
}

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// Reads `fd` to its end; room for `expected` bytes and one more, so that the read which finds
// the end of a file of the expected size needs no second buffer.
std::string ReadToEnd(int fd, SourceBytes& content, std::size_t expected) {
    content.Reserve(expected + 1);
    for (;;) {
        const std::span<char> room = content.Room();
        const ssize_t n = ::read(fd, room.data(), room.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Reason(errno);
        if (n == 0)
            return {};
        content.Commit(static_cast<std::size_t>(n));
    }
}

// Mapping a file shares the page cache's pages: no copy, and no fresh memory to be cleared,
// which is most of a whole-file run's cost. A file cut short by another process while it is
// mapped raises SIGBUS on the lost pages; that ends the run with a message instead of a crash.
// Nothing has been written at that point (the mapping is released before any output is made).
std::string g_mapped_path;

void OnMappedFileShrank(int) {
    static const char prefix[] = "ravoxel-cli: ";
    static const char suffix[] = ": the file was cut short while it was read; no output written\n";
    (void)!::write(2, prefix, sizeof prefix - 1);
    (void)!::write(2, g_mapped_path.data(), g_mapped_path.size());
    (void)!::write(2, suffix, sizeof suffix - 1);
    ::_exit(1);
}

void Unmap(const char* data, std::size_t size) {
    ::munmap(const_cast<char*>(data), size);
}

bool MapWholeFile(int fd, const std::string& path, std::size_t size, SourceBytes& content) {
    void* data = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    if (data == MAP_FAILED)
        return false; // read it instead
    g_mapped_path = path;
    struct sigaction action {};
    action.sa_handler = OnMappedFileShrank;
    ::sigaction(SIGBUS, &action, nullptr);
    content.AdoptMapping(static_cast<const char*>(data), size, Unmap);
    return true;
}

} // namespace

PathKind InspectPath(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return PathKind::missing;
    return S_ISDIR(st.st_mode) ? PathKind::folder : PathKind::file;
}

void AdviseLargeBuffer(char* data, std::size_t size) {
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t kHuge = std::uintptr_t{1} << 21;
    const auto begin = (reinterpret_cast<std::uintptr_t>(data) + kHuge - 1) & ~(kHuge - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + size) & ~(kHuge - 1);
    if (end > begin)
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
    (void)data;
    (void)size;
#endif
}

char PathSeparator() {
    return '/';
}
bool IsPathSeparator(char byte) {
    return byte == '/';
}
bool IsPathLeadByte(unsigned char) {
    return false;
}

std::string ReadWholeFile(const std::string& path, SourceBytes& content) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return Reason(errno);
    struct stat st;
    if (::fstat(fd.get(), &st) != 0)
        return Reason(errno);
    if (S_ISDIR(st.st_mode))
        return "is a folder, not a file";
    if (S_ISREG(st.st_mode) && st.st_size > 0 && MapWholeFile(fd.get(), path, st.st_size, content))
        return {};
    return ReadToEnd(fd.get(), content, S_ISREG(st.st_mode) ? st.st_size : 0);
}

std::string WriteFileAtomically(const std::string& target, std::string_view data, bool replace) {
    // Created with 0666 so the umask decides the final mode, as for any new file.
    std::string temp;
    int raw_fd = -1;
    for (int attempt = 0; attempt < 100 && raw_fd < 0; ++attempt) {
        temp = target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        raw_fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (raw_fd < 0 && errno != EEXIST)
            break;
    }
    if (raw_fd < 0)
        return "cannot create the output there: " + Reason(errno);
    Fd fd(raw_fd);

    auto fail = [&](int error) {
        ::unlink(temp.c_str());
        return Reason(error);
    };
    struct stat old;
    if (replace && ::stat(target.c_str(), &old) == 0)
        ::fchmod(fd.get(), old.st_mode & 07777); // a replaced file keeps its permissions
    for (std::size_t done = 0; done < data.size();) {
        ssize_t n = ::write(fd.get(), data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(errno);
        done += static_cast<std::size_t>(n);
    }
    if (::close(fd.release()) != 0)
        return fail(errno);

    if (replace) {
        if (::rename(temp.c_str(), target.c_str()) != 0)
            return fail(errno);
        return {};
    }
    // link() fails when the target exists, also one that appeared during the conversion.
    if (::link(temp.c_str(), target.c_str()) == 0) {
        ::unlink(temp.c_str());
        return {};
    }
    if (errno == EEXIST) {
        ::unlink(temp.c_str());
        return kOutputExists;
    }
    // A file system without hard links: check, then rename.
    struct stat st;
    if (::lstat(target.c_str(), &st) == 0) {
        ::unlink(temp.c_str());
        return kOutputExists;
    }
    if (::rename(temp.c_str(), target.c_str()) != 0)
        return fail(errno);
    return {};
}

void PrepareStandardStreams() {}

} // namespace ravoxel::cli

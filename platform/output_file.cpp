#include "output_file.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace {

std::string Cannot(const std::string& path, int error) {
    return "cannot write " + path + ": " + std::strerror(error);
}

// Every byte, however many calls it takes; false with errno set on a failure. A socket whose
// reader has gone answers EPIPE rather than ending the process.
bool WriteAll(int fd, std::string_view bytes, bool socket = false) {
    while (!bytes.empty()) {
        const ssize_t n = socket ? ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL)
                                 : ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// The process's umask, read without changing it (umask(2) would, for every thread).
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(std::strtol(line.c_str() + 6, nullptr, 8));
    }
    return 022;
}

// Names of this process's own streams: whatever they lead to, they are written into.
bool IsOwnStream(const std::string& path) {
    for (const char* prefix : {"/dev/std", "/dev/fd/", "/proc/self/fd/"}) {
        if (path.rfind(prefix, 0) == 0) return true;
    }
    return false;
}

// The rename itself on the disk. The new file is in place whatever this answers, and some file
// systems cannot sync a folder, so a failure here is not reported.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// A Unix socket cannot be opened, only connected to, as `nc -U` does; -1 with errno set.
int Connect(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        errno = ENAMETOOLONG;
        return -1;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 &&
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

std::string WriteInto(const std::string& path, std::string_view bytes, bool socket) {
    const int fd =
        socket ? Connect(path) : ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return Cannot(path, errno);
    const bool written = WriteAll(fd, bytes, socket);
    const int error = errno;
    if (::close(fd) != 0 && written) return Cannot(path, errno);
    return written ? std::string() : Cannot(path, error);
}

}  // namespace

std::string WriteWholeFile(const std::string& path, std::string_view bytes) {
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) return Cannot(path, EISDIR);
    if ((exists && !S_ISREG(st.st_mode)) || IsOwnStream(path))
        return WriteInto(path, bytes, exists && S_ISSOCK(st.st_mode));

    // A link to a regular file stays a link: the file it leads to is replaced.
    std::string target = path;
    if (exists) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            target = real;
            std::free(real);
        }
    }
    const auto slash = target.rfind('/');
    std::string temporary =
        (slash == std::string::npos ? std::string() : target.substr(0, slash + 1)) +
        ".vesk-render-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return Cannot(path, errno);
    static const mode_t umask = CurrentUmask();
    ::fchmod(fd, exists ? (st.st_mode & 07777) : (0666 & ~umask));
    bool written = WriteAll(fd, bytes);
    int error = errno;
    // On the disk before it takes the old file's name, so that a power cut cannot leave an empty
    // file where a good one was.
    if (written && ::fsync(fd) != 0) {
        written = false;
        error = errno;
    }
    // Some file systems report a full disk only when the file is closed.
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && ::rename(temporary.c_str(), target.c_str()) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        ::unlink(temporary.c_str());
        return Cannot(path, error);
    }
    SyncFolder(slash == std::string::npos ? std::string(".") : target.substr(0, slash + 1));
    return {};
}

std::string WriteStandardOutput(std::string_view bytes) {
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    int error = errno;
    if (std::fflush(stdout) != 0 && written) error = errno;
    if (written && !std::ferror(stdout)) return {};
    return std::string("cannot write standard output: ") + std::strerror(error);
}

std::string MakeDirectories(const std::string& path) {
    for (size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
        const std::string part = path.substr(0, end);
        if (!part.empty() && ::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) {
            return "cannot create the directory " + path + ": " + std::strerror(errno);
        }
        if (end == std::string::npos) break;
    }
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return "cannot create the directory " + path + ": " + std::strerror(errno);
    if (!S_ISDIR(st.st_mode))
        return "cannot create the directory " + path + ": " + std::strerror(ENOTDIR);
    return {};
}

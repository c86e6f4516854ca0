// Makes one kind of file-system call fail for files under one folder, so that every step of
// the writing path can be shown to fail safely. Linked into a test program it replaces the C
// library's calls there; built as a shared library it is loaded into the tool with LD_PRELOAD.
//
//   VESTRA_FAIL_CALL   write | fsync | close | rename
//   VESTRA_FAIL_UNDER  the folder whose files fail (the file descriptor's or the new name's path)
//
// Without both variables every call goes through unchanged.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace {

template <typename Function> Function real(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

bool failing(const char* call) {
    const char* which = std::getenv("VESTRA_FAIL_CALL");
    const char* under = std::getenv("VESTRA_FAIL_UNDER");
    return which != nullptr && under != nullptr && *under != '\0' && std::strcmp(which, call) == 0;
}

bool isUnder(const std::string& path) {
    std::string folder = std::getenv("VESTRA_FAIL_UNDER");
    return path.compare(0, folder.size(), folder) == 0;
}

std::string pathOf(int fd) {
    char buffer[4096];
    std::string link = "/proc/self/fd/" + std::to_string(fd);
    ssize_t n = ::readlink(link.c_str(), buffer, sizeof buffer);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

bool failsFor(const char* call, int fd) {
    return failing(call) && isUnder(pathOf(fd));
}

} // namespace

extern "C" {

ssize_t write(int fd, const void* data, size_t size) {
    if (failsFor("write", fd)) {
        errno = ENOSPC;
        return -1;
    }
    return real<ssize_t (*)(int, const void*, size_t)>("write")(fd, data, size);
}

int fsync(int fd) {
    if (failsFor("fsync", fd)) {
        errno = EIO;
        return -1;
    }
    return real<int (*)(int)>("fsync")(fd);
}

// A failed close has still released the descriptor, as on Linux.
int close(int fd) {
    bool fail = failsFor("close", fd);
    int result = real<int (*)(int)>("close")(fd);
    if (fail) {
        errno = EIO;
        return -1;
    }
    return result;
}

int rename(const char* from, const char* to) {
    if (failing("rename") && isUnder(to)) {
        errno = EIO;
        return -1;
    }
    return real<int (*)(const char*, const char*)>("rename")(from, to);
}

} // extern "C"

#pragma once

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

namespace vestra::testing {

// A 64 KiB tmpfs mounted for one test, so that a save can meet a full disk. Mounting needs root
// or CAP_SYS_ADMIN; without it mounted() is false and why() says so, for the test to skip.
class SmallDisk {
public:
    explicit SmallDisk(std::string folder) : folder_(std::move(folder)) {
        std::filesystem::create_directories(folder_);
        if (::mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=64k") == 0) {
            mounted_ = true;
        } else {
            why_ = std::string("cannot mount a 64 KiB tmpfs here (") + std::strerror(errno) +
                   "); the full-disk test needs root or CAP_SYS_ADMIN";
        }
    }
    ~SmallDisk() {
        if (mounted_) {
            ::umount2(folder_.c_str(), MNT_DETACH);
        }
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& why() const { return why_; }
    std::string file(const std::string& name) const { return folder_ + "/" + name; }

    // Writes zeros to a filler file until the file system refuses more; true when it ended
    // with "no space left".
    bool fillUp() const {
        int fd = ::open(file("filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0) {
            return false;
        }
        std::string block(4096, '\0');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        int error = errno;
        ::close(fd);
        return error == ENOSPC;
    }

private:
    std::string folder_;
    bool mounted_ = false;
    std::string why_;
};

} // namespace vestra::testing

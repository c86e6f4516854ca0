#include "base/FileFault.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <set>

namespace vestra {
namespace {

// Every number a file, pipe, device or socket operation of the program can meet has words of
// the table, so that both platforms print the same Japanese reason; none falls through to the
// C library's catalogue, whose words follow the platform and the locale.
TEST(FileFaultTest, EveryErrorTheProgramMeetsHasItsOwnWords) {
    const int errors[] = {EBADF,        EPIPE,     EINTR,   EAGAIN,    EMFILE, ENFILE,
                          ENAMETOOLONG, ELOOP,     ETXTBSY, EEXIST,    EXDEV,  ENODEV,
                          ENXIO,        EOVERFLOW, EFBIG,   ENOTEMPTY, EBUSY,  ECONNREFUSED,
                          ETIMEDOUT,    ENOENT,    EACCES,  EPERM,     EROFS,  ENOSPC,
                          EDQUOT,       EIO,       EISDIR,  ENOTDIR,   EINVAL, ENOMEM};
    std::set<std::string> texts;
    for (int error : errors) {
        std::string text = FileFaultText(error);
        EXPECT_NE(text, std::strerror(error)) << error;
        EXPECT_FALSE(text.empty()) << error;
        texts.insert(text);
    }
    // Two pairs share their words: no permission (EACCES, EPERM), no room (ENOSPC, EDQUOT).
    EXPECT_EQ(texts.size(), std::size(errors) - 2);
}

} // namespace
} // namespace vestra

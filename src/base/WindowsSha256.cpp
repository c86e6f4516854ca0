#include "base/Sha256.h"

#include <stdexcept>
// bcrypt.h needs the types windows.h declares before it.
// clang-format off
#include <windows.h>
#include <bcrypt.h>
// clang-format on

namespace vestra {

// CNG's one-call hash (Windows 10 and later). Its algorithm handle is opened once per process:
// opening it costs far more than hashing one data set, and it may be shared between threads.
Sha256Digest Sha256(std::string_view bytes) {
    static const BCRYPT_ALG_HANDLE algorithm = [] {
        BCRYPT_ALG_HANDLE handle = nullptr;
        if (!BCRYPT_SUCCESS(
                BCryptOpenAlgorithmProvider(&handle, BCRYPT_SHA256_ALGORITHM, nullptr, 0))) {
            throw std::runtime_error("the system offers no SHA-256 (BCryptOpenAlgorithmProvider)");
        }
        return handle;
    }();
    Sha256Digest digest;
    // BCryptHash takes at most 4 GiB per call; the history's data sets are a few kilobytes.
    auto* input = reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data()));
    if (!BCRYPT_SUCCESS(BCryptHash(algorithm, nullptr, 0, input, static_cast<ULONG>(bytes.size()),
                                   digest.bytes.data(), static_cast<ULONG>(digest.bytes.size())))) {
        throw std::runtime_error("BCryptHash failed");
    }
    return digest;
}

} // namespace vestra

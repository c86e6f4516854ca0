#include "base/Sha256.h"

#include <nettle/sha2.h>

namespace vestra {

// Nettle keeps no global state: a context on the stack is the whole computation.
Sha256Digest Sha256(std::string_view bytes) {
    static_assert(SHA256_DIGEST_SIZE == std::tuple_size_v<decltype(Sha256Digest::bytes)>);
    sha256_ctx context;
    sha256_init(&context);
    sha256_update(&context, bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data()));
    Sha256Digest digest;
    sha256_digest(&context, digest.bytes.size(), digest.bytes.data());
    return digest;
}

} // namespace vestra

// Feeds arbitrary bytes to the reply decoder: it must return a record or throw a TovalinError, never
// crash, hang or read out of bounds.

#include "client/APIMeta.h"
#include "client/TovalinError.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray body(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const APIMeta meta = decodeMeta(body);
        // Every readable record passed the service-error check; its code is readable too.
        if (meta.Status && meta.Status->codeInt() >= 400) {
            __builtin_trap();
        }
    } catch (const TovalinError& error) {
        if (body.isEmpty() != (error.kind() == TovalinError::Kind::emptyResponse)) {
            __builtin_trap();
        }
    }
    return 0;
}

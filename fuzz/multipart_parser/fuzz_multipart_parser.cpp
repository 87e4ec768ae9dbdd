// libFuzzer entry point for the multipart parser. The first input line is the Content-Type header, the
// rest the body, so that the fuzzer explores malformed boundaries as well as malformed bodies.
#include "MultipartParser.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string_view header = newline == std::string_view::npos ? input : input.substr(0, newline);
    const std::string_view body = newline == std::string_view::npos ? std::string_view() : input.substr(newline + 1);

    MultipartParser::Limits limits;
    limits.maxParts = 8;
    limits.maxHeaderBytes = 256;
    limits.maxFieldBytes = 512;
    limits.maxFileBytes = 2048;
    limits.maxBodyBytes = 4096;
    MultipartParser parser(limits);
    const bool ok = parser.parse(header, body);

    // Invariants: a failure leaves no parts and names its reason; every part lies inside the body and
    // respects the limits.
    if (!ok && (!parser.parts().empty() || parser.error() == MultipartParser::Error::None))
        std::abort();
    if (ok && parser.parts().size() > limits.maxParts)
        std::abort();
    for (const MultipartPart& part : parser.parts()) {
        if (part.data.data() < body.data() || part.data.data() + part.data.size() > body.data() + body.size())
            std::abort();
        if (part.name.empty() || part.data.size() > (part.filename ? limits.maxFileBytes : limits.maxFieldBytes))
            std::abort();
    }
    return 0;
}

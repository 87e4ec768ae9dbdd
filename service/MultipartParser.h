// A strict parser for multipart/form-data request bodies. It works on a complete body held in memory,
// enforces limits on every dimension an attacker controls (body, part count, header block, field and
// file sizes) and depends on nothing but the standard library, so that it can be fuzzed on its own.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct MultipartPart
{
    std::string name;
    std::optional<std::string> filename; // present for file parts only
    std::string contentType;             // empty when the part carries no Content-Type header
    std::string_view data;               // points into the body handed to parse()
};

class MultipartParser
{
public:
    struct Limits
    {
        std::size_t maxBodyBytes = 100u * 1024u * 1024u + 64u * 1024u;
        std::size_t maxParts = 32;
        std::size_t maxHeaderBytes = 8 * 1024; // header block of one part
        std::size_t maxFieldBytes = 64 * 1024; // a part without a file name
        std::size_t maxFileBytes = 100u * 1024u * 1024u;
        std::size_t maxNameBytes = 256;
    };

    enum class Error
    {
        None,
        NotMultipart,
        BadBoundary,
        BodyTooLarge,
        MissingFirstDelimiter,
        Truncated,
        HeaderTooLarge,
        BadHeader,
        BadDisposition,
        TooManyParts,
        FieldTooLarge,
        FileTooLarge,
        TrailingData,
    };

    MultipartParser() = default;
    explicit MultipartParser(const Limits& limits);

    // Parses a whole body. Returns false on the first violation; error() and errorMessage() say which.
    bool parse(std::string_view contentTypeHeader, std::string_view body);

    const std::vector<MultipartPart>& parts() const { return m_parts; }
    Error error() const { return m_error; }
    // A sentence a user can act on, without any byte of the request in it.
    std::string errorMessage() const;

    // The boundary named by a Content-Type header value, or nothing when the header is not
    // multipart/form-data with a valid boundary parameter.
    static std::optional<std::string> boundaryFromContentType(std::string_view contentType, Error* error = nullptr);

private:
    bool fail(Error error);
    bool parseHeaders(std::string_view block, MultipartPart& part);
    bool parseDisposition(std::string_view value, MultipartPart& part);

    Limits m_limits;
    std::vector<MultipartPart> m_parts;
    Error m_error = Error::None;
};

#include "MultipartParser.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::string_view kCrlf = "\r\n";

bool iequals(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool isTokenChar(char c)
{
    if (c >= '0' && c <= '9')
        return true;
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
        return true;
    return std::string_view("!#$%&'*+-.^_`|~").find(c) != std::string_view::npos;
}

bool isToken(std::string_view s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), isTokenChar);
}

bool isBoundaryChar(char c)
{
    if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
        return true;
    return std::string_view("'()+_,-./:=? ").find(c) != std::string_view::npos;
}

// Linear-time search (glibc's memmem is a two-way matcher), so a hostile body cannot make the
// delimiter search quadratic.
std::size_t find(std::string_view haystack, std::string_view needle, std::size_t from)
{
    if (from > haystack.size())
        return std::string_view::npos;
    const void* hit = memmem(haystack.data() + from, haystack.size() - from, needle.data(), needle.size());
    if (!hit)
        return std::string_view::npos;
    return static_cast<std::size_t>(static_cast<const char*>(hit) - haystack.data());
}

// Splits "name=value" parameters after a leading value (media type or disposition type), calling
// `onParam` for each. Values may be tokens or quoted strings; quoted strings end at the next quote.
template <typename F>
bool forEachParameter(std::string_view rest, F&& onParam)
{
    while (true) {
        rest = trim(rest);
        if (rest.empty())
            return true;
        if (rest.front() != ';')
            return false;
        rest.remove_prefix(1);
        rest = trim(rest);
        const std::size_t eq = rest.find('=');
        if (eq == std::string_view::npos)
            return false;
        const std::string_view name = trim(rest.substr(0, eq));
        if (!isToken(name))
            return false;
        rest = trim(rest.substr(eq + 1));
        std::string_view value;
        if (!rest.empty() && rest.front() == '"') {
            const std::size_t close = rest.find('"', 1);
            if (close == std::string_view::npos)
                return false;
            value = rest.substr(1, close - 1);
            rest.remove_prefix(close + 1);
        } else {
            std::size_t end = 0;
            while (end < rest.size() && isTokenChar(rest[end]))
                ++end;
            if (end == 0)
                return false;
            value = rest.substr(0, end);
            rest.remove_prefix(end);
        }
        if (!onParam(name, value))
            return false;
    }
}

} // namespace

MultipartParser::MultipartParser(const Limits& limits)
    : m_limits(limits)
{
}

bool MultipartParser::fail(Error error)
{
    m_error = error;
    m_parts.clear();
    return false;
}

std::optional<std::string> MultipartParser::boundaryFromContentType(std::string_view contentType, Error* error)
{
    auto failWith = [error](Error e) -> std::optional<std::string> {
        if (error)
            *error = e;
        return std::nullopt;
    };
    contentType = trim(contentType);
    const std::size_t semicolon = contentType.find(';');
    const std::string_view mediaType = trim(contentType.substr(0, semicolon));
    if (!iequals(mediaType, "multipart/form-data"))
        return failWith(Error::NotMultipart);
    if (semicolon == std::string_view::npos)
        return failWith(Error::BadBoundary);

    std::optional<std::string> boundary;
    const bool wellFormed = forEachParameter(contentType.substr(semicolon), [&](auto name, auto value) {
        if (!iequals(name, "boundary"))
            return true;
        if (boundary)
            return false;
        boundary = std::string(value);
        return true;
    });
    if (!wellFormed || !boundary || boundary->empty() || boundary->size() > 70 || boundary->back() == ' ' ||
        !std::all_of(boundary->begin(), boundary->end(), isBoundaryChar))
        return failWith(Error::BadBoundary);
    if (error)
        *error = Error::None;
    return boundary;
}

bool MultipartParser::parse(std::string_view contentTypeHeader, std::string_view body)
{
    m_parts.clear();
    m_error = Error::None;

    Error boundaryError = Error::None;
    const std::optional<std::string> boundary = boundaryFromContentType(contentTypeHeader, &boundaryError);
    if (!boundary)
        return fail(boundaryError);
    if (body.size() > m_limits.maxBodyBytes)
        return fail(Error::BodyTooLarge);

    const std::string dashBoundary = "--" + *boundary;
    const std::string delimiter = "\r\n" + dashBoundary;

    // No preamble: the body starts with the first delimiter line. A form without parts is only the
    // closing delimiter.
    if (body.substr(0, dashBoundary.size() + 2) == dashBoundary + "--") {
        const std::string_view epilogue = body.substr(dashBoundary.size() + 2);
        return (epilogue.empty() || epilogue == kCrlf) ? true : fail(Error::TrailingData);
    }
    if (body.substr(0, dashBoundary.size() + 2) != dashBoundary + "\r\n")
        return fail(body.size() < dashBoundary.size() + 2 && std::string_view(dashBoundary).starts_with(body)
                        ? Error::Truncated
                        : Error::MissingFirstDelimiter);

    std::size_t pos = dashBoundary.size() + 2;
    while (true) {
        if (m_parts.size() >= m_limits.maxParts)
            return fail(Error::TooManyParts);

        MultipartPart part;
        std::size_t contentStart = 0;
        if (body.substr(pos, 2) == kCrlf) {
            // An empty header block: a part without Content-Disposition.
            return fail(Error::BadDisposition);
        }
        const std::size_t window = std::min(body.size(), pos + m_limits.maxHeaderBytes + 4);
        const std::size_t headerEnd = find(body.substr(0, window), "\r\n\r\n", pos);
        if (headerEnd == std::string_view::npos)
            return fail(window == body.size() ? Error::Truncated : Error::HeaderTooLarge);
        if (!parseHeaders(body.substr(pos, headerEnd - pos), part))
            return false;
        contentStart = headerEnd + 4;

        const std::size_t next = find(body, delimiter, contentStart);
        if (next == std::string_view::npos)
            return fail(Error::Truncated);
        part.data = body.substr(contentStart, next - contentStart);
        if (part.filename ? part.data.size() > m_limits.maxFileBytes : part.data.size() > m_limits.maxFieldBytes)
            return fail(part.filename ? Error::FileTooLarge : Error::FieldTooLarge);
        m_parts.push_back(std::move(part));

        const std::size_t after = next + delimiter.size();
        const std::string_view rest = body.substr(after);
        if (rest.starts_with("--")) {
            const std::string_view epilogue = rest.substr(2);
            return (epilogue.empty() || epilogue == kCrlf) ? true : fail(Error::TrailingData);
        }
        if (rest.starts_with(kCrlf)) {
            pos = after + 2;
            continue;
        }
        return fail(rest.size() < 2 ? Error::Truncated : Error::BadBoundary);
    }
}

bool MultipartParser::parseHeaders(std::string_view block, MultipartPart& part)
{
    bool sawDisposition = false;
    bool sawContentType = false;
    while (!block.empty()) {
        const std::size_t end = block.find(kCrlf);
        const std::string_view line = block.substr(0, end);
        block = end == std::string_view::npos ? std::string_view() : block.substr(end + 2);

        // Folded lines, bare CR or LF and control bytes are refused rather than guessed at.
        if (line.empty() || line.front() == ' ' || line.front() == '\t')
            return fail(Error::BadHeader);
        if (std::any_of(line.begin(), line.end(), [](char c) {
                const auto u = static_cast<unsigned char>(c);
                return (u < 0x20 && c != '\t') || u == 0x7f;
            }))
            return fail(Error::BadHeader);
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos || !isToken(line.substr(0, colon)))
            return fail(Error::BadHeader);
        const std::string_view name = line.substr(0, colon);
        const std::string_view value = trim(line.substr(colon + 1));

        if (iequals(name, "Content-Disposition")) {
            if (sawDisposition)
                return fail(Error::BadDisposition);
            sawDisposition = true;
            if (!parseDisposition(value, part))
                return fail(Error::BadDisposition);
        } else if (iequals(name, "Content-Type")) {
            if (sawContentType || value.empty() || value.size() > 255)
                return fail(Error::BadHeader);
            sawContentType = true;
            part.contentType = std::string(value);
        }
        // Other headers (Content-Transfer-Encoding and the like) carry nothing this service uses.
    }
    if (!sawDisposition)
        return fail(Error::BadDisposition);
    return true;
}

bool MultipartParser::parseDisposition(std::string_view value, MultipartPart& part)
{
    const std::size_t semicolon = value.find(';');
    if (!iequals(trim(value.substr(0, semicolon)), "form-data") || semicolon == std::string_view::npos)
        return false;
    bool hasName = false;
    const bool ok = forEachParameter(value.substr(semicolon), [&](auto name, auto v) {
        if (iequals(name, "name")) {
            if (hasName || v.empty() || v.size() > m_limits.maxNameBytes)
                return false;
            hasName = true;
            part.name = std::string(v);
        } else if (iequals(name, "filename")) {
            if (part.filename || v.size() > 4 * m_limits.maxNameBytes)
                return false;
            part.filename = std::string(v);
        }
        return true;
    });
    return ok && hasName;
}

std::string MultipartParser::errorMessage() const
{
    switch (m_error) {
    case Error::None:
        return {};
    case Error::NotMultipart:
        return "The upload must be sent as multipart/form-data.";
    case Error::BadBoundary:
        return "The upload's multipart boundary is missing or malformed.";
    case Error::BodyTooLarge:
        return "The upload is larger than this server accepts.";
    case Error::MissingFirstDelimiter:
        return "The upload does not start with its multipart boundary.";
    case Error::Truncated:
        return "The upload is incomplete: the multipart form ends too early.";
    case Error::HeaderTooLarge:
        return "A part of the upload has headers that are too large.";
    case Error::BadHeader:
        return "A part of the upload has a malformed header.";
    case Error::BadDisposition:
        return "A part of the upload has a missing or malformed Content-Disposition header.";
    case Error::TooManyParts:
        return "The upload has too many parts.";
    case Error::FieldTooLarge:
        return "A field of the upload is too large.";
    case Error::FileTooLarge:
        return "The file is larger than this server accepts.";
    case Error::TrailingData:
        return "The upload has data after its closing multipart boundary.";
    }
    return "The upload is not a valid multipart form.";
}

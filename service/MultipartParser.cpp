#include "service/MultipartParser.h"

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
std::size_t findFrom(std::string_view haystack, std::string_view needle, std::size_t from)
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

MultipartParser::MultipartParser(const Limits& limits, Receiver& receiver)
    : m_limits(limits)
    , m_receiver(receiver)
{
}

bool MultipartParser::fail(Error error)
{
    m_error = error;
    m_state = State::Failed;
    m_buffer.clear();
    m_buffer.shrink_to_fit();
    m_field.clear();
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

bool MultipartParser::begin(std::string_view contentTypeHeader)
{
    Error boundaryError = Error::None;
    const std::optional<std::string> boundary = boundaryFromContentType(contentTypeHeader, &boundaryError);
    if (!boundary)
        return fail(boundaryError);
    m_dashBoundary = "--" + *boundary;
    m_delimiter = "\r\n" + m_dashBoundary;
    m_state = State::FirstDelimiter;
    m_error = Error::None;
    return true;
}

bool MultipartParser::feed(std::string_view piece)
{
    if (m_state == State::Failed)
        return false;
    // Only what fits under the limit is looked at, so that the first violation is the same however the
    // body is cut into pieces.
    const std::size_t room = m_limits.maxBodyBytes - m_bodyBytes;
    const bool tooLarge = piece.size() > room;
    m_buffer.append(piece.substr(0, room));
    m_bodyBytes += std::min(piece.size(), room);
    if (!advance())
        return false;
    return tooLarge ? fail(Error::BodyTooLarge) : true;
}

bool MultipartParser::finish()
{
    if (m_state == State::Failed)
        return false;
    if (m_state != State::Epilogue)
        return fail(Error::Truncated);
    return m_buffer.empty() || m_buffer == kCrlf || fail(Error::TrailingData);
}

// Runs the state machine over the buffer until it needs more bytes or fails.
bool MultipartParser::advance()
{
    while (true) {
        const State before = m_state;
        const std::size_t buffered = m_buffer.size();
        bool ok = false;
        switch (m_state) {
        case State::FirstDelimiter:
            ok = firstDelimiter();
            break;
        case State::Headers:
            ok = headers();
            break;
        case State::Content:
            ok = content();
            break;
        case State::AfterDelimiter:
            ok = afterDelimiter();
            break;
        case State::Epilogue:
            ok = epilogue();
            break;
        case State::Failed:
            return false;
        }
        if (!ok)
            return false;
        if (m_state == before && m_buffer.size() == buffered)
            return true; // needs more
    }
}

// No preamble: the body starts with the first delimiter line. A form without parts is only the
// closing delimiter.
bool MultipartParser::firstDelimiter()
{
    const std::size_t length = m_dashBoundary.size() + 2;
    const std::size_t n = std::min(m_buffer.size(), m_dashBoundary.size());
    if (std::string_view(m_buffer).substr(0, n) != std::string_view(m_dashBoundary).substr(0, n))
        return fail(Error::MissingFirstDelimiter);
    if (m_buffer.size() < length)
        return true;
    const std::string_view after = std::string_view(m_buffer).substr(m_dashBoundary.size(), 2);
    if (after == "--") {
        m_state = State::Epilogue;
    } else if (after == kCrlf) {
        m_state = State::Headers;
    } else {
        return fail(Error::MissingFirstDelimiter);
    }
    m_buffer.erase(0, length);
    return true;
}

bool MultipartParser::headers()
{
    if (m_parts >= m_limits.maxParts)
        return fail(Error::TooManyParts);
    if (m_buffer.size() < 2)
        return true;
    if (m_buffer.starts_with(kCrlf))
        return fail(Error::BadDisposition); // an empty header block: a part without Content-Disposition
    const std::size_t window = std::min(m_buffer.size(), m_limits.maxHeaderBytes + 4);
    const std::size_t end = findFrom(std::string_view(m_buffer).substr(0, window), "\r\n\r\n", m_searchFrom);
    if (end == std::string_view::npos) {
        if (m_buffer.size() >= m_limits.maxHeaderBytes + 4)
            return fail(Error::HeaderTooLarge);
        m_searchFrom = window >= 3 ? window - 3 : 0;
        return true;
    }
    m_searchFrom = 0;
    m_part = MultipartPart();
    if (!parseHeaders(std::string_view(m_buffer).substr(0, end)))
        return false;
    m_buffer.erase(0, end + 4);
    ++m_parts;
    m_partBytes = 0;
    m_field.clear();
    if (m_part.filename && !m_receiver.fileBegin(m_part))
        return fail(Error::Stopped);
    m_state = State::Content;
    return true;
}

bool MultipartParser::content()
{
    const std::size_t next = findFrom(m_buffer, m_delimiter, 0);
    if (next == std::string_view::npos) {
        // Whatever cannot be the start of a delimiter is content.
        const std::size_t keep = m_delimiter.size() - 1;
        if (m_buffer.size() <= keep)
            return true;
        const std::size_t safe = m_buffer.size() - keep;
        if (!handOver(std::string_view(m_buffer).substr(0, safe)))
            return false;
        m_buffer.erase(0, safe);
        return true;
    }
    if (!handOver(std::string_view(m_buffer).substr(0, next)) || !endPart())
        return false;
    m_buffer.erase(0, next + m_delimiter.size());
    m_state = State::AfterDelimiter;
    return true;
}

bool MultipartParser::handOver(std::string_view bytes)
{
    m_partBytes += bytes.size();
    if (m_part.filename) {
        if (m_partBytes > m_limits.maxFileBytes)
            return fail(Error::FileTooLarge);
        return bytes.empty() || m_receiver.fileData(bytes) || fail(Error::Stopped);
    }
    m_fieldBytes += bytes.size();
    if (m_fieldBytes > m_limits.maxFieldBytes)
        return fail(Error::FieldTooLarge);
    m_field.append(bytes);
    return true;
}

bool MultipartParser::endPart()
{
    const bool ok = m_part.filename ? m_receiver.fileEnd() : m_receiver.field(m_part, m_field);
    m_field.clear();
    return ok || fail(Error::Stopped);
}

bool MultipartParser::afterDelimiter()
{
    if (m_buffer.size() < 2)
        return true;
    const std::string_view after = std::string_view(m_buffer).substr(0, 2);
    if (after == "--") {
        m_state = State::Epilogue;
    } else if (after == kCrlf) {
        m_state = State::Headers;
    } else {
        return fail(Error::BadBoundary);
    }
    m_buffer.erase(0, 2);
    return true;
}

// After the closing delimiter only a line end may follow.
bool MultipartParser::epilogue()
{
    if (m_buffer.empty() || m_buffer == "\r" || m_buffer == kCrlf)
        return true;
    return fail(Error::TrailingData);
}

bool MultipartParser::parseHeaders(std::string_view block)
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
            if (!parseDisposition(value))
                return fail(Error::BadDisposition);
        } else if (iequals(name, "Content-Type")) {
            if (sawContentType || value.empty() || value.size() > 255)
                return fail(Error::BadHeader);
            sawContentType = true;
            m_part.contentType = std::string(value);
        }
        // Other headers (Content-Transfer-Encoding and the like) carry nothing this service uses.
    }
    if (!sawDisposition)
        return fail(Error::BadDisposition);
    return true;
}

bool MultipartParser::parseDisposition(std::string_view value)
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
            m_part.name = std::string(v);
        } else if (iequals(name, "filename")) {
            if (m_part.filename || v.size() > 4 * m_limits.maxNameBytes)
                return false;
            m_part.filename = std::string(v);
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
        return "The text fields of the upload are too large.";
    case Error::FileTooLarge:
        return "The file is larger than this server accepts.";
    case Error::TrailingData:
        return "The upload has data after its closing multipart boundary.";
    case Error::Stopped:
        return "The upload was refused.";
    }
    return "The upload is not a valid multipart form.";
}

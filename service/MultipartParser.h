// A strict parser for multipart/form-data request bodies that is fed the body piece by piece as it
// arrives. Text fields are handed over whole (a limit keeps them small); a file part goes out as a
// stream of pieces, so that no file ever has to be held in memory. It enforces limits on every dimension
// an attacker controls (body, part count, header block, field and file sizes), and depends on nothing
// but the standard library, so that it can be fuzzed on its own.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

struct MultipartPart
{
    std::string name;
    std::optional<std::string> filename; // present for file parts only
    std::string contentType;             // empty when the part carries no Content-Type header
};

class MultipartParser
{
public:
    struct Limits
    {
        std::size_t maxBodyBytes = 100u * 1024u * 1024u + 64u * 1024u;
        std::size_t maxParts = 32;
        std::size_t maxHeaderBytes = 8 * 1024; // header block of one part
        std::size_t maxFieldBytes = 64 * 1024; // parts without a file name, each and all together
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
        Stopped, // the receiver refused a part; it knows why
    };

    // Where the parts go, in the order of the body. Returning false stops the parser.
    class Receiver
    {
    public:
        virtual ~Receiver() = default;
        virtual bool field(const MultipartPart& part, std::string_view value) = 0;
        virtual bool fileBegin(const MultipartPart& part) = 0;
        virtual bool fileData(std::string_view piece) = 0;
        virtual bool fileEnd() = 0;
    };

    MultipartParser(const Limits& limits, Receiver& receiver);

    // Takes the boundary from the request's Content-Type header; false when it names none.
    bool begin(std::string_view contentTypeHeader);
    // The next piece of the body. False from the first violation on; later pieces are then ignored.
    bool feed(std::string_view piece);
    // The body has ended: false unless it was complete.
    bool finish();

    Error error() const { return m_error; }
    // A sentence a user can act on, without any byte of the request in it.
    std::string errorMessage() const;

    // The boundary named by a Content-Type header value, or nothing when the header is not
    // multipart/form-data with a valid boundary parameter.
    static std::optional<std::string> boundaryFromContentType(std::string_view contentType, Error* error = nullptr);

private:
    enum class State
    {
        FirstDelimiter,
        Headers,
        Content,
        AfterDelimiter,
        Epilogue,
        Failed,
    };

    bool fail(Error error);
    bool advance();
    bool firstDelimiter();
    bool headers();
    bool content();
    bool afterDelimiter();
    bool epilogue();
    bool handOver(std::string_view bytes);
    bool endPart();
    bool parseHeaders(std::string_view block);
    bool parseDisposition(std::string_view value);

    Limits m_limits;
    Receiver& m_receiver;
    State m_state = State::Failed; // until begin()
    Error m_error = Error::NotMultipart;
    std::string m_dashBoundary; // "--" boundary
    std::string m_delimiter;    // CRLF "--" boundary
    std::string m_buffer;       // fed, not yet consumed: a header block or a delimiter's length at most
    std::size_t m_searchFrom = 0;
    std::size_t m_bodyBytes = 0;
    std::size_t m_parts = 0;
    MultipartPart m_part;
    std::size_t m_partBytes = 0;
    std::size_t m_fieldBytes = 0; // of all text fields so far
    std::string m_field;
};

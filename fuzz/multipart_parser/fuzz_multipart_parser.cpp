// libFuzzer entry point for the multipart parser. The first input line is the Content-Type header, the
// next byte picks how the rest, the body, is cut into pieces: the parser must come to the same end
// whether the body arrives whole or a few bytes at a time, and keep every limit either way.
#include "service/MultipartParser.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Writes down everything the parser hands over, file contents joined, so two runs can be compared.
class Recorder : public MultipartParser::Receiver
{
public:
    explicit Recorder(const MultipartParser::Limits& limits)
        : m_limits(limits)
    {
    }

    bool field(const MultipartPart& part, std::string_view value) override
    {
        m_fieldBytes += value.size();
        if (m_inFile || part.filename || part.name.empty() || m_fieldBytes > m_limits.maxFieldBytes)
            std::abort();
        count();
        log += "field " + part.name + '=' + std::string(value) + '\n';
        return true;
    }
    bool fileBegin(const MultipartPart& part) override
    {
        if (m_inFile || !part.filename || part.name.empty())
            std::abort();
        count();
        m_inFile = true;
        m_fileBytes = 0;
        log += "file " + part.name + ';' + *part.filename + ';' + part.contentType + '\n';
        return true;
    }
    bool fileData(std::string_view piece) override
    {
        m_fileBytes += piece.size();
        if (!m_inFile || piece.empty() || m_fileBytes > m_limits.maxFileBytes)
            std::abort();
        log += piece;
        return true;
    }
    bool fileEnd() override
    {
        if (!m_inFile)
            std::abort();
        m_inFile = false;
        log += "\nend\n";
        return true;
    }
    bool inFile() const { return m_inFile; }

    std::string log;

private:
    void count()
    {
        if (++m_parts > m_limits.maxParts)
            std::abort();
    }

    MultipartParser::Limits m_limits;
    std::size_t m_parts = 0;
    std::size_t m_fieldBytes = 0;
    std::size_t m_fileBytes = 0;
    bool m_inFile = false;
};

struct Outcome
{
    bool ok;
    MultipartParser::Error error;
    std::string log;
};

Outcome parse(std::string_view header, std::string_view body, unsigned cut, const MultipartParser::Limits& limits)
{
    Recorder recorder(limits);
    MultipartParser parser(limits, recorder);
    bool ok = parser.begin(header);
    std::uint32_t state = cut;
    while (ok && !body.empty()) {
        // Pieces of 1 to 64 bytes from a small generator, or the whole body at once when `cut` is 0.
        state = state * 1103515245u + 12345u;
        const std::size_t size = cut == 0 ? body.size() : 1 + (state >> 16) % 64;
        ok = parser.feed(body.substr(0, size));
        body.remove_prefix(std::min(size, body.size()));
    }
    if (ok)
        ok = parser.finish();
    if (ok != (parser.error() == MultipartParser::Error::None) || (ok && recorder.inFile()))
        std::abort();
    return {ok, parser.error(), recorder.log};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string_view header = newline == std::string_view::npos ? input : input.substr(0, newline);
    std::string_view rest = newline == std::string_view::npos ? std::string_view() : input.substr(newline + 1);
    const unsigned cut = rest.empty() ? 1 : static_cast<unsigned char>(rest.front()) | 1u;
    const std::string_view body = rest.empty() ? rest : rest.substr(1);

    MultipartParser::Limits limits;
    limits.maxParts = 8;
    limits.maxHeaderBytes = 256;
    limits.maxFieldBytes = 512;
    limits.maxFileBytes = 2048;
    limits.maxBodyBytes = 4096;
    const Outcome whole = parse(header, body, 0, limits);
    const Outcome pieces = parse(header, body, cut, limits);
    // A failing body may have handed over more or less of itself before the failure, depending on the
    // pieces; what a complete one hands over is the same.
    if (whole.ok != pieces.ok || whole.error != pieces.error || (whole.ok && whole.log != pieces.log))
        std::abort();
    return 0;
}

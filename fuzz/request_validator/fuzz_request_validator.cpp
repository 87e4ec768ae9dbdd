// libFuzzer entry point for the service's request validation. An input starting with "{" is a poll
// body; any other is an upload form, one part a line: "name=value" for a text field, "@name=file name"
// for the file part, the last line's length standing for the file's size. Whatever the input, the
// answer is either a request within the protocol's ranges or a refusal with a code and a message.
#include "service/MultipartParser.h"
#include "service/RequestValidator.h"

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void check(const RequestValidator::Result& result)
{
    if (!result.request) {
        if (result.code < 400 || result.message.isEmpty())
            std::abort();
        return;
    }
    const OptimizeRequest& r = *result.request;
    const auto inSide = [](std::optional<int> side) {
        return !side || (*side >= 1 && *side <= RequestValidator::kMaxSide);
    };
    if (int(r.level) < 0 || int(r.level) > 2 || r.waitSeconds < 0 || r.waitSeconds > 30 || r.upscale < 1 ||
        r.upscale > 4 || !inSide(r.width) || !inSide(r.height))
        std::abort();
    if (r.resize == OptimizeRequest::Resize::None && (r.width || r.height))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    if (input.startsWith('{')) {
        check(RequestValidator::fromPollJson(input));
        return 0;
    }
    RequestValidator::Form form;
    const QList<QByteArray> lines = input.split('\n');
    for (const QByteArray& line : lines) {
        const bool isFile = line.startsWith('@');
        const qsizetype equals = line.indexOf('=');
        MultipartPart part;
        part.name = line.mid(isFile ? 1 : 0, equals < 0 ? -1 : equals - (isFile ? 1 : 0)).toStdString();
        const QByteArray value = equals < 0 ? QByteArray() : line.mid(equals + 1);
        std::optional<RequestValidator::Result> refused;
        if (isFile) {
            part.filename = value.toStdString();
            refused = RequestValidator::addFile(form, part);
        } else {
            refused = RequestValidator::addField(form, part, std::string_view(value.constData(), size_t(value.size())));
        }
        if (refused) {
            if (refused->request)
                std::abort();
            check(*refused);
            return 0;
        }
    }
    const RequestValidator::Result fields = RequestValidator::fromFields(form);
    const RequestValidator::Result whole = RequestValidator::fromForm(form, lines.last().size());
    check(fields);
    check(whole);
    // The file only adds rules: a form that passes whole passed on its fields alone.
    if (whole.request && !fields.request)
        std::abort();
    return 0;
}

#include "platform/cp932_codec.h"

#include <cerrno>
#include <iconv.h>

namespace {

constexpr const char* kCodePage = "CP932";
constexpr const char* kUtf16 = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? "UTF-16LE" : "UTF-16BE";

// One iconv conversion descriptor for the length of one call.
class Converter {
public:
    Converter(const char* to, const char* from)
        : m_cd(iconv_open(to, from)) {}
    ~Converter() {
        if (valid())
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts input into out starting at out[written]; on a sequence it cannot
    // convert it stops there and returns false, leaving input at that sequence.
    // out grows as needed.
    bool run(const char*& input, size_t& inLeft, QByteArray& out, qsizetype& written) {
        while (inLeft > 0) {
            if (out.size() - written < 16)
                out.resize(out.size() * 2 + 16);
            char* in = const_cast<char*>(input);
            char* dest = out.data() + written;
            size_t destLeft = size_t(out.size() - written);
            const size_t result = iconv(m_cd, &in, &inLeft, &dest, &destLeft);
            input = in;
            written = dest - out.data();
            if (result != size_t(-1))
                return true;
            if (errno != E2BIG)
                return false;
            out.resize(out.size() * 2);
        }
        return true;
    }

private:
    iconv_t m_cd;
};

void append(QByteArray& out, qsizetype& written, const char* bytes, qsizetype count) {
    if (out.size() - written < count)
        out.resize(written + count + 16);
    std::copy(bytes, bytes + count, out.data() + written);
    written += count;
}

} // namespace

namespace cp932 {

bool available() {
    return Converter(kCodePage, kUtf16).valid();
}

QByteArray encode(const QString& text) {
    Converter converter(kCodePage, kUtf16);
    QByteArray out;
    if (!converter.valid() || text.isEmpty())
        return out;
    out.resize(text.size() * 2 + 16);
    qsizetype written = 0;
    const char* input = reinterpret_cast<const char*>(text.utf16());
    size_t inLeft = size_t(text.size()) * 2;
    while (!converter.run(input, inLeft, out, written)) {
        // The character at input cannot be stored: one "?" stands for it,
        // whether it is one UTF-16 unit or a surrogate pair.
        const qsizetype at = (input - reinterpret_cast<const char*>(text.utf16())) / 2;
        qsizetype units = 1;
        if (at + 1 < text.size() && text.at(at).isHighSurrogate() &&
            text.at(at + 1).isLowSurrogate())
            units = 2;
        append(out, written, "?", 1);
        input += units * 2;
        inLeft -= size_t(units) * 2;
    }
    out.resize(written);
    return out;
}

QString decode(const QByteArray& bytes) {
    Converter converter(kUtf16, kCodePage);
    if (!converter.valid() || bytes.isEmpty())
        return {};
    QByteArray out(bytes.size() * 2 + 16, Qt::Uninitialized);
    qsizetype written = 0;
    const char* input = bytes.constData();
    size_t inLeft = size_t(bytes.size());
    while (!converter.run(input, inLeft, out, written)) {
        // An invalid or cut-off sequence: mark the one byte and go on with the
        // next, so that a damaged file still shows the rest of its text.
        const char16_t replacement = 0xFFFD;
        append(out, written, reinterpret_cast<const char*>(&replacement), 2);
        ++input;
        --inLeft;
    }
    return QString(reinterpret_cast<const QChar*>(out.constData()), written / 2);
}

} // namespace cp932

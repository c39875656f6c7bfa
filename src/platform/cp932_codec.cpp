#include "platform/cp932_codec.h"

#include <QVarLengthArray>

#include <array>
#include <bitset>
#include <cerrno>
#include <iconv.h>
#include <vector>

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

    // The one UTF-16 unit that count bytes convert to, or kNoChar when they
    // are no complete character.
    char16_t one(const char* bytes, size_t count) {
        char* in = const_cast<char*>(bytes);
        char16_t units[2];
        char* dest = reinterpret_cast<char*>(units);
        size_t destLeft = sizeof units;
        if (iconv(m_cd, &in, &count, &dest, &destLeft) == size_t(-1) || count != 0 ||
            destLeft != sizeof units - 2)
            return kNoChar;
        return units[0];
    }

    // The bytes that one UTF-16 unit converts to; empty when it has none.
    QByteArray bytesOf(char16_t unit) {
        const char* input = reinterpret_cast<const char*>(&unit);
        size_t inLeft = sizeof unit;
        QByteArray out;
        qsizetype written = 0;
        if (!run(input, inLeft, out, written))
            return {};
        out.truncate(written);
        return out;
    }

    // No character of the code page decodes to this non-character.
    static constexpr char16_t kNoChar = 0xFFFF;

private:
    iconv_t m_cd;
};

// The characters of the code page by byte and by byte pair, read from iconv
// once: looking them up decodes a large file many times faster than iconv.
// Only the lead bytes of pairs get a row of pairs. Each character also tells
// whether the encoder writes it back as the same bytes, which it does not for
// the second form of a character held twice.
class DecodeTable {
public:
    DecodeTable() {
        Converter converter(kUtf16, kCodePage);
        Converter encoder(kCodePage, kUtf16);
        m_valid = converter.valid() && encoder.valid();
        if (!m_valid)
            return;
        const auto exact = [&encoder](char16_t c, const char* bytes, int count) {
            return c != Converter::kNoChar && encoder.bytesOf(c) == QByteArray(bytes, count);
        };
        for (int lead = 0; lead < 256; ++lead) {
            const char single[1] = {char(lead)};
            m_single[size_t(lead)] = converter.one(single, 1);
            m_singleExact[size_t(lead)] = exact(m_single[size_t(lead)], single, 1);
            if (m_single[size_t(lead)] != Converter::kNoChar)
                continue;
            Row row;
            for (int trail = 0; trail < 256; ++trail) {
                const char pair[2] = {char(lead), char(trail)};
                row.chars[size_t(trail)] = converter.one(pair, 2);
                row.exact[size_t(trail)] = exact(row.chars[size_t(trail)], pair, 2);
            }
            m_pairs.push_back(row);
            m_rowOfLead[size_t(lead)] = quint8(m_pairs.size());
        }
    }

    bool valid() const { return m_valid; }

    // Calls onChar(character, byte count, exact) for each character of the
    // bytes in turn; an invalid or cut-off sequence gives U+FFFD for its first
    // byte alone, so that a damaged file still shows the rest of its text.
    template <typename OnChar> void walk(QByteArrayView bytes, OnChar onChar) const {
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const uchar byte = uchar(bytes.at(i));
            const char16_t c = m_single[byte];
            if (c != Converter::kNoChar) {
                onChar(c, 1, m_singleExact[byte]);
                continue;
            }
            const quint8 row = m_rowOfLead[byte];
            if (row && i + 1 < bytes.size()) {
                const Row& pairs = m_pairs[size_t(row - 1)];
                const uchar trail = uchar(bytes.at(i + 1));
                if (pairs.chars[trail] != Converter::kNoChar) {
                    onChar(pairs.chars[trail], 2, bool(pairs.exact[trail]));
                    ++i;
                    continue;
                }
            }
            onChar(char16_t(QChar::ReplacementCharacter), 1, false);
        }
    }

private:
    struct Row {
        std::array<char16_t, 256> chars{};
        std::bitset<256> exact;
    };
    bool m_valid = false;
    std::array<char16_t, 256> m_single{};
    std::array<bool, 256> m_singleExact{};
    std::array<quint8, 256> m_rowOfLead{};
    std::vector<Row> m_pairs;
};

const DecodeTable& decodeTable() {
    static const DecodeTable table;
    return table;
}

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

QByteArray encode(const QString& text, QString* lost) {
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
        if (lost) {
            const QStringView character = QStringView(text).mid(at, units);
            if (!lost->contains(character))
                lost->append(character);
        }
        append(out, written, "?", 1);
        input += units * 2;
        inLeft -= size_t(units) * 2;
    }
    out.resize(written);
    return out;
}

QString decode(QByteArrayView bytes, bool* exact) {
    const DecodeTable& table = decodeTable();
    if (exact)
        *exact = table.valid();
    if (!table.valid() || bytes.isEmpty())
        return {};
    // Decoded into a buffer first, so that the text takes only the room its
    // characters need: a record of two-byte characters would otherwise keep
    // twice that for as long as the list shows it.
    QVarLengthArray<char16_t, 256> out(bytes.size());
    qsizetype written = 0;
    bool allExact = true;
    table.walk(bytes, [&](char16_t c, int, bool exactChar) {
        out[written++] = c;
        allExact = allExact && exactChar;
    });
    if (exact)
        *exact = allExact;
    return QString(reinterpret_cast<const QChar*>(out.constData()), written);
}

std::vector<int> charLengths(QByteArrayView bytes) {
    std::vector<int> lengths;
    lengths.reserve(size_t(bytes.size()));
    decodeTable().walk(bytes,
                       [&lengths](char16_t, int length, bool) { lengths.push_back(length); });
    return lengths;
}

} // namespace cp932

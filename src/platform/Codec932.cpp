#include "platform/Codec932.h"

#include <array>
#include <cerrno>
#include <iconv.h>
#include <memory>
#include <vector>

namespace {

class Iconv {
public:
    Iconv(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~Iconv() {
        if (valid())
            iconv_close(m_cd);
    }
    Iconv(const Iconv &) = delete;
    Iconv &operator=(const Iconv &) = delete;
    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return m_cd; }

private:
    iconv_t m_cd;
};

// One converter each way per thread: opening one costs more than a card's
// worth of text.
Iconv &decoder() {
    thread_local Iconv cd("UTF-16LE", "CP932");
    return cd;
}

Iconv &encoder() {
    thread_local Iconv cd("CP932", "UTF-16LE");
    return cd;
}

bool isAscii(QByteArrayView bytes) {
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

bool isAscii(const QString &text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

} // namespace

namespace cp932 {

namespace {

// The converter over a whole text: the way for what the tables below do not
// cover.
QString convertIn(QByteArrayView bytes) {
    Iconv &cd = decoder();
    if (!cd.valid())
        return QString::fromLatin1(bytes);
    iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
    QString out;
    out.reserve(bytes.size());
    std::vector<char> buf(bytes.size() * 2 + 16);
    char *in = const_cast<char *>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    while (inLeft > 0) {
        char *outPtr = buf.data();
        size_t outLeft = buf.size();
        size_t rc = iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft);
        const size_t produced = buf.size() - outLeft;
        out.append(reinterpret_cast<const QChar *>(buf.data()),
                   static_cast<qsizetype>(produced / 2));
        if (rc == static_cast<size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            // EILSEQ or a truncated sequence at the end: replace one byte.
            out.append(QChar::ReplacementCharacter);
            ++in;
            --inLeft;
            iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

// What the converter makes of one byte, or of a lead byte and the byte after
// it, asked the first time such bytes are met: the code page has no state, so
// a text converts as its characters one by one do.
enum class Kind : quint8 { Unknown, Char, Lead, Invalid, Other };
struct Decoded {
    Kind kind = Kind::Unknown;
    char16_t c = 0;
};

Decoded askDecoder(const char *bytes, size_t n) {
    Iconv &cd = decoder();
    if (!cd.valid())
        return {Kind::Other, 0};
    iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
    char16_t out[4];
    char *in = const_cast<char *>(bytes);
    size_t inLeft = n;
    char *outPtr = reinterpret_cast<char *>(out);
    size_t outLeft = sizeof out;
    const size_t rc = iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft);
    const size_t units = (sizeof out - outLeft) / 2;
    if (rc == static_cast<size_t>(-1) && units == 0)
        return {errno == EINVAL && n == 1 ? Kind::Lead : Kind::Invalid, 0};
    if (rc != static_cast<size_t>(-1) && inLeft == 0 && units == 1)
        return {Kind::Char, out[0]};
    return {Kind::Other, 0};
}

struct DecodeTables {
    std::array<Decoded, 256> single{};
    std::array<Decoded, 65536> pair{};
};

} // namespace

namespace {

DecodeTables &decodeTables() {
    thread_local std::unique_ptr<DecodeTables> tables;
    if (!tables)
        tables = std::make_unique<DecodeTables>();
    return *tables;
}

// Walks the bytes character by character, as the converter would: put(c)
// for each character, a bad byte as U+FFFD alone. False when the tables
// cannot tell (the converter must do the whole text).
template <typename Put> bool walk(QByteArrayView bytes, Put put) {
    DecodeTables &tables = decodeTables();
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const auto *const end = p + bytes.size();
    while (p < end) {
        if (*p < 0x80) {
            put(char16_t(*p++));
            continue;
        }
        Decoded &one = tables.single[*p];
        if (one.kind == Kind::Unknown)
            one = askDecoder(reinterpret_cast<const char *>(p), 1);
        Decoded d = one;
        if (d.kind == Kind::Lead) {
            // A lead byte at the end is a sequence cut short.
            if (p + 1 == end) {
                d = {Kind::Invalid, 0};
            } else {
                Decoded &two = tables.pair[(p[0] << 8) | p[1]];
                if (two.kind == Kind::Unknown)
                    two = askDecoder(reinterpret_cast<const char *>(p), 2);
                d = two;
                if (d.kind == Kind::Char) {
                    put(d.c);
                    p += 2;
                    continue;
                }
            }
        }
        if (d.kind == Kind::Other)
            return false;
        // An invalid byte is replaced alone; the rest goes on after it.
        put(d.kind == Kind::Char ? d.c : char16_t(QChar::ReplacementCharacter));
        ++p;
    }
    return true;
}

} // namespace

QString decode(QByteArrayView bytes) {
    if (bytes.isEmpty())
        return {};
    // Bytes below 0x80 are the same characters in the code page: most values
    // (times, codes, days) need no converter at all.
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    QString out(bytes.size(), Qt::Uninitialized);
    char16_t *o = reinterpret_cast<char16_t *>(out.data());
    if (!walk(bytes, [&o](char16_t c) { *o++ = c; }))
        return convertIn(bytes);
    out.truncate(static_cast<qsizetype>(o - reinterpret_cast<char16_t *>(out.data())));
    return out;
}

bool readable(QByteArrayView bytes) {
    if (isAscii(bytes))
        return true;
    bool bad = false;
    if (!walk(bytes, [&bad](char16_t c) { bad = bad || c == QChar::ReplacementCharacter; }))
        return !convertIn(bytes).contains(QChar::ReplacementCharacter);
    return !bad;
}

namespace {

// A character of the basic plane in the code page: one or two bytes, or none.
struct Encoded {
    quint8 size = 0; // 0 not asked yet, 1 or 2, 3 not in the code page
    char bytes[2] = {};
};

Encoded askEncoder(char16_t c) {
    Iconv &cd = encoder();
    if (!cd.valid())
        return {3, {}};
    iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
    char out[8];
    char *in = reinterpret_cast<char *>(&c);
    size_t inLeft = 2;
    char *outPtr = out;
    size_t outLeft = sizeof out;
    const size_t rc = iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft);
    const size_t produced = sizeof out - outLeft;
    if (rc == static_cast<size_t>(-1) || produced == 0 || produced > 2)
        return {3, {}};
    return {static_cast<quint8>(produced), {out[0], produced == 2 ? out[1] : '\0'}};
}

QByteArray convertOut(const QString &text, bool *lossless);

} // namespace

QByteArray encode(const QString &text, bool *lossless) {
    if (lossless)
        *lossless = true;
    if (text.isEmpty())
        return {};
    if (isAscii(text))
        return text.toLatin1();
    thread_local std::unique_ptr<std::array<Encoded, 65536>> table;
    if (!table)
        table = std::make_unique<std::array<Encoded, 65536>>();
    QByteArray out(text.size() * 2, Qt::Uninitialized);
    char *o = out.data();
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c < 0x80) {
            *o++ = static_cast<char>(c);
            continue;
        }
        // A pair of surrogates is a character beyond the code page's plane.
        if (ch.isSurrogate())
            return convertOut(text, lossless);
        Encoded &e = (*table)[c];
        if (e.size == 0)
            e = askEncoder(c);
        if (e.size == 3) {
            if (lossless)
                *lossless = false;
            *o++ = '?';
            continue;
        }
        *o++ = e.bytes[0];
        if (e.size == 2)
            *o++ = e.bytes[1];
    }
    out.truncate(o - out.constData());
    return out;
}

namespace {

QByteArray convertOut(const QString &text, bool *lossless) {
    if (lossless)
        *lossless = true;
    Iconv &cd = encoder();
    QByteArray out;
    if (!cd.valid()) {
        if (lossless)
            *lossless = false;
        return text.toLatin1();
    }
    iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
    std::vector<char> buf(static_cast<size_t>(text.size()) * 4 + 16);
    char *in = reinterpret_cast<char *>(const_cast<QChar *>(text.constData()));
    size_t inLeft = static_cast<size_t>(text.size()) * 2;
    while (inLeft > 0) {
        char *outPtr = buf.data();
        size_t outLeft = buf.size();
        size_t rc = iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft);
        out.append(buf.data(), static_cast<qsizetype>(buf.size() - outLeft));
        if (rc == static_cast<size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            if (lossless)
                *lossless = false;
            out.append('?');
            // Skip one UTF-16 unit, or a whole surrogate pair; a lone high
            // surrogate takes the character after it along only when that one
            // completes the pair.
            const QChar *c = reinterpret_cast<const QChar *>(in);
            size_t skip = (c[0].isHighSurrogate() && inLeft >= 4 && c[1].isLowSurrogate()) ? 4 : 2;
            in += skip;
            inLeft -= skip;
            iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

} // namespace

bool canEncode(const QString &text) {
    if (isAscii(text))
        return true;
    bool ok = true;
    const QByteArray bytes = encode(text, &ok);
    return ok && decode(bytes) == text;
}

} // namespace cp932

#include "platform/Codec932.h"

#include <QHash>
#include <cerrno>
#include <iconv.h>
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

QString convert(QByteArrayView bytes);

} // namespace

QString decode(QByteArrayView bytes) {
    if (bytes.isEmpty())
        return {};
    // Bytes below 0x80 are the same characters in the code page: most values
    // (times, codes, days) need no converter at all.
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    // A card repeats a few short texts (the name, the pay type, the weekdays)
    // in every row: each is converted once and its text shared.
    constexpr qsizetype kShort = 64;
    constexpr qsizetype kKept = 4096;
    if (bytes.size() > kShort)
        return convert(bytes);
    thread_local QHash<QByteArray, QString> seen;
    // Looked up over the caller's bytes; only a new text's bytes are copied.
    const QByteArray probe = QByteArray::fromRawData(bytes.constData(), bytes.size());
    if (const auto it = seen.constFind(probe); it != seen.constEnd())
        return *it;
    if (seen.size() >= kKept)
        seen.clear();
    const QString text = convert(bytes);
    seen.insert(bytes.toByteArray(), text);
    return text;
}

namespace {

QString convert(QByteArrayView bytes) {
    // Opening a converter costs more than a card's worth of text: keep one.
    thread_local Iconv cd("UTF-16LE", "CP932");
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

} // namespace

QByteArray encode(const QString &text, bool *lossless) {
    if (lossless)
        *lossless = true;
    if (text.isEmpty())
        return {};
    if (isAscii(text))
        return text.toLatin1();
    thread_local Iconv cd("CP932", "UTF-16LE");
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

bool canEncode(const QString &text) {
    if (isAscii(text))
        return true;
    bool ok = true;
    const QByteArray bytes = encode(text, &ok);
    return ok && decode(bytes) == text;
}

} // namespace cp932

// The code page's fast conversion against the system converter itself, over
// every character of the basic plane and every one- and two-byte sequence.
#include "platform/Codec932.h"

#include <QRandomGenerator>
#include <cerrno>
#include <gtest/gtest.h>
#include <iconv.h>
#include <vector>

namespace {

// The whole text through one converter, a bad byte or character replaced
// alone as the program does.
QByteArray throughConverter(const char *to, const char *from, QByteArrayView in, int unit,
                            QByteArrayView replacement) {
    iconv_t cd = iconv_open(to, from);
    QByteArray out;
    char *p = const_cast<char *>(in.constData());
    size_t left = static_cast<size_t>(in.size());
    std::vector<char> buf(in.size() * 4 + 16);
    while (left > 0) {
        char *o = buf.data();
        size_t room = buf.size();
        const size_t rc = iconv(cd, &p, &left, &o, &room);
        out.append(buf.data(), static_cast<qsizetype>(buf.size() - room));
        if (rc == static_cast<size_t>(-1)) {
            out.append(replacement);
            p += unit;
            left -= static_cast<size_t>(unit);
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

QString decodedByConverter(QByteArrayView bytes) {
    const char16_t fffd = 0xFFFD;
    const QByteArray utf16 = throughConverter(
        "UTF-16LE", "CP932", bytes, 1, QByteArrayView(reinterpret_cast<const char *>(&fffd), 2));
    return QString(reinterpret_cast<const QChar *>(utf16.constData()), utf16.size() / 2);
}

} // namespace

TEST(Codec932Converter, EveryByteSequenceDecodesAsTheConverterDecodesIt) {
    for (int a = 0x80; a < 0x100; ++a) {
        const char one[] = {char(a)};
        ASSERT_EQ(cp932::decode(QByteArrayView(one, 1)), decodedByConverter({one, 1})) << a;
        for (int b = 0; b < 0x100; ++b) {
            const char two[] = {'x', char(a), char(b), 'y'};
            const QString expected = decodedByConverter({two, 4});
            ASSERT_EQ(cp932::decode(QByteArrayView(two, 4)), expected) << a << ' ' << b;
            ASSERT_EQ(cp932::readable(QByteArrayView(two, 4)),
                      !expected.contains(QChar::ReplacementCharacter))
                << a << ' ' << b;
        }
    }
    QRandomGenerator random(932);
    for (int i = 0; i < 2000; ++i) {
        QByteArray bytes(1 + int(random.bounded(40)), Qt::Uninitialized);
        for (char &c : bytes)
            c = char(random.bounded(256));
        ASSERT_EQ(cp932::decode(bytes), decodedByConverter(bytes)) << bytes.toHex().constData();
    }
}

TEST(Codec932Converter, EveryCharacterEncodesAsTheConverterEncodesIt) {
    for (char16_t c = 0x80; c < 0xFFFF; ++c) {
        if (QChar(c).isSurrogate())
            continue;
        const QString text = QStringLiteral("a") + QChar(c) + QStringLiteral("b");
        const QByteArray expected = throughConverter(
            "CP932", "UTF-16LE",
            QByteArrayView(reinterpret_cast<const char *>(text.constData()), 6), 2, "?");
        bool lossless = true;
        ASSERT_EQ(cp932::encode(text, &lossless), expected) << int(c);
        EXPECT_EQ(lossless, !expected.contains('?')) << int(c);
    }
}

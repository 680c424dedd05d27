#include "platform/Codec932.h"

#include <gtest/gtest.h>
#include <iconv.h>

// The converter-free path for plain ASCII must give what the code page gives.
TEST(Codec932Ascii, SameAsTheConverter) {
    QByteArray all;
    for (int b = 1; b < 0x80; ++b)
        all.append(static_cast<char>(b));
    iconv_t cd = iconv_open("UTF-16LE", "CP932");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    QByteArray out(all.size() * 2, '\0');
    char *in = all.data();
    char *o = out.data();
    size_t inLeft = static_cast<size_t>(all.size()), outLeft = static_cast<size_t>(out.size());
    ASSERT_NE(iconv(cd, &in, &inLeft, &o, &outLeft), static_cast<size_t>(-1));
    iconv_close(cd);
    const QString viaIconv(reinterpret_cast<const QChar *>(out.constData()), all.size());
    EXPECT_EQ(cp932::decode(all), viaIconv);
    EXPECT_EQ(cp932::encode(viaIconv), all);
    EXPECT_TRUE(cp932::canEncode(viaIconv));
    // Mixed text still goes through the converter.
    EXPECT_EQ(cp932::decode(cp932::encode(QStringLiteral("8:55山田"))), QStringLiteral("8:55山田"));
}

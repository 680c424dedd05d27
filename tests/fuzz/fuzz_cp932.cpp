// The code page converter, both ways: bytes decode to a text that encodes to
// bytes which decode and encode again unchanged; a text taken as storable
// comes back unchanged.
#include "FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes = fuzzcheck::bytesOf(data, size);
    const QString text = cp932::decode(bytes);
    const QByteArray written = cp932::encode(text);
    FUZZ_CHECK(cp932::encode(cp932::decode(written)) == written);

    // The same input taken as UTF-16, as a typed text would be.
    const QString typed(reinterpret_cast<const QChar *>(data), static_cast<qsizetype>(size / 2));
    bool lossless = false;
    const QByteArray encoded = cp932::encode(typed, &lossless);
    if (cp932::canEncode(typed)) {
        FUZZ_CHECK(lossless);
        FUZZ_CHECK(cp932::decode(encoded) == typed);
    }
    FUZZ_CHECK(cp932::encode(cp932::decode(encoded)) == encoded);
    return 0;
}

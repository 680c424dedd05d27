// The record reader: any bytes parse, and what they give is saved and read
// back the same.
#include "FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes = fuzzcheck::bytesOf(data, size);
    const QStringList all = records::parse(bytes);
    const int count = static_cast<int>(all.size());
    // Stopping early reads the same first values.
    const int half = count / 2;
    FUZZ_CHECK(records::parseFirst(bytes, half) == all.mid(0, half));
    fuzzcheck::roundTrip(all, count);
    return 0;
}

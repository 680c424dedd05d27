#pragma once

#include "data/RecordFile.h"
#include "platform/Codec932.h"

#include <QStringList>
#include <cstdio>
#include <cstdlib>

// A failed check ends the run the way libFuzzer reports a crash, with the
// input kept.
#define FUZZ_CHECK(cond)                                                                           \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__);         \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace fuzzcheck {

inline QByteArray bytesOf(const uint8_t *data, size_t size) {
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

// What is read and saved again stays the same: every value that the data
// files can store comes back unchanged, and a second save writes the very
// bytes of the first.
inline void roundTrip(const QStringList &read, int count) {
    const QByteArray saved = records::format(read);
    const records::Read again = records::fromFile({saved, FileError::None}, count);
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(again.values.size() == read.size());
    for (qsizetype i = 0; i < read.size(); ++i)
        if (cp932::canEncode(read[i]))
            FUZZ_CHECK(again.values[i] == read[i]);
    FUZZ_CHECK(records::format(again.values) == saved);
}

} // namespace fuzzcheck

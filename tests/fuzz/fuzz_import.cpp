// The roster import reader: the first two bytes give the length of the count
// file, the rest is the product's Meibo.Dat. The roster it builds is saved as
// Meibo.Dat and read back the same.
#include "FuzzCheck.h"
#include "data/RosterImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 2)
        return 0;
    const size_t split = std::min<size_t>(size - 2, data[0] | (size_t(data[1]) << 8));
    const QByteArray countFile = fuzzcheck::bytesOf(data + 2, split);
    const QByteArray source = fuzzcheck::bytesOf(data + 2 + split, size - 2 - split);
    const qint64 count = RosterImport::recordCount(countFile);
    if (count <= 0)
        return 0;
    const Roster roster = RosterImport::rosterOf(source, count);
    fuzzcheck::roundTrip(roster.toList(), Roster::kValues);
    return 0;
}

// The roster reader: Meibo.Dat read into its 999 slots, saved and read back.
#include "FuzzCheck.h"
#include "data/Roster.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const records::Read read =
        records::fromFile({fuzzcheck::bytesOf(data, size), FileError::None}, Roster::kValues);
    const Roster roster = Roster::fromList(read.values);
    FUZZ_CHECK(roster.toList() == read.values);
    fuzzcheck::roundTrip(roster.toList(), Roster::kValues);
    return 0;
}

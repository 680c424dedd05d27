// The card reader: a card reads whole or as damaged; a whole one is saved and
// read back the same.
#include "FuzzCheck.h"
#include "data/CardTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const cardfile::Read card =
        cardfile::fromFile({fuzzcheck::bytesOf(data, size), FileError::None});
    FUZZ_CHECK(card.ok() || card.error == FileError::Damaged);
    FUZZ_CHECK(card.ok() == (card.found == CardTable::kValues));
    if (!card.ok())
        return 0;
    const QByteArray saved = records::format(card.table.toList());
    const cardfile::Read again = cardfile::fromFile({saved, FileError::None});
    FUZZ_CHECK(again.ok());
    fuzzcheck::roundTrip(card.table.toList(), CardTable::kValues);
    return 0;
}

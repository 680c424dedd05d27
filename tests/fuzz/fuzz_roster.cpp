// The roster reader: Meibo.Dat read into its 999 slots. A roster that is not
// whole is named damaged, with its reason, and never taken for the roster; a
// roster as the program writes it is always whole; what was read is saved and
// read back the same.
#include "FuzzCheck.h"
#include "data/Roster.h"
#include "data/StorableText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes = fuzzcheck::bytesOf(data, size);
    const rosterfile::Read read = rosterfile::fromFile({bytes, FileError::None});
    if (read.ok())
        FUZZ_CHECK(records::parse(bytes).size() == Roster::kValues);
    else
        FUZZ_CHECK(read.error == FileError::Damaged && !read.fault.isEmpty());

    Roster written = read.roster;
    for (Employee &e : written.slots) {
        for (QString *v : {&e.code, &e.name, &e.payType})
            if (!storable::holds(*v))
                v->clear();
        e.mark = e.mark.isEmpty() ? QString() : QStringLiteral("*");
    }
    FUZZ_CHECK(rosterfile::fault(records::format(written.toList())).isEmpty());

    FUZZ_CHECK(read.roster.toList().size() == Roster::kValues);
    fuzzcheck::roundTrip(read.roster.toList(), Roster::kValues);
    return 0;
}

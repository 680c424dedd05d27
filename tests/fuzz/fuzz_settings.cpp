// The settings reader: Kijyun.Dat read into its 15 values, saved and read back.
#include "FuzzCheck.h"
#include "data/CalcSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const records::Read read =
        records::fromFile({fuzzcheck::bytesOf(data, size), FileError::None}, CalcSettings::kCount);
    const CalcSettings settings = CalcSettings::fromList(read.values);
    FUZZ_CHECK(settings.toList() == read.values);
    for (int i = 0; i < CalcSettings::kCount; ++i)
        (void)leadingNumber(settings[i]);
    fuzzcheck::roundTrip(settings.toList(), CalcSettings::kCount);
    return 0;
}

#include "data/IcOptions.h"

#include "data/RecordFile.h"

QStringList IcOptions::toList() const {
    auto word = [](bool on) { return on ? QString(icoptions::kOn) : QString(); };
    return {word(punchByCard), word(clickNeedsPin)};
}

IcOptions IcOptions::fromList(const QStringList &values) {
    IcOptions o;
    o.punchByCard = values.value(0) == icoptions::kOn;
    o.clickNeedsPin = values.value(1) == icoptions::kOn;
    return o;
}

namespace icoptions {

Load read(FileSystem &fs) {
    const records::Read r = records::read(fs, QLatin1String(kFile), kCount);
    return {IcOptions::fromList(r.values), r.error};
}

FileError write(FileSystem &fs, const IcOptions &options) {
    return records::write(fs, QLatin1String(kFile), options.toList());
}

} // namespace icoptions

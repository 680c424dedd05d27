#include "data/IcOptions.h"

#include "data/ChangeMerge.h"
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

Saved save(FileSystem &fs, const IcOptions &base, const IcOptions &mine) {
    const QString file = QLatin1String(kFile);
    const FileLock lock = fs.lockFile(file);
    if (!lock.held())
        return {lock.error()};
    const records::Read found = records::read(fs, file, kCount);
    if (found.error != FileError::None && found.error != FileError::NotFound)
        return {found.error, true};
    const QStringList values = changemerge::values(base.toList(), mine.toList(),
                                                   IcOptions::fromList(found.values).toList());
    return {records::write(fs, file, values)};
}

} // namespace icoptions

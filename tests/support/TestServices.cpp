#include "support/TestServices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void TestServices::put(const QString &name, const QByteArray &bytes) const {
    const QString p = path(name);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

QByteArray TestServices::bytes(const QString &name) const {
    QFile f(path(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

#include "platform/Volumes.h"

#include <QSet>
#include <QStorageInfo>

namespace volumes {

QStringList mountedRoots() {
    // Kernel and memory file systems hold no user data.
    static const QSet<QByteArray> pseudo = {
        "proc",     "sysfs",  "devtmpfs",    "devpts",   "cgroup", "cgroup2",    "securityfs",
        "pstore",   "bpf",    "tracefs",     "debugfs",  "mqueue", "hugetlbfs",  "fusectl",
        "configfs", "autofs", "binfmt_misc", "efivarfs", "nsfs",   "rpc_pipefs", "squashfs"};
    QStringList roots;
    for (const QStorageInfo &v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid() || !v.isReady() || pseudo.contains(v.fileSystemType()))
            continue;
        const QString root = v.rootPath();
        if (root.startsWith(QStringLiteral("/proc")) || root.startsWith(QStringLiteral("/sys")) ||
            root == QStringLiteral("/dev") || root.startsWith(QStringLiteral("/dev/")))
            continue;
        if (!roots.contains(root))
            roots.append(root);
    }
    roots.sort();
    return roots;
}

} // namespace volumes

#include "app/MenuRules.h"

#include <QHash>

namespace menurules {

const QStringList &workingItems() {
    static const QStringList items = {QStringLiteral("menukijyun"), QStringLiteral("mynustaff"),
                                      QStringLiteral("menujyunbi"), QStringLiteral("menusyuukei"),
                                      QStringLiteral("menuseiri"),  QStringLiteral("menubup")};
    return items;
}

QString wordOfItem(const QString &item) {
    static const QHash<QString, QString> words = {
        {QStringLiteral("menukijyun"), QStringLiteral("keisankijyun")},
        {QStringLiteral("mynustaff"), QStringLiteral("meibo")},
        {QStringLiteral("mynupw"), QStringLiteral("pw")},
        {QStringLiteral("menujyunbi"), QStringLiteral("cardjyunbi")},
        {QStringLiteral("menusyuukei"), QStringLiteral("syuukei")},
        {QStringLiteral("menuseiri"), QStringLiteral("seiri")},
        {QStringLiteral("menubup"), QStringLiteral("bkup")},
    };
    return words.value(item);
}

bool pinGuarded(const QString &word) {
    return word == QLatin1String("syuukei") || word == QLatin1String("seiri");
}

} // namespace menurules

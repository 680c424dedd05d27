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
        {QStringLiteral("menukijyun"), screenword::keisankijyun},
        {QStringLiteral("mynustaff"), screenword::meibo},
        {QStringLiteral("mynupw"), screenword::pw},
        {QStringLiteral("menujyunbi"), screenword::cardjyunbi},
        {QStringLiteral("menusyuukei"), screenword::syuukei},
        {QStringLiteral("menuseiri"), screenword::seiri},
        {QStringLiteral("menubup"), screenword::bkup},
    };
    return words.value(item);
}

bool pinGuarded(const QString &word) {
    return word == screenword::syuukei || word == screenword::seiri;
}

} // namespace menurules

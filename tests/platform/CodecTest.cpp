#include "platform/Codec932.h"
#include "platform/FileError.h"
#include "platform/OsKind.h"

#include <cerrno>
#include <gtest/gtest.h>

TEST(Codec932, SystemTextsRoundTripByteExact) {
    const QString texts[] = {
        QStringLiteral("月初～月末"), QStringLiteral("－"),       QStringLiteral("①②"),
        QStringLiteral("従業員ｺｰﾄﾞ"), QStringLiteral("◆"),        QStringLiteral("￥"),
        QStringLiteral("０１２３"),   QStringLiteral("C:\\data"), QStringLiteral("切上げ切捨て"),
    };
    for (const QString &t : texts) {
        bool lossless = false;
        const QByteArray bytes = cp932::encode(t, &lossless);
        EXPECT_TRUE(lossless) << t.toStdString();
        EXPECT_EQ(cp932::decode(bytes), t) << t.toStdString();
        EXPECT_EQ(cp932::encode(cp932::decode(bytes)), bytes);
    }
    // Windows code page bytes, not JIS X 0208 Shift_JIS.
    EXPECT_EQ(cp932::encode(QStringLiteral("～")), QByteArray("\x81\x60"));
    EXPECT_EQ(cp932::encode(QStringLiteral("\\")), QByteArray("\\"));
    EXPECT_EQ(cp932::encode(QStringLiteral("①")), QByteArray("\x87\x40"));
}

TEST(Codec932, BadBytesAreReplacedAndTheRestKept) {
    EXPECT_EQ(cp932::decode(QByteArray("ab\xff"
                                       "cd")),
              QStringLiteral("ab\uFFFDcd"));
    // A lead byte at the very end.
    EXPECT_EQ(cp932::decode(QByteArray("x\x82")), QStringLiteral("x\uFFFD"));
}

TEST(Codec932, UnencodableCharactersAreReported) {
    bool lossless = true;
    EXPECT_EQ(cp932::encode(QStringLiteral("a😀b"), &lossless), QByteArray("a?b"));
    EXPECT_FALSE(lossless);
    // A lone high surrogate costs only itself, not the character after it.
    EXPECT_EQ(cp932::encode(QString(QChar(0xD800)) + QStringLiteral("山"), &lossless),
              QByteArray("?") + cp932::encode(QStringLiteral("山")));
    EXPECT_FALSE(cp932::canEncode(QStringLiteral("😀")));
    EXPECT_TRUE(cp932::canEncode(QStringLiteral("山田太郎")));
}

TEST(Codec932, StorableOnlyWhenReadBackUnchanged) {
    struct Case {
        QString text;
        bool storable;
    };
    // The code page writes these nine, but reads them back as other characters.
    const Case cases[] = {
        {QStringLiteral("¢"), false},   {QStringLiteral("£"), false},
        {QStringLiteral("¥12"), false}, {QStringLiteral("¬"), false},
        {QStringLiteral("—"), false},   {QStringLiteral("‖"), false},
        {QStringLiteral("‾"), false},   {QStringLiteral("−"), false},
        {QStringLiteral("〜"), false},  {QStringLiteral("￥１２"), true},
        {QStringLiteral("～"), true},   {QStringLiteral("－"), true},
        {QStringLiteral("\\"), true},   {QStringLiteral("①ｺｰﾄﾞ"), true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(cp932::canEncode(c.text), c.storable);
    }
}

TEST(FileError, LegacyNumbers) {
    EXPECT_EQ(fileErrorFromErrno(ENOENT), FileError::NotFound);
    EXPECT_EQ(fileErrorFromErrno(ENOSPC), FileError::DiskFull);
    EXPECT_EQ(fileErrorFromErrno(EIO), FileError::DeviceIO);
    EXPECT_EQ(fileErrorFromErrno(EACCES), FileError::PathFileAccess);
    EXPECT_EQ(fileErrorFromErrno(ENOTDIR), FileError::PathNotFound);
    EXPECT_EQ(errorNumber(FileError::DiskFull), 61);
}

TEST(OsKind, FromVersion) {
    EXPECT_EQ(osKindFromVersion({5, 0, true}), QStringLiteral("NXP"));
    EXPECT_EQ(osKindFromVersion({5, 1, true}), QStringLiteral("XP"));
    EXPECT_EQ(osKindFromVersion({5, 2, true}), QStringLiteral("XP"));
    EXPECT_EQ(osKindFromVersion({6, 0, true}), QStringLiteral("Vista"));
    EXPECT_EQ(osKindFromVersion({10, 0, true}), QStringLiteral("Vista"));
    EXPECT_EQ(osKindFromVersion({}), QStringLiteral("NXP"));
    EXPECT_EQ(osKindFromVersion(platformOsVersion()), QStringLiteral("XP"));
}

#include "access/PinStore.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

TEST(PinStore, KeepsTheValueUnderKelvaneTrdwPsno) {
    MemorySettingsStore settings;
    PinStore store(settings);
    EXPECT_EQ(store.read(), "");
    EXPECT_TRUE(store.write("KXPMJW"));
    EXPECT_EQ(settings.values.value("Kelvane/Trdw/Psno"), "KXPMJW");
    EXPECT_EQ(settings.values.size(), 1);
    EXPECT_EQ(PinStore(settings).read(), "KXPMJW");
}

TEST(PinStore, RefusedWriteKeepsTheOldValue) {
    MemorySettingsStore settings;
    PinStore store(settings);
    ASSERT_TRUE(store.write("KXPMJW"));
    settings.failWrites = true;
    EXPECT_FALSE(store.write("ABWCUA"));
    EXPECT_EQ(store.read(), "KXPMJW");
}

// The real store finds the value again with a fresh object (the next start),
// and says so when the file cannot be written.
TEST(PinStore, RealStoreRoundTripAndFailedWrite) {
    QTemporaryDir home;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    QtSettingsStore settings;
    EXPECT_EQ(PinStore(settings).read(), "");
    ASSERT_TRUE(PinStore(settings).write("KXPMJW"));
    QtSettingsStore later;
    EXPECT_EQ(PinStore(later).read(), "KXPMJW");

    // A folder where the settings file should be: no write can succeed.
    QTemporaryDir blocked;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, blocked.path());
    ASSERT_TRUE(QDir(blocked.path()).mkpath("Kelvane/Kelvane.ini"));
    EXPECT_FALSE(PinStore(settings).write("ABWCUA"));
    EXPECT_EQ(PinStore(settings).read(), "");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

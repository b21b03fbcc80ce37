#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <array>

#include "framework/db/GlobalDataBase.h"
#include "framework/db/SettingsHelpers.h"
#include "framework/util/Registry.h"
#include "tests/support/TestEnvironment.h"
#include "tests/util/Unprivileged.h"

using namespace Qt::StringLiterals;
using namespace fw::db;
using fw::util::Registry;
using fw::util::RootKey;

namespace {

QString valueIn(RootKey root, const QString& key, const QString& name) {
    Registry registry(root);
    return registry.openKeyReadOnly(key) ? registry.readString(name) : u"<sin clave>"_s;
}

void createVersionKey() {
    Registry registry(RootKey::LocalMachine);
    ASSERT_TRUE(registry.openKey(VersionKeyPath(), true));
}

TEST(SettingsHelpers, KeyPathsFollowTheProductName) {
    EXPECT_EQ(VersionKeyPath(), u"\\SoftWare\\Delmaro\\Korvella\\1.0"_s);
    EXPECT_EQ(TestKeyPath(), u"\\SoftWare\\Delmaro\\Korvella\\Test"_s);
    EXPECT_EQ(SettingsKeyPath(QString()), u"\\SoftWare\\Delmaro\\Korvella\\Settings"_s);
    GlobalDataBase().ProductName = u"Otro"_s;
    EXPECT_EQ(SettingsKeyPath(u"LastLogin"_s), u"\\SoftWare\\Delmaro\\Otro\\Settings\\LastLogin"_s);
}

struct TrimCase {
    QString name;
    QString value;
    QString expected;
};

TEST(SettingsHelpers, OnlyAnInstallPathLosesItsTrailingBackslash) {
    const std::array cases = {
        TrimCase{u"installpath"_s, u"C:\\Korvella\\"_s, u"C:\\Korvella"_s},
        TrimCase{u"InstallPath"_s, u"C:\\Korvella\\"_s, u"C:\\Korvella"_s},
        TrimCase{u"INSTALLPATH"_s, u"\\"_s, QString()},
        TrimCase{u"InstallPath"_s, u"C:\\Korvella"_s, u"C:\\Korvella"_s},
        TrimCase{u"InstallPath"_s, u"/opt/korvella/"_s, u"/opt/korvella/"_s},
        TrimCase{u"DataPath"_s, u"C:\\Datos\\"_s, u"C:\\Datos\\"_s},
        TrimCase{u"InstallPath2"_s, u"C:\\K\\"_s, u"C:\\K\\"_s},
    };
    for (const TrimCase& c : cases)
        EXPECT_EQ(TrimInstallPath(c.name, c.value), c.expected) << c.name.toStdString();

    const QString key = SettingsKeyPath(u"Rutas"_s);
    WriteSettingValue(key, u"installPATH"_s, u"C:\\Korvella\\"_s);
    WriteSettingValue(key, u"Otra"_s, u"C:\\Korvella\\"_s);
    QString value;
    ReadSettingValue(key, u"InstallPath"_s, value);
    EXPECT_EQ(value, u"C:\\Korvella"_s);
    ReadUserOrMachineValue(key, u"installpath"_s, value);
    EXPECT_EQ(value, u"C:\\Korvella"_s);
    ReadSettingValue(key, u"Otra"_s, value);
    EXPECT_EQ(value, u"C:\\Korvella\\"_s);
}

TEST(SettingsHelpers, WithoutTheVersionKeySettingsGoToTheUser) {
    EXPECT_FALSE(UseMachineSettings());
    const QString key = SettingsKeyPath(u"Ventana"_s);
    WriteSettingValue(key, u"Ancho"_s, u"640"_s);
    EXPECT_EQ(valueIn(RootKey::CurrentUser, key, u"Ancho"_s), u"640"_s);
    EXPECT_EQ(valueIn(RootKey::LocalMachine, key, u"Ancho"_s), u"<sin clave>"_s);

    QString value = u"basura"_s;
    ReadSettingValue(key, u"Alto"_s, value);
    EXPECT_EQ(value, QString());
    ReadSettingValue(SettingsKeyPath(u"Falta"_s), u"Alto"_s, value);
    EXPECT_EQ(value, QString());
}

TEST(SettingsHelpers, WithAWritableVersionKeySettingsGoToTheMachineForTheWholeProcess) {
    createVersionKey();
    EXPECT_TRUE(UseMachineSettings());
    const QString key = SettingsKeyPath(u"Ventana"_s);
    WriteSettingValue(key, u"Ancho"_s, u"800"_s);
    EXPECT_EQ(valueIn(RootKey::LocalMachine, key, u"Ancho"_s), u"800"_s);
    EXPECT_EQ(valueIn(RootKey::CurrentUser, key, u"Ancho"_s), u"<sin clave>"_s);

    // The decision is kept once taken.
    ASSERT_TRUE(Registry(RootKey::LocalMachine).deleteKey(VersionKeyPath()));
    EXPECT_TRUE(UseMachineSettings());
}

TEST(SettingsHelpers, ReadUserOrMachineValueFallsBackOnlyWhenTheUserHasNoKey) {
    const QString key = SettingsKeyPath(u"Comun"_s);
    {
        Registry machine(RootKey::LocalMachine);
        ASSERT_TRUE(machine.openKey(key, true));
        machine.writeString(u"Servidor"_s, u"maquina"_s);
    }
    QString value;
    ReadUserOrMachineValue(key, u"Servidor"_s, value);
    EXPECT_EQ(value, u"maquina"_s);

    WriteUserValue(key, u"Otro"_s, u"x"_s);
    ReadUserOrMachineValue(key, u"Servidor"_s, value);
    EXPECT_EQ(value, QString());
    WriteUserValue(key, u"Servidor"_s, u"usuario"_s);
    ReadUserOrMachineValue(key, u"Servidor"_s, value);
    EXPECT_EQ(value, u"usuario"_s);
}

TEST(SettingsHelpers, WriteDefaultUserValueGoesUnderDotDefault) {
    WriteDefaultUserValue(SettingsKeyPath(u"Grid"_s), u"Fuente"_s, u"Arial"_s);
    WriteDefaultUserValue(u"SoftWare\\Sin\\Barra"_s, u"v"_s, u"1"_s);
    EXPECT_EQ(valueIn(RootKey::Users, u".DEFAULT"_s + SettingsKeyPath(u"Grid"_s), u"Fuente"_s),
              u"Arial"_s);
    EXPECT_EQ(valueIn(RootKey::Users, u"\\.default\\software\\sin\\barra"_s, u"v"_s), u"1"_s);
}

TEST(SettingsHelpers, CanWriteMachineSettingsLeavesNoKeyBehind) {
    EXPECT_TRUE(CanWriteMachineSettings());
    EXPECT_FALSE(Registry(RootKey::LocalMachine).keyExists(u"SoftWare"_s));
    // The test does not take the machine decision for the process.
    EXPECT_FALSE(UseMachineSettings());

    // Keys that were there before stay.
    createVersionKey();
    EXPECT_TRUE(CanWriteMachineSettings());
    const Registry machine(RootKey::LocalMachine);
    EXPECT_FALSE(machine.keyExists(TestKeyPath()));
    EXPECT_TRUE(machine.keyExists(VersionKeyPath()));
}

TEST(SettingsHelpers, AMissingMachineFolderMeansNoMachineSettings) {
    const QString missing = test::TestEnvironment::instance().root() + u"/no/existe"_s;
    qputenv("KORVELLA_MACHINE_DIR", QFile::encodeName(missing));
    EXPECT_FALSE(CanWriteMachineSettings());
    EXPECT_FALSE(UseMachineSettings());
}

TEST(SettingsHelpers, AUserWithoutRightsOnTheMachineHiveUsesHisOwn) {
    createVersionKey();
    const QString machine = test::TestEnvironment::instance().machineDir();
    ASSERT_EQ(::chmod(QFile::encodeName(machine).constData(), 0555), 0);
    const QString key = SettingsKeyPath(u"Ventana"_s);
    const int result = test::RunUnprivileged([&key] {
        if (UseMachineSettings())
            return 1;
        WriteSettingValue(key, u"Ancho"_s, u"1024"_s);
        if (valueIn(RootKey::CurrentUser, key, u"Ancho"_s) != u"1024"_s)
            return 2;
        if (CanWriteMachineSettings())
            return 3;
        QString value;
        ReadSettingValue(key, u"Ancho"_s, value);
        return value == u"1024"_s ? 0 : 4;
    });
    ::chmod(QFile::encodeName(machine).constData(), 0755);
    if (result == test::kCannotDrop)
        GTEST_SKIP() << "cannot run as a user without rights here";
    EXPECT_EQ(result, 0) << "failed check " << result;
    EXPECT_FALSE(Registry(RootKey::LocalMachine).keyExists(TestKeyPath()));
    EXPECT_FALSE(Registry(RootKey::LocalMachine).keyExists(key));
}

}  // namespace

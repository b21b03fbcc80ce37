#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "framework/util/Errors.h"
#include "framework/util/Registry.h"
#include "tests/support/TestEnvironment.h"
#include "tests/util/Unprivileged.h"

using namespace Qt::StringLiterals;
using fw::util::Registry;
using fw::util::RootKey;

namespace {

const QString kProductKey = u"\\SoftWare\\Delmaro\\Korvella"_s;

int fileMode(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return int(info.st_mode & 07777);
}

TEST(Registry, KeyPathsIgnoreCaseAndKeepTheCaseTheyWereCreatedWith) {
    Registry registry;
    ASSERT_TRUE(registry.openKey(kProductKey + u"\\Settings"_s, true));
    registry.writeString(u"Nombre"_s, u"valor"_s);
    EXPECT_EQ(registry.currentPath(), u"SoftWare\\Delmaro\\Korvella\\Settings"_s);

    Registry other;
    ASSERT_TRUE(other.openKeyReadOnly(u"software\\DELMARO\\korvella\\settings"_s));
    EXPECT_EQ(other.readString(u"NOMBRE"_s), u"valor"_s);
    EXPECT_TRUE(other.keyExists(u"Software\\Delmaro"_s));
    EXPECT_TRUE(other.keyExists(u"\\SOFTWARE\\delmaro\\"_s));
    EXPECT_FALSE(other.keyExists(u"\\SoftWare\\Otro"_s));

    // Opening through another spelling creates nothing new.
    ASSERT_TRUE(other.openKey(u"SOFTWARE\\delmaro\\KORVELLA\\Nuevo"_s, true));
    ASSERT_TRUE(other.openKeyReadOnly(u"\\software\\delmaro\\korvella"_s));
    EXPECT_EQ(other.subKeyNames(), (QStringList{u"Nuevo"_s, u"Settings"_s}));
    ASSERT_TRUE(other.openKeyReadOnly(QString()));
    EXPECT_EQ(other.subKeyNames(), QStringList{u"SoftWare"_s});
}

TEST(Registry, SubKeysAreListedAlphabeticallyIgnoringCase) {
    Registry registry;
    for (const QString& name : {u"beta"_s, u"Alfa"_s, u"Gamma"_s, u"delta"_s})
        ASSERT_TRUE(registry.openKey(u"Raiz\\"_s + name, true));
    ASSERT_TRUE(registry.openKeyReadOnly(u"raiz"_s));
    EXPECT_EQ(registry.subKeyNames(), (QStringList{u"Alfa"_s, u"beta"_s, u"delta"_s, u"Gamma"_s}));
}

TEST(Registry, ValuesKeepTheirType) {
    Registry registry;
    ASSERT_TRUE(registry.openKey(u"Valores"_s, true));
    registry.writeString(u"Texto"_s, u"hola"_s);
    registry.writeInteger(u"Numero"_s, -42);
    registry.writeString(QString(), u"por defecto"_s);

    EXPECT_EQ(registry.readString(u"texto"_s), u"hola"_s);
    EXPECT_EQ(registry.readInteger(u"NUMERO"_s), -42);
    EXPECT_EQ(registry.readString(u"Numero"_s), u"-42"_s);
    EXPECT_EQ(registry.readString(QString()), u"por defecto"_s);
    EXPECT_EQ(registry.readString(u"Falta"_s), QString());

    // A value of the wrong type or a missing one raises, or answers false without touching out.
    EXPECT_THROW(registry.readInteger(u"Texto"_s), fw::RegistryError);
    EXPECT_THROW(registry.readInteger(u"Falta"_s), fw::RegistryError);
    int out = 7;
    EXPECT_FALSE(registry.readInteger(u"Texto"_s, out));
    EXPECT_EQ(out, 7);
    EXPECT_TRUE(registry.readInteger(u"Numero"_s, out));
    EXPECT_EQ(out, -42);

    // Writing under another spelling replaces the value and may change its type.
    registry.writeString(u"NUMERO"_s, u"ya no"_s);
    EXPECT_THROW(registry.readInteger(u"Numero"_s), fw::RegistryError);
    EXPECT_EQ(registry.readString(u"numero"_s), u"ya no"_s);

    EXPECT_TRUE(registry.valueExists(u"TEXTO"_s));
    EXPECT_TRUE(registry.deleteValue(u"texto"_s));
    EXPECT_FALSE(registry.valueExists(u"Texto"_s));
    EXPECT_FALSE(registry.deleteValue(u"Texto"_s));
}

TEST(Registry, DeleteKeyRemovesItsSubKeysAndValues) {
    Registry registry;
    ASSERT_TRUE(registry.openKey(u"A\\B\\C"_s, true));
    registry.writeString(u"v"_s, u"1"_s);
    ASSERT_TRUE(registry.openKey(u"A\\B"_s, false));
    registry.writeString(u"v"_s, u"2"_s);
    ASSERT_TRUE(registry.openKey(u"A\\D"_s, true));

    EXPECT_TRUE(registry.deleteKey(u"\\a\\b"_s));
    EXPECT_FALSE(registry.keyExists(u"A\\B"_s));
    EXPECT_FALSE(registry.keyExists(u"A\\B\\C"_s));
    EXPECT_TRUE(registry.keyExists(u"A\\D"_s));
    EXPECT_FALSE(registry.deleteKey(u"A\\B"_s));
    EXPECT_FALSE(registry.deleteKey(QString()));

    ASSERT_TRUE(registry.openKey(u"A\\B\\C"_s, true));
    EXPECT_FALSE(registry.valueExists(u"v"_s));
}

TEST(Registry, OpeningRulesAndReadOnlyKeys) {
    Registry registry;
    EXPECT_FALSE(registry.openKey(u"No\\Existe"_s, false));
    EXPECT_FALSE(registry.openKeyReadOnly(u"No\\Existe"_s));
    EXPECT_THROW(registry.writeString(u"x"_s, u"y"_s), fw::RegistryError);

    ASSERT_TRUE(registry.openKey(u"Clave"_s, true));
    ASSERT_TRUE(registry.openKeyReadOnly(u"Clave"_s));
    EXPECT_THROW(registry.writeString(u"x"_s, u"y"_s), fw::RegistryError);
    EXPECT_THROW(registry.writeInteger(u"x"_s, 1), fw::RegistryError);
    EXPECT_FALSE(registry.deleteValue(u"x"_s));

    registry.closeKey();
    EXPECT_EQ(registry.currentPath(), QString());
    EXPECT_EQ(registry.readString(u"x"_s), QString());
}

TEST(Registry, EachRootHasItsOwnHive) {
    const auto& environment = test::TestEnvironment::instance();
    // Before any write, the roots exist and are empty.
    Registry reader(RootKey::LocalMachine);
    EXPECT_TRUE(reader.openKeyReadOnly(QString()));
    EXPECT_TRUE(reader.subKeyNames().isEmpty());
    EXPECT_FALSE(reader.keyExists(u"Clave"_s));

    for (RootKey root : {RootKey::CurrentUser, RootKey::LocalMachine, RootKey::Users}) {
        Registry registry(root);
        ASSERT_TRUE(registry.openKey(u"Clave"_s, true));
        registry.writeInteger(u"Raiz"_s, int(root));
    }
    for (RootKey root : {RootKey::CurrentUser, RootKey::LocalMachine, RootKey::Users}) {
        Registry registry(root);
        ASSERT_TRUE(registry.openKeyReadOnly(u"Clave"_s));
        EXPECT_EQ(registry.readInteger(u"Raiz"_s), int(root));
    }
    EXPECT_TRUE(QFile::exists(QDir(environment.userDir()).filePath(u"user.hive"_s)));
    EXPECT_TRUE(QFile::exists(QDir(environment.machineDir()).filePath(u"machine.hive"_s)));
    EXPECT_TRUE(QFile::exists(QDir(environment.machineDir()).filePath(u"users.hive"_s)));
}

TEST(Registry, TheUserHiveIsReadableByItsOwnerAlone) {
    const QString folder =
        test::TestEnvironment::instance().makeFolder(u"nuevo"_s) + u"/korvella"_s;
    qputenv("KORVELLA_USER_DIR", QFile::encodeName(folder));
    Registry registry(RootKey::CurrentUser);
    ASSERT_TRUE(registry.openKey(u"Clave"_s, true));
    registry.writeString(u"Password"_s, u"secreto"_s);
    EXPECT_EQ(fileMode(folder), 0700);
    EXPECT_EQ(fileMode(QDir(folder).filePath(u"user.hive"_s)), 0600);
}

TEST(Registry, AMachineHiveTheUserCannotWriteIsReadOnly) {
    const QString machine = test::TestEnvironment::instance().machineDir();
    {
        Registry registry(RootKey::LocalMachine);
        ASSERT_TRUE(registry.openKey(u"SoftWare\\Delmaro"_s, true));
        registry.writeString(u"Valor"_s, u"de la máquina"_s);
    }
    ASSERT_EQ(::chmod(QFile::encodeName(machine).constData(), 0555), 0);

    const int result = test::RunUnprivileged([] {
        Registry registry(RootKey::LocalMachine);
        if (Registry::canWriteRoot(RootKey::LocalMachine))
            return 1;
        if (registry.openKey(u"SoftWare\\Delmaro"_s, false) || registry.openKey(u"Otra"_s, true))
            return 2;
        if (registry.deleteKey(u"SoftWare\\Delmaro"_s))
            return 3;
        if (!registry.openKeyReadOnly(u"software\\delmaro"_s) ||
            registry.readString(u"valor"_s) != u"de la máquina"_s)
            return 4;
        try {
            registry.writeString(u"Valor"_s, u"cambiado"_s);
            return 5;
        } catch (const fw::RegistryError&) {
        }
        // The user's own root stays writable.
        Registry user(RootKey::CurrentUser);
        if (!Registry::canWriteRoot(RootKey::CurrentUser) || !user.openKey(u"Clave"_s, true))
            return 6;
        user.writeString(u"x"_s, u"y"_s);
        return 0;
    });
    ::chmod(QFile::encodeName(machine).constData(), 0755);
    if (result == test::kCannotDrop)
        GTEST_SKIP() << "cannot run as a user without rights here";
    EXPECT_EQ(result, 0) << "failed check " << result;

    Registry check(RootKey::LocalMachine);
    ASSERT_TRUE(check.openKeyReadOnly(u"SoftWare\\Delmaro"_s));
    EXPECT_EQ(check.readString(u"Valor"_s), u"de la máquina"_s);
    EXPECT_FALSE(check.keyExists(u"Otra"_s));
}

TEST(Registry, AMissingMachineFolderIsNotCreated) {
    const QString missing = test::TestEnvironment::instance().root() + u"/no/existe"_s;
    qputenv("KORVELLA_MACHINE_DIR", QFile::encodeName(missing));
    Registry registry(RootKey::LocalMachine);
    EXPECT_FALSE(Registry::canWriteRoot(RootKey::LocalMachine));
    EXPECT_FALSE(registry.openKey(u"Clave"_s, true));
    EXPECT_TRUE(registry.openKeyReadOnly(QString()));
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST(Registry, SeveralWritersAtOnceLoseNothing) {
    constexpr int kWrites = 150;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        int result = 0;
        try {
            Registry registry;
            if (!registry.openKey(u"Compartida"_s, true))
                result = 1;
            for (int i = 0; result == 0 && i < kWrites; ++i)
                registry.writeInteger(u"hijo%1"_s.arg(i), i);
        } catch (...) {
            result = 2;
        }
        ::_exit(result);
    }
    Registry first;
    Registry second;
    ASSERT_TRUE(first.openKey(u"Compartida"_s, true));
    ASSERT_TRUE(second.openKey(u"compartida"_s, true));
    for (int i = 0; i < kWrites; ++i) {
        first.writeInteger(u"uno%1"_s.arg(i), i);
        second.writeString(u"dos%1"_s.arg(i), QString::number(i));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

    Registry reader;
    ASSERT_TRUE(reader.openKeyReadOnly(u"Compartida"_s));
    for (int i = 0; i < kWrites; ++i) {
        EXPECT_EQ(reader.readInteger(u"hijo%1"_s.arg(i)), i);
        EXPECT_EQ(reader.readInteger(u"uno%1"_s.arg(i)), i);
        EXPECT_EQ(reader.readString(u"dos%1"_s.arg(i)), QString::number(i));
    }
}

}  // namespace

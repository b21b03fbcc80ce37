#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "framework/forms/RecordingResponder.h"
#include "framework/forms/ShellHelpers.h"
#include "tests/forms/FormsTesting.h"
#include "tests/support/TestEnvironment.h"

using namespace fw::forms;

namespace {

const QChar CR(13);

TEST(ShellOpenTest, AMissingFileAnswersFileNotFoundAfterNamingIt) {
    RecordingResponder& recorder = test::InstallRecorder();
    const QString folder = test::TestEnvironment::instance().makeFolder(QStringLiteral("shell"));
    const QString missing = QDir(folder).filePath(QStringLiteral("Declaracion.pdf"));

    EXPECT_EQ(ShellOpen(nullptr, QStringLiteral("open"), missing, 1, QString(), QString()), 2);
    EXPECT_EQ(
        ShellOpen(nullptr, QString(), QStringLiteral("Declaracion.pdf"), 1, folder, QString()), 2);

    ASSERT_EQ(recorder.requests.size(), 2u);
    const MessageRequest& first = recorder.requests.front();
    EXPECT_EQ(first.title, QStringLiteral("Atención"));
    EXPECT_EQ(first.style, 0x30u);
    EXPECT_EQ(first.text, QStringLiteral("El sistema retornó el siguiente error: ") + CR + CR +
                              QStringLiteral("(2):No se encuentra el archivo especificado.") + CR +
                              missing);
    // The message names the file as the caller gave it.
    EXPECT_TRUE(recorder.requests.back().text.endsWith(CR + QStringLiteral("Declaracion.pdf")));
}

TEST(ShellOpenTest, AnUnknownVerbHasNoAssociation) {
    RecordingResponder& recorder = test::InstallRecorder();
    const QString folder = test::TestEnvironment::instance().makeFolder(QStringLiteral("verb"));
    const QString path = QDir(folder).filePath(QStringLiteral("informe.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    EXPECT_EQ(ShellOpen(nullptr, QStringLiteral("print"), path, 1, QString(), QString()), 31);
    ASSERT_EQ(recorder.requests.size(), 1u);
    EXPECT_TRUE(recorder.requests.front().text.contains(QStringLiteral("(31):")));
}

}  // namespace

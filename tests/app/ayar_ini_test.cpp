#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/ayar_ini.h"
#include "data/db_error.h"

using namespace ostrima;

namespace {

struct AyarCase {
    const char* name;
    QByteArray content;
    QString server;
    QString database;
};

class AyarIniParse : public ::testing::TestWithParam<AyarCase> {};

TEST_P(AyarIniParse, ReadsServerAndDatabaseLineByLine)
{
    const AyarIni ini = AyarIni::parse(GetParam().content);
    EXPECT_EQ(ini.server, GetParam().server);
    EXPECT_EQ(ini.database, GetParam().database);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AyarIniParse,
    ::testing::Values(
        AyarCase{"two_lines", "db.local:5433\r\nlokanta\r\n", "db.local:5433", "lokanta"},
        AyarCase{"one_line_empties_database", "db.local", "db.local", ""},
        AyarCase{"empty_first_line_leaves_server_unset", "\nlokanta\n", "", "lokanta"},
        AyarCase{"server_cut_to_30", "abcdefghijabcdefghijabcdefghijXYZ\nx\n",
                 "abcdefghijabcdefghijabcdefghij", "x"},
        AyarCase{"database_cut_to_20", "\nabcdefghijabcdefghijKLM\n", "",
                 "abcdefghijabcdefghij"},
        AyarCase{"later_lines_ignored", "srv\ndb\nother\nmore\n", "srv", "db"},
        AyarCase{"empty_file", "", "", ""},
        AyarCase{"turkish_name", "\nşubeİki\n", "", QStringLiteral("şubeİki")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AyarIniRead, MissingFileGivesTheSystemsMessage)
{
    QTemporaryDir dir;
    try {
        AyarIni::read(dir.path());
        FAIL() << "no error for a missing ayar.INI";
    } catch (const UserError& e) {
        EXPECT_EQ(e.text(), QStringLiteral("File ayar.INI  BULUNAMADI"));
    }
}

// The program itself ends with a non-zero exit and says why, for a missing file and for a
// database that cannot be reached.
TEST(ProgramStart, FailsClearlyWithoutSettingsOrDatabase)
{
    QTemporaryDir dir;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(OSTRIMA_PROGRAM), {QStringLiteral("--site"), dir.path(),
                                              QStringLiteral("--client"), QStringLiteral("T1")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_NE(p.exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains(
        QStringLiteral("File ayar.INI  BULUNAMADI")));

    QFile ini(QDir(dir.path()).filePath(QStringLiteral("ayar.INI")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("127.0.0.1:1\r\nyok\r\n"); // nothing listens on port 1
    ini.close();
    p.start(QStringLiteral(OSTRIMA_PROGRAM), {QStringLiteral("--site"), dir.path(),
                                              QStringLiteral("--client"), QStringLiteral("T1")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_NE(p.exitCode(), 0);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    EXPECT_TRUE(err.contains(QStringLiteral("connect"), Qt::CaseInsensitive)) << err.toStdString();
}

} // namespace

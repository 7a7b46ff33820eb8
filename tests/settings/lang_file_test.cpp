#include <optional>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "data/db_error.h"
#include "settings/grid_texts.h"
#include "settings/lang_file.h"

using namespace ostrima;

namespace {

struct ParseCase {
    const char* name;
    QByteArray content;
    const char* section;
    const char* key;
    std::optional<QString> expected;
};

class LangFileParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(LangFileParse, FindsTheValueAsWritten)
{
    const LangFile f = LangFile::parse(GetParam().content);
    EXPECT_EQ(f.value(QString::fromLatin1(GetParam().section), QString::fromLatin1(GetParam().key)),
              GetParam().expected);
}

const QByteArray sample = "; screens\r\n"
                          "[AnaMenu_Frm]\r\n"
                          "ANAMENU_FRM.BTNIADE.CAPTION=İade\r\n"
                          "anamenu_frm.btnEkle.Caption=\r\n"
                          "anamenu_frm.mmo1.lines[1]=fsdef\r\n"
                          "  anamenu_frm.btnYeniCari.Caption =  \"Yeni Cari \"  \r\n"
                          "anamenu_frm.btnHesap.Caption=Hesap\\nKapat\r\n"
                          "anamenu_frm.btnHesap.Hint=C:\\temp\\\\x\r\n"
                          "anamenu_frm.btnHesap.Hint=second\r\n"
                          "anamenu_frm.lbl.Caption=a=b\r\n"
                          "no equals sign here\r\n"
                          "[ekle_frm]\r\n"
                          "ekle_frm.Caption=Ekle\r\n"
                          "[anamenu_frm]\r\n"
                          "anamenu_frm.Caption=Ana Menü\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, LangFileParse,
    ::testing::Values(
        ParseCase{"names_ignore_case", sample, "anamenu_frm", "anamenu_frm.btnIade.Caption",
                  QStringLiteral("İade")},
        ParseCase{"empty_value_is_present", sample, "anamenu_frm", "anamenu_frm.btnEkle.Caption",
                  QString()},
        ParseCase{"missing_key", sample, "anamenu_frm", "anamenu_frm.btnYok.Caption", std::nullopt},
        ParseCase{"missing_section", sample, "hesap_frm", "anamenu_frm.btnIade.Caption",
                  std::nullopt},
        ParseCase{"key_of_another_section", sample, "ekle_frm", "anamenu_frm.btnIade.Caption",
                  std::nullopt},
        ParseCase{"fsdef_is_an_ordinary_value", sample, "anamenu_frm", "anamenu_frm.mmo1.lines[1]",
                  QStringLiteral("fsdef")},
        ParseCase{"quotes_keep_edge_blanks", sample, "anamenu_frm",
                  "anamenu_frm.btnYeniCari.Caption", QStringLiteral("Yeni Cari ")},
        ParseCase{"line_break_escape", sample, "anamenu_frm", "anamenu_frm.btnHesap.Caption",
                  QStringLiteral("Hesap\nKapat")},
        ParseCase{"other_backslashes_kept_first_value_counts", sample, "anamenu_frm",
                  "anamenu_frm.btnHesap.Hint", QStringLiteral("C:\\temp\\x")},
        ParseCase{"equals_sign_in_value", sample, "anamenu_frm", "anamenu_frm.lbl.Caption",
                  QStringLiteral("a=b")},
        ParseCase{"repeated_section_merges", sample, "ANAMENU_FRM", "anamenu_frm.caption",
                  QStringLiteral("Ana Menü")},
        ParseCase{"utf8_byte_order_mark", "\xEF\xBB\xBF[s]\nk=ş", "s", "k", QStringLiteral("ş")},
        ParseCase{"windows_1254_when_not_utf8",
                  "[s]\nk=\xDD"
                  "ade \xDE\xFD\xF0\n",
                  "s", "k", QStringLiteral("İade Şığ")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LangFileWriter, WritesValuesThatReadBackUnchanged)
{
    const QStringList values = {QString(),
                                QStringLiteral("Yeni Cari "),
                                QStringLiteral("\t lead"),
                                QStringLiteral("\"quoted\""),
                                QStringLiteral("\""),
                                QStringLiteral("Hesap\nBölme\n"),
                                QStringLiteral("C:\\temp\\new\\\\"),
                                QStringLiteral("a=b ; c # d"),
                                QStringLiteral("İade ğüşıöç ĞÜŞİÖÇ €")};
    LangFileWriter w;
    for (int i = 0; i < values.size(); ++i)
        w.setValue(QStringLiteral("s"), QStringLiteral("k%1").arg(i), values[i]);
    const LangFile f = LangFile::parse(w.toUtf8());
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(f.value(QStringLiteral("s"), QStringLiteral("k%1").arg(i)), values[i])
            << qPrintable(values[i]);
}

TEST(LangFileWriter, KeepsOrderAndReplacesARepeatedKey)
{
    LangFileWriter w;
    w.setValue(QStringLiteral("anamenu_frm"), QStringLiteral("anamenu_frm.Caption"),
               QStringLiteral("®"));
    w.setValue(QStringLiteral("anamenu_frm"), QStringLiteral("anamenu_frm.mmo1.Lines[0]"),
               QStringLiteral("a"));
    w.setValue(QStringLiteral("ekle_frm"), QStringLiteral("ekle_frm.cmb.Items[0]"), QString());
    w.setValue(QStringLiteral("ANAMENU_FRM"), QStringLiteral("anamenu_frm.caption"),
               QStringLiteral("Ana"));
    EXPECT_EQ(w.toUtf8(), QByteArray("[anamenu_frm]\n"
                                     "anamenu_frm.Caption=Ana\n"
                                     "anamenu_frm.mmo1.Lines[0]=a\n"
                                     "\n"
                                     "[ekle_frm]\n"
                                     "ekle_frm.cmb.Items[0]=\n"));
}

TEST(LangFileWriter, FailureToWriteNamesTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/Custom.ini"));
    try {
        LangFileWriter().save(path);
        FAIL() << "no error for a file that cannot be written";
    } catch (const UserError& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("Custom.ini"))) << qPrintable(e.text());
        EXPECT_TRUE(e.text().contains(QStringLiteral("yazılamadı"))) << qPrintable(e.text());
    }
}

TEST(LangFileOpen, MissingFileIsNothing)
{
    QTemporaryDir dir;
    EXPECT_FALSE(LangFile::open(dir.path()));
}

TEST(GridTexts, BuiltInTextsUnlessTheFileSaysOtherwise)
{
    QTemporaryDir dir;
    const GridTexts builtIn = readGridTexts(dir.path());
    EXPECT_EQ(builtIn.noData, QStringLiteral("Gösterilecek kayıt yok"));

    QFile f(QDir(dir.path()).filePath(QStringLiteral("sorgu_ayar.ini")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Grid]\nnoData=\nFILTERPLACEHOLDER=Search\n");
    f.close();
    const GridTexts t = readGridTexts(dir.path());
    EXPECT_EQ(t.noData, QString());
    EXPECT_EQ(t.filterPlaceholder, QStringLiteral("Search"));
    EXPECT_EQ(t.columnChooser, builtIn.columnChooser);
}

} // namespace

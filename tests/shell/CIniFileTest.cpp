#include "shell/CIniFile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace zemtar;
using zemtar::test::readAll;
using zemtar::test::writeAll;

namespace {

QString u8(const char* s) { return QString::fromUtf8(s); }

class IniTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("Setup.ini")); }
    void write(const char* text) { ASSERT_TRUE(writeAll(path(), QByteArray(text))); }
    bool load(CIniFile& ini, bool writeBack = false, bool backup = false)
    {
        return ini.Load(QStringLiteral("Setup.ini"), writeBack, false, true, backup, dir.path());
    }
};

TEST_F(IniTest, LookupRules)
{
    write("top=1\n"
          "[Setup]\n"
          "Language=English\n"
          "language=Chinese\n"
          "  Path = C://Radio//x  \n"
          "Remark=C://Radio //x  \n"
          "Note=word //remark\n"
          "Tabbed=a\t;comment\n"
          "Block=v /*c*/\n"
          "Glued=v/*c*/\n"
          "Only=// nothing but a remark\n"
          "Url=http://example.org/a\t; where\n"
          "BareWord\n"
          "; comment=1\n"
          "//c=2\n"
          "/*x=3\n"
          "*y=4\n"
          "\\z=5\n"
          "[ Setup ]\n"
          "Language=Spaced\n"
          "[setup]\n"
          "AppName=Second\n"
          "[中文]\n"
          "键=值\n");
    CIniFile ini;
    ASSERT_TRUE(load(ini));
    struct {
        const char* section;
        const char* key;
        const char* def;
        const char* expect;
    } cases[] = {
        {"", "top", "", "1"},
        {"Setup", "Language", "", "Chinese"},  // last equal key wins
        {"SETUP", "LANGUAGE", "", "Chinese"},  // names ignore case
        {"Setup", "Path", "", "C://Radio//x"}, // inside a word "//" is no remark
        {"Setup", "Remark", "", "C://Radio "}, // after a blank it is
        {"Setup", "Note", "", "word "},        // cut keeps the blank before the remark
        {"Setup", "Tabbed", "", "a"},
        {"Setup", "Block", "", "v "},
        {"Setup", "Glued", "", "v/*c*/"},
        {"Setup", "Only", "x", ""},
        {"Setup", "Url", "", "http://example.org/a"},
        {"Setup", "BareWord", "x", ""},
        {"Setup", "comment", "d", "d"}, // comment lines are not entries
        {"Setup", "c", "d", "d"},
        {"Setup", "AppName", " def ", "def"}, // second "Setup" is never seen; default trimmed
        {"Missing", "Key", " def ", " def "}, // no section: default unchanged
        {" Setup ", "Language", "", "Spaced"},
        {"中文", "键", "", "值"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.GetValue(u8(c.section), u8(c.key), u8(c.def)), u8(c.expect)) << c.section << "/" << c.key;
    EXPECT_EQ(ini.SectionNames(), (QStringList{u8("Setup"), u8(" Setup "), u8("setup"), u8("中文")}));
    EXPECT_EQ(ini.Keys(u8("setup")).size(), 11);
}

TEST_F(IniTest, MissingFileIsCreatedEmptyAndUnreadableOneFails)
{
    CIniFile ini;
    ASSERT_TRUE(load(ini));
    EXPECT_TRUE(QFile::exists(path()));
    EXPECT_EQ(ini.GetValue(u8("Setup"), u8("Language"), u8("x")), u8("x"));

    CIniFile bad;
    EXPECT_FALSE(bad.Load(dir.filePath(u8("no/such/dir/Setup.ini")), true, false, true, false));
    bad.SetValue(u8("Setup"), u8("Language"), u8("Chinese"));
    EXPECT_EQ(bad.GetValue(u8("Setup"), u8("Language")), QString());
}

TEST_F(IniTest, WritesBackOnlyWhenChangedAndDropsComments)
{
    write("; head\nfree=1\n[Setup]\nLanguage=English\nBare\n[Setup]\nX=2\n");
    {
        CIniFile ini;
        ASSERT_TRUE(load(ini, true));
        ini.SetValue(u8("Setup"), u8("Language"), u8("ENGLISH")); // equal by the case rule
        EXPECT_FALSE(ini.isDirty());
    }
    EXPECT_EQ(readAll(path()), QByteArray("; head\nfree=1\n[Setup]\nLanguage=English\nBare\n[Setup]\nX=2\n"));
    {
        CIniFile ini;
        ASSERT_TRUE(load(ini, true));
        ini.SetValue(u8("Setup"), u8("Language"), u8("Chinese"));
        ini.SetValue(u8("New"), u8("k"), u8("v"));
    }
    EXPECT_EQ(readAll(path()), QByteArray("free=1\n[Setup]\nLanguage=Chinese\nBare=\n[Setup]\nX=2\n[New]\nk=v\n"));
}

TEST_F(IniTest, WriteValueChangesOnlyItsKeyInTheFileAsItIsNow)
{
    const QString user = dir.filePath(u8("user/Setup.ini"));
    for (const bool elsewhere : {false, true}) {
        SCOPED_TRACE(elsewhere ? "written to the user's copy" : "written in place");
        write("[Setup]\nLanguage=English\n[Ports]\ncom1=/dev/ttyS0\n");
        QFile::remove(user);
        CIniFile ini;
        ASSERT_TRUE(load(ini, true));
        if (elsewhere)
            ini.setPath(user);
        // Changed on disk while the program runs.
        write("[Setup]\nLanguage=English\n[Ports]\ncom1=/dev/ttyUSB0\ncom2=/dev/ttyUSB1\n");
        ASSERT_TRUE(ini.WriteValue(u8("Setup"), u8("Language"), u8("Chinese")));
        EXPECT_EQ(ini.GetValue(u8("Setup"), u8("Language")), u8("Chinese"));
        EXPECT_FALSE(ini.isDirty()); // nothing of the old copy is written later
        const QByteArray expected("[Setup]\nLanguage=Chinese\n[Ports]\ncom1=/dev/ttyUSB0\ncom2=/dev/ttyUSB1\n");
        EXPECT_EQ(readAll(elsewhere ? user : path()), expected);
        if (elsewhere) { // the program's own copy stays as it was
            EXPECT_EQ(readAll(path()),
                      QByteArray("[Setup]\nLanguage=English\n[Ports]\ncom1=/dev/ttyUSB0\ncom2=/dev/ttyUSB1\n"));
        }
    }
    CIniFile unbound;
    EXPECT_FALSE(unbound.WriteValue(u8("Setup"), u8("Language"), u8("Chinese")));
}

TEST_F(IniTest, BackupsAreNumbered)
{
    write("[A]\nk=1\n");
    for (int round = 1; round <= 2; ++round) {
        CIniFile ini;
        ASSERT_TRUE(load(ini, false, true));
        ini.SetValue(u8("A"), u8("k"), QString::number(round + 1));
        QString backup;
        ASSERT_TRUE(ini.Save(true, &backup));
        EXPECT_EQ(backup, path() + QStringLiteral(".%1").arg(round, 3, 10, QChar(u'0')));
        EXPECT_EQ(readAll(backup), round == 1 ? QByteArray("[A]\nk=1\n") : QByteArray("[A]\nk=2\n"));
    }
}

TEST_F(IniTest, FailedSaveLeavesTheOldFileAsItWas)
{
    QByteArray big = "[Setup]\nLanguage=English\n";
    for (int i = 0; i < 200; ++i)
        big += "Key" + QByteArray::number(i) + "=some longer value to make the file big\n";
    ASSERT_TRUE(writeAll(path(), big));
    CIniFile ini;
    ASSERT_TRUE(load(ini));
    ini.SetValue(u8("Setup"), u8("Language"), u8("Chinese"));
    {
        zemtar::test::FileSizeLimit limit(100);
        EXPECT_FALSE(ini.Save(false));
    }
    EXPECT_EQ(readAll(path()), big);
    EXPECT_TRUE(ini.isDirty());
    EXPECT_TRUE(ini.Save(false)); // and it still can be written later
    EXPECT_TRUE(readAll(path()).contains("Language=Chinese"));
}

TEST_F(IniTest, UnusedOperations)
{
    write("[S]\nk=1\nk=2\nlist= a,b ,,c \nnull=(null)\n[T]\nx=1\n[S]\nk=3\n");
    CIniFile ini;
    ASSERT_TRUE(load(ini));
    EXPECT_EQ(ini.GetValueItem(u8("S"), u8("list"), 0, u8(",")[0]), u8("a"));
    EXPECT_EQ(ini.GetValueItem(u8("S"), u8("list"), 1, u8(",")[0]), u8("b "));
    EXPECT_EQ(ini.GetValueItem(u8("S"), u8("list"), 2, u8(",")[0]), QString());
    EXPECT_EQ(ini.GetValueItem(u8("S"), u8("list"), 3, u8(",")[0]), u8("c"));
    EXPECT_EQ(ini.GetValueItem(u8("S"), u8("list"), 4, u8(",")[0]), QString());
    EXPECT_EQ(ini.GetValueItem(u8("S"), u8("list"), -1, u8(",")[0]), QString());
    EXPECT_EQ(ini.GetValueItem(u8("S"), u8("null"), 0, u8(",")[0]), QString());
    EXPECT_TRUE(ini.RemoveKey(u8("S"), u8("k")));
    EXPECT_EQ(ini.GetValue(u8("S"), u8("k")), u8("1"));
    EXPECT_TRUE(ini.RemoveSection(u8("T")));
    EXPECT_EQ(ini.SectionNames(), (QStringList{u8("S"), u8("S")}));
    EXPECT_FALSE(ini.RemoveSection(u8("T")));
    EXPECT_TRUE(ini.WriteBackAtExit() == false);
}

TEST(IniParse, ArbitraryBytesNeverBreakTheInvariants)
{
    CIniFile ini;
    static const char raw[] = "\xFF\xFE[\x00]\n=\n[[]]\n]x[\n\xC3\x28=\xA0\n";
    ini.Parse(QByteArray(raw, sizeof raw - 1));
    EXPECT_EQ(ini.GetValue(u8("[]"), u8("x"), u8("d")), u8("d"));
    for (const QString& s : ini.SectionNames())
        for (const QString& k : ini.Keys(s))
            (void)ini.GetValue(s, k);
    ini.Parse(QByteArray("[Setup]\r\nLanguage=\xD6\xD0\xCE\xC4\r\n")); // GB text
    EXPECT_EQ(ini.GetValue(u8("Setup"), u8("Language")), u8("中文"));
}

} // namespace

#include "app/TMemIniFileEx.h"
#include "app/IniTestSupport.h"
#include "toolkit/core/TStringList.h"
#include "toolkit/gui/TFont.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace kes {
namespace {

using test::Cp932;
using test::ReadFileBytes;
using test::WriteFileBytes;

std::vector<std::string> Lines(const TStrings& list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list.Count(); ++i)
        lines.push_back(list.Get(i));
    return lines;
}

class TMemIniFileExTest : public ::testing::Test {
protected:
    QString Path(const char* name = "kespad.ini") const { return dir_.filePath(name); }
    // A settings file of the given text (UTF-8 here, CP932 in the file).
    QString File(const char* utf8) const {
        WriteFileBytes(Path(), Cp932(utf8));
        return Path();
    }

    QTemporaryDir dir_;
};

TEST_F(TMemIniFileExTest, LoadsAHandWrittenFileByTheLoadingRules) {
    TMemIniFile ini(File("stray=before any section\r\n"
                         "  [ Window ]  \r\n"
                         "; a comment\r\n"
                         "\r\n"
                         "\t  Size =  1,2,3,4   \r\n"
                         "plain line\r\n"
                         "[editor]\n"
                         "QuoteString = >> \r"
                         "Key=a = b\r\n"
                         "[ゾ\r\n"
                         "[window]\r\n"
                         "Extra=1"));
    EXPECT_TRUE(ini.Problems().isEmpty());
    EXPECT_EQ(ini.ReadString("WINDOW", "size", "none"), "1,2,3,4");
    EXPECT_EQ(ini.ReadString("Window", "stray", "none"), "none");
    EXPECT_EQ(ini.ReadString("Editor", "quotestring", ""), ">>");
    EXPECT_EQ(ini.ReadString("Editor", "Key", ""), "a = b") << "only the first = loses its blanks";
    // "ゾ" ends in the byte of "]": the line is no section header.
    EXPECT_FALSE(ini.SectionExists(Cp932("ゾ")));
    // A second [Window] continues the first, so no line of either is hidden.
    EXPECT_EQ(ini.ReadString("Window", "Extra", ""), "1");
    EXPECT_EQ(ini.Text(), Cp932("[Window]\r\nSize=1,2,3,4\r\nplain line\r\nExtra=1\r\n\r\n"
                                "[editor]\r\nQuoteString=>>\r\nKey=a = b\r\n[ゾ\r\n\r\n"));
}

TEST_F(TMemIniFileExTest, WritesInPlaceAndSavesTheWholeFileWithCrLf) {
    TMemIniFile ini(File("[A]\r\nfirst=1\r\nkey=old\r\nlast=3\r\n[B]\r\nx=1\r\n"));
    ini.WriteString("a", "KEY", "new");
    ini.WriteString("B", "y", "2");
    ini.WriteString("C", "z", "line\r\nbreak\n[A]");
    EXPECT_EQ(ini.ReadString("A", "key", ""), "new");
    ASSERT_TRUE(ini.UpdateFile());
    const std::string expected = "[A]\r\nfirst=1\r\nKEY=new\r\nlast=3\r\n\r\n"
                                 "[B]\r\nx=1\r\ny=2\r\n\r\n"
                                 "[C]\r\nz=line  break [A]\r\n\r\n";
    EXPECT_EQ(ReadFileBytes(Path()), expected);
    TMemIniFile again(Path());
    EXPECT_EQ(again.Text(), expected);

    // The first writer creates the file and its folders.
    const QString nested = dir_.filePath("config/kestrelpad/kespad.ini");
    TMemIniFile fresh(nested);
    EXPECT_FALSE(fresh.SectionExists("A"));
    fresh.WriteString("A", "k", "v");
    ASSERT_TRUE(fresh.UpdateFile());
    EXPECT_EQ(ReadFileBytes(nested), "[A]\r\nk=v\r\n\r\n");
}

TEST_F(TMemIniFileExTest, AFailedSaveIsReportedOnceWithItsPathAndLeavesTheOldFile) {
    // The folder cannot be made: a plain file stands where it should be.
    WriteFileBytes(Path("blocker"), "x");
    TMemIniFile blocked(dir_.filePath("blocker/kespad.ini"));
    blocked.WriteString("A", "k", "v");
    EXPECT_FALSE(blocked.UpdateFile());
    ASSERT_EQ(blocked.Problems().size(), 1);
    EXPECT_TRUE(blocked.Problems()[0].contains(dir_.filePath("blocker")))
        << blocked.Problems()[0].toStdString();

    // The disk fills up halfway through the write: the old file stays, no half file is left.
    const std::string old = "[A]\r\nk=old\r\n\r\n";
    WriteFileBytes(Path(), old);
    TMemIniFile ini(Path());
    ini.WriteString("A", "k", std::string(256 * 1024, 'v'));
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = ini.UpdateFile();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(written);
    ASSERT_EQ(ini.Problems().size(), 1);
    EXPECT_TRUE(ini.Problems()[0].contains(Path()));
    EXPECT_EQ(ReadFileBytes(Path()), old);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList({"blocker", "kespad.ini"}));

    // A settings "file" that cannot be read is reported and never written over.
    QDir(dir_.path()).mkdir("folder.ini");
    TMemIniFile unreadable(Path("folder.ini"));
    ASSERT_EQ(unreadable.Problems().size(), 1);
    EXPECT_TRUE(unreadable.Problems()[0].contains(Path("folder.ini")));
    unreadable.WriteString("A", "k", "v");
    EXPECT_FALSE(unreadable.UpdateFile());
    EXPECT_EQ(unreadable.Problems().size(), 1);
    EXPECT_TRUE(QFileInfo(Path("folder.ini")).isDir());
}

TEST_F(TMemIniFileExTest, IntegersAndBooleansTakeTheirDefaultForAnythingButANumber) {
    TMemIniFileEx ini(
        File("[N]\r\ndec=12\r\nneg=-5\r\nhex=0x1F\r\nHEX=0X1f\r\ndollar=$10\r\n"
             "bare=0x\r\nword=abc\r\nempty=\r\nhuge=99999999999\r\nfull=0xFFFFFFFF\r\n"
             "one=1\r\nzero=0\r\ntwo=2\r\nyes=yes\r\n"));
    ini.SetSection("n");
    EXPECT_EQ(ini.ReadInt("dec", 7), 12);
    EXPECT_EQ(ini.ReadInt("neg", 7), -5);
    EXPECT_EQ(ini.ReadInt("hex", 7), 31);
    EXPECT_EQ(ini.ReadInt("HEX", 7), 31);
    EXPECT_EQ(ini.ReadInt("dollar", 7), 16);
    EXPECT_EQ(ini.ReadInt("bare", 7), 7) << "0x alone is not the hexadecimal form";
    EXPECT_EQ(ini.ReadInt("word", 7), 7);
    EXPECT_EQ(ini.ReadInt("empty", 7), 7);
    EXPECT_EQ(ini.ReadInt("huge", 7), 7);
    EXPECT_EQ(ini.ReadInt("full", 7), -1);
    EXPECT_EQ(ini.ReadInt("missing", 7), 7);
    EXPECT_TRUE(ini.ReadBoolean("one", false));
    EXPECT_FALSE(ini.ReadBoolean("zero", true));
    EXPECT_TRUE(ini.ReadBoolean("two", false));
    EXPECT_TRUE(ini.ReadBoolean("yes", true));
    EXPECT_FALSE(ini.ReadBoolean("yes", false));
    EXPECT_TRUE(ini.ReadBoolean("missing", true));

    ini.WriteInt("dec", -3);
    ini.WriteBoolean("one", false);
    ini.WriteBoolean("zero", true);
    EXPECT_EQ(ini.ReadStr("dec", ""), "-3");
    EXPECT_EQ(ini.ReadStr("one", ""), "0");
    EXPECT_EQ(ini.ReadStr("zero", ""), "1");
}

TEST_F(TMemIniFileExTest, RectanglesAreTopLeftBottomRightWithMissingFieldsFromTheDefault) {
    TMemIniFileEx ini(File("[W]\r\ntwo=100,50\r\nbad=1,x,3\r\nfive=1,2,3,4,5\r\none=5\r\n"
                           "empty=\r\nblank=,,,\r\n"));
    const TRect designed = Rect(222, 267, 222 + 496, 267 + 378);
    ini.WriteRect("W", "Size", designed);
    EXPECT_EQ(ini.ReadString("W", "Size", ""), "267,222,645,718");
    EXPECT_EQ(ini.ReadRect("w", "size", {}), designed);

    const TRect d = Rect(-1, -2, -3, -4);
    EXPECT_EQ(ini.ReadRect("W", "two", d), Rect(-1, 100, 50, -4));
    EXPECT_EQ(ini.ReadRect("W", "bad", d), Rect(-1, 1, 3, -4));
    EXPECT_EQ(ini.ReadRect("W", "five", d), Rect(2, 1, 5, 3));
    EXPECT_EQ(ini.ReadRect("W", "one", d), Rect(-1, -2, 5, -4));
    EXPECT_EQ(ini.ReadRect("W", "empty", d), d);
    EXPECT_EQ(ini.ReadRect("W", "blank", d), d);
    EXPECT_EQ(ini.ReadRect("W", "missing", d), d);
    EXPECT_EQ(ini.ReadRect("Nowhere", "two", d), d);
}

TEST_F(TMemIniFileExTest, FontsKeepTheirPointSizeAndStylesAndSurviveDamagedValues) {
    TMemIniFileEx ini(Path());
    ini.SetSection("Editor");
    TFont designed;
    designed.SetName("ＭＳ ゴシック");
    designed.SetHeight(12);
    ini.WriteFont("EditFont", designed);
    EXPECT_EQ(ini.ReadStr("EditFont", ""), Cp932("128,0,ＭＳ ゴシック,9,[]"));
    ini.WriteFont("EditFont", designed, 144);
    EXPECT_EQ(ini.ReadStr("EditFont", ""), Cp932("128,0,ＭＳ ゴシック,6,[]"));

    TFont styled;
    styled.SetName("IPAGothic");
    styled.SetHeight(16);
    styled.SetColor(clSilver);
    styled.SetStyle(TFontStyles(fsStrikeOut) + fsBold);
    ini.WriteFont("Styled", styled);
    EXPECT_EQ(ini.ReadStr("Styled", ""), "128,12632256,IPAGothic,12,[fsBold,fsStrikeOut]");
    TFont back;
    ASSERT_TRUE(ini.ReadFont("styled", back));
    EXPECT_EQ(back.Name(), "IPAGothic");
    EXPECT_EQ(back.Height(), 16);
    EXPECT_EQ(back.Color(), clSilver);
    EXPECT_EQ(back.Style(), styled.Style());

    ini.WriteStr("Hand", Cp932("1,-2147483633,ＭＳ 明朝,9,[ fsitalic , fsUnderline,fsNothing]"));
    TFont hand;
    ASSERT_TRUE(ini.ReadFont("Hand", hand, 144));
    EXPECT_EQ(hand.Name(), "ＭＳ 明朝");
    EXPECT_EQ(hand.Height(), 18);
    EXPECT_EQ(hand.Color(), clBtnFace);
    EXPECT_EQ(hand.Style(), TFontStyles(fsItalic) + fsUnderline);

    // Fields that are missing or no number: colour 0, and the font keeps its name and size.
    ini.WriteStr("Damaged", "x,y,,0,");
    ini.WriteStr("Garbage", "garbage");
    for (const char* key : {"Damaged", "Garbage"}) {
        TFont font;
        font.SetName("IPAGothic");
        font.SetHeight(20);
        font.SetColor(clRed);
        font.SetStyle(fsBold);
        ASSERT_TRUE(ini.ReadFont(key, font)) << key;
        EXPECT_EQ(font.Name(), "IPAGothic") << key;
        EXPECT_EQ(font.Height(), 20) << key;
        EXPECT_EQ(font.Color(), clBlack) << key;
        EXPECT_TRUE(font.Style().Empty()) << key;
    }
    TFont untouched;
    untouched.SetColor(clRed);
    EXPECT_FALSE(ini.ReadFont("Missing", untouched));
    EXPECT_EQ(untouched.Color(), clRed);
}

TEST_F(TMemIniFileExTest, ColoursAreNamesOrNumbersAndABadOneIsReportedNotFatal) {
    TMemIniFileEx ini(File("[Fountain]\r\nName=CLLIME\r\nHex=$0000FF00\r\nDec=255\r\n"
                           "System=clBtnFace\r\nBad=blau\r\nEmpty=\r\n"));
    ini.SetSection("Fountain");
    EXPECT_EQ(ini.ReadColor("Name", clRed), clLime);
    EXPECT_EQ(ini.ReadColor("Hex", clRed), clLime);
    EXPECT_EQ(ini.ReadColor("Dec", clBlack), clRed);
    EXPECT_EQ(ini.ReadColor("System", clRed), clBtnFace);
    EXPECT_EQ(ini.ReadColor("Missing", clTeal), clTeal);
    EXPECT_TRUE(ini.Problems().isEmpty());

    EXPECT_EQ(ini.ReadColor("Bad", clBlue), clBlue);
    ASSERT_EQ(ini.Problems().size(), 1);
    const QString problem = ini.Problems()[0];
    EXPECT_TRUE(problem.contains("Bad") && problem.contains("blau") && problem.contains("clBlue"))
        << problem.toStdString();
    EXPECT_EQ(ini.ReadColor("Empty", clGreen), clGreen);
    EXPECT_EQ(ini.Problems().size(), 2);
    EXPECT_EQ(ini.ReadColor("Name", clRed), clLime) << "reading goes on after a bad value";

    ini.WriteColor("Hex", clLime);
    ini.WriteColor("Dec", 0x123456);
    ini.WriteColor("System", clNone);
    EXPECT_EQ(ini.ReadStr("Hex", ""), "clLime");
    EXPECT_EQ(ini.ReadStr("Dec", ""), "$00123456");
    EXPECT_EQ(ini.ReadStr("System", ""), "clNone");
}

TEST_F(TMemIniFileExTest, LineListsComeBackAsTheNextStartReadsThem) {
    TMemIniFileEx ini(
        File("[Sentence]\r\nabc\r\n%空行%\r\na = b\r\nx=y\r\n[Protect]\r\nRead1=1\r\n"));
    TStringList list;
    list.Add("keep");
    EXPECT_FALSE(ini.ReadStrings("URLList", list));
    EXPECT_EQ(Lines(list), std::vector<std::string>{"keep"});
    ASSERT_TRUE(ini.ReadStrings("sentence", list));
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"abc", "", "a=b", "x=y"}));

    TStringList phrases;
    for (const char* phrase : {"  padded  ", "", ";comment", "k = v", "[Fake]", "after", "あい"})
        phrases.Add(Cp932(phrase));
    ini.WriteStrings("Sentence", phrases, false);
    // The section moved to the end, and the lines read as a file would read them.
    EXPECT_EQ(ini.Text(), Cp932("[Protect]\r\nRead1=1\r\n\r\n[Sentence]\r\npadded\r\nk=v\r\n\r\n"
                                "[Fake]\r\nafter\r\nあい\r\n\r\n"));
    ASSERT_TRUE(ini.ReadStrings("Sentence", list));
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"padded", "k=v"}));

    ini.WriteStrings("Sentence", phrases, true);
    ASSERT_TRUE(ini.ReadStrings("Sentence", list));
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"padded", "", "k=v"}));
    EXPECT_EQ(*ini.SectionLines("Sentence"),
              (std::vector<std::string>{"padded", Cp932("%空行%"), "k=v"}));

    ini.WriteStrings("Sentence", TStringList(), false);
    ASSERT_TRUE(ini.ReadStrings("Sentence", list)) << "an empty list still writes its section";
    EXPECT_EQ(list.Count(), 0);
}

} // namespace
} // namespace kes

#include "app/TAppSettings.h"
#include "app/IniTestSupport.h"
#include "app/SettingsKeys.h"
#include "app/TMemIniFileEx.h"
#include "toolkit/gui/TFont.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kes {
namespace {

using test::Cp932;
using test::ReadFileBytes;
using test::WriteFileBytes;

class TAppSettingsTest : public ::testing::Test {
protected:
    QString Path() const { return dir_.filePath("kespad.ini"); }
    TAppSettings ReadFile(const char* utf8, QStringList* problems = nullptr) const {
        WriteFileBytes(Path(), Cp932(utf8));
        TMemIniFileEx ini(Path());
        TAppSettings settings = TAppSettings::Read(ini);
        if (problems)
            *problems = ini.Problems();
        return settings;
    }

    QTemporaryDir dir_;
};

TEST_F(TAppSettingsTest, WithoutAFileTheMarksFollowTheirRulesAndNothingIsWritten) {
    TMemIniFileEx ini(Path());
    const TAppSettings s = TAppSettings::Read(ini);
    EXPECT_TRUE(ini.Problems().isEmpty());
    EXPECT_EQ(s.DangerColor(), clRed);
    for (int level = 1; level <= 4; ++level)
        EXPECT_EQ(s.QuoteColor(level), s.FontColor) << "quotations are in the font's colour";
    EXPECT_FALSE(QFileInfo::exists(Path())) << "reading writes nothing";
}

TEST_F(TAppSettingsTest, AHandEditedFileGivesItsValues) {
    QStringList problems;
    const TAppSettings s = ReadFile("[EDITOR]\r\n"
                                    "EditFont=128,255,IPAGothic,12,[fsBold]\r\n"
                                    "QuoteString=｜\r\nnewthenimeon=1\r\nWordWrap=1\r\n"
                                    "WrapCount=0x40\r\n"
                                    "[Fountain]\r\nURLColor=$0000FF00\r\nQuoteMarkup=1\r\n"
                                    "DangerCharEnable=0\r\nDangerCharactorsColor=clYellow\r\n"
                                    "Level2QuoteColor=clTeal\r\n"
                                    "[ReserveWordList]\r\nabc\r\n ABC \r\nあ\r\n"
                                    "[URLList]\r\nhttp://a.example/?q=1\r\nhttp://b.example/\r\n"
                                    "[Protect]\r\nRead2=1\r\nWrite5=1\r\n",
                                    &problems);
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
    EXPECT_EQ(s.FontName, "IPAGothic");
    EXPECT_EQ(s.FontHeight, 16);
    EXPECT_EQ(s.FontColor, clRed);
    EXPECT_EQ(s.FontStyle, TFontStyles(fsBold));
    EXPECT_EQ(s.QuoteString, Cp932("｜"));
    EXPECT_TRUE(s.NewThenIMEOn && s.WordWrap);
    EXPECT_EQ(s.WrapCount, 64);
    EXPECT_EQ(s.URLColor, clLime);
    EXPECT_EQ(s.DangerColor(), clRed) << "not marked: the font's colour";
    EXPECT_EQ(s.QuoteColor(1), clBlue);
    EXPECT_EQ(s.QuoteColor(2), clTeal);
    EXPECT_EQ(s.QuoteColor(4), clOlive);
    EXPECT_EQ(s.QuoteColor(9), clOlive) << "deeper quotations share level 4's colour";
    EXPECT_EQ(s.ReserveWordList, (std::vector<std::string>{"abc", "ABC", Cp932("あ")}))
        << "the words are as the file holds them; the fountain's list drops duplicates";
    EXPECT_EQ(s.URLList, (std::vector<std::string>{"http://a.example/?q=1", "http://b.example/"}));
    EXPECT_EQ(s.ReadProtect, (std::array<bool, 5>{false, true, false, false, false}));
    EXPECT_EQ(s.WriteProtect, (std::array<bool, 5>{false, false, false, false, true}));
}

TEST_F(TAppSettingsTest, ABadColourIsReportedAndTheSettingsAfterItStillApply) {
    QStringList problems;
    const TAppSettings s = ReadFile("[Fountain]\r\nMailAddrColor=greenish\r\nURLColor=clAqua\r\n"
                                    "Level4QuoteColor=#FF0000\r\n"
                                    "[URLList]\r\nhttp://a.example/\r\n"
                                    "[Protect]\r\nRead1=1\r\nWrite3=1\r\n",
                                    &problems);
    ASSERT_EQ(problems.size(), 2);
    EXPECT_TRUE(problems[0].contains("MailAddrColor") && problems[0].contains("greenish"));
    EXPECT_TRUE(problems[1].contains("Level4QuoteColor") && problems[1].contains("#FF0000"));
    EXPECT_EQ(s.MailAddrColor, clLime);
    EXPECT_EQ(s.URLColor, clAqua);
    EXPECT_EQ(s.LevelQuoteColors[3], clOlive);
    EXPECT_EQ(s.URLList, std::vector<std::string>{"http://a.example/"});
    EXPECT_TRUE(s.ReadProtect[0]);
    EXPECT_TRUE(s.WriteProtect[2]);
}

TEST_F(TAppSettingsTest, WritingEveryKeyGivesAFileThatReadsBackTheSame) {
    TAppSettings s;
    s.FontStyle = TFontStyles(fsItalic);
    s.QuoteString = Cp932("＞");
    s.WordWrap = true;
    s.WrapCount = 72;
    s.URLColor = clLime;
    s.KeywordColor = 0x123456;
    s.QuoteMarkup = true;
    s.LevelQuoteColors[2] = clBtnFace;
    s.ReserveWordList = {"alpha", "", "beta"};
    s.URLList = {"http://a.example/"};
    s.ReadProtect[4] = true;
    s.WriteProtect[0] = true;
    {
        TMemIniFileEx ini(Path());
        ini.WriteRect(setting::Window, setting::Size, Rect(1, 2, 3, 4));
        s.Write(ini);
        ASSERT_TRUE(ini.Save());
    }
    const std::string text = ReadFileBytes(Path());
    EXPECT_NE(text.find(Cp932("EditFont=128,0,ＭＳ ゴシック,9,[fsItalic]\r\n")), std::string::npos);
    EXPECT_NE(text.find("URLColor=clLime\r\n"), std::string::npos);
    EXPECT_NE(text.find("KeywordColor=$00123456\r\n"), std::string::npos);
    EXPECT_NE(text.find("Level3QuoteColor=clBtnFace\r\n"), std::string::npos);
    EXPECT_NE(text.find("[Window]\r\nSize=2,1,4,3\r\n"), std::string::npos)
        << "the main window's own values stay";

    TMemIniFileEx ini(Path());
    const TAppSettings back = TAppSettings::Read(ini);
    EXPECT_EQ(back.FontStyle, s.FontStyle);
    EXPECT_EQ(back.FontHeight, s.FontHeight);
    EXPECT_EQ(back.QuoteString, s.QuoteString);
    EXPECT_EQ(back.WordWrap, s.WordWrap);
    EXPECT_EQ(back.WrapCount, s.WrapCount);
    EXPECT_EQ(back.URLColor, s.URLColor);
    EXPECT_EQ(back.KeywordColor, s.KeywordColor);
    EXPECT_EQ(back.QuoteMarkup, s.QuoteMarkup);
    EXPECT_EQ(back.LevelQuoteColors, s.LevelQuoteColors);
    EXPECT_EQ(back.ReserveWordList, (std::vector<std::string>{"alpha", "beta"}));
    EXPECT_EQ(back.URLList, s.URLList);
    EXPECT_EQ(back.ReadProtect, s.ReadProtect);
    EXPECT_EQ(back.WriteProtect, s.WriteProtect);
}

TEST_F(TAppSettingsTest, TheFontSizeIsConvertedAtTheScreensResolution) {
    WriteFileBytes(Path(), Cp932("[Editor]\r\nEditFont=128,0,ＭＳ ゴシック,9,[]\r\n"));
    TMemIniFileEx ini(Path());
    EXPECT_EQ(TAppSettings::Read(ini, 96).FontHeight, 12);
    EXPECT_EQ(TAppSettings::Read(ini, 120).FontHeight, 15);
    EXPECT_EQ(TAppSettings::Read(ini, 0).FontHeight, 12) << "a screen without a resolution";
    TFont font;
    TAppSettings::Read(ini, 120).AssignFontTo(font);
    EXPECT_EQ(font.Name(), "ＭＳ ゴシック");
    EXPECT_EQ(font.Height(), 15);
}

} // namespace
} // namespace kes

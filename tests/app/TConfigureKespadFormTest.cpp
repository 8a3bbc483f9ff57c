#include "app/TConfigureKespadForm.h"
#include "app/TColorBox.h"
#include "app/TFixedPitchFontDialog.h"
#include "app/TFixedPitchFonts.h"
#include "app/TMemIniFileEx.h"
#include "tests/app/IniTestSupport.h"
#include "toolkit/gui/TFont.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace kes {
namespace {

using test::Cp932;

class ConfigureFormTest : public ::testing::Test {
protected:
    QString File() const { return folder.filePath("kespad.ini"); }
    void WriteSettings(const char* utf8) { test::WriteFileBytes(File(), Cp932(utf8)); }

    std::unique_ptr<TConfigureKespadForm> Open() {
        auto form = std::make_unique<TConfigureKespadForm>(
            File(), 96, [this](QWidget*, const QString& message) { problems.append(message); });
        form->show();
        QApplication::processEvents();
        return form;
    }

    TAppSettings Saved() {
        TMemIniFileEx ini(File());
        return TAppSettings::Read(ini, 96);
    }
    std::string SavedValue(const char* section, const char* key) {
        TMemIniFileEx ini(File());
        return ini.ReadString(section, key, "<missing>");
    }

    QTemporaryDir folder;
    QStringList problems;
};

TEST_F(ConfigureFormTest, OpensWithTheFileValuesAndDefaultsForAColourItCannotRead) {
    WriteSettings("[Editor]\r\nEditFont=128,255,IPAGothic,12,[fsBold]\r\nQuoteString=>>\r\n"
                  "NewThenIMEOn=1\r\nWordWrap=1\r\nWrapCount=40\r\n"
                  "[Fountain]\r\nMailAddrColor=clNavy\r\nURLColor=green-ish\r\n"
                  "KeywordColor=$00123456\r\nDangerCharEnable=0\r\nQuoteMarkup=1\r\n"
                  "Level3QuoteColor=clBtnFace\r\n"
                  "[ReserveWordList]\r\nabc\r\n漢字\r\n[URLList]\r\nhttp://a.example/\r\n"
                  "[Protect]\r\nRead2=1\r\nWrite5=1\r\n");
    auto form = Open();
    EXPECT_EQ(form->SampleFont().FontName, "IPAGothic");
    EXPECT_EQ(form->SampleFont().FontHeight, 16);
    EXPECT_EQ(form->SampleFont().FontColor, clRed);
    EXPECT_TRUE(form->EditorFont()->font().bold());
    EXPECT_EQ(form->EditorFont()->text(), QString::fromUtf8("Aaあぁアァ亜宇"));
    EXPECT_EQ(form->QuoteMark()->text(), ">>");
    EXPECT_TRUE(form->IMEAutoOn()->isChecked());
    EXPECT_TRUE(form->WordWrap()->isChecked());
    EXPECT_EQ(form->WordWrapCount()->value(), 40);
    EXPECT_EQ(form->MailAddressColor()->Color(), clNavy);
    EXPECT_EQ(form->URLColor()->Color(), clBlue) << "an unreadable colour opens with its default";
    EXPECT_EQ(form->ReadProblems().size(), 1);
    EXPECT_EQ(form->KeywordColor()->Color(), 0x123456);
    EXPECT_EQ(form->KeywordColor()->currentIndex(), 0) << "a colour not in the list is custom";
    EXPECT_FALSE(form->DangerCharactors()->isChecked());
    EXPECT_EQ(form->DangerCharactorsColor()->Color(), clRed);
    EXPECT_TRUE(form->QuoteLine()->isChecked());
    EXPECT_EQ(form->LevelQuoteColor(1)->Color(), clBlue);
    EXPECT_EQ(form->LevelQuoteColor(3)->Color(), clBtnFace);
    EXPECT_EQ(form->ReserveWordList()->toPlainText(), QString::fromUtf8("abc\n漢字"));
    EXPECT_EQ(form->URLList()->toPlainText(), "http://a.example/");
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(form->ReadProtection(n)->isChecked(), n == 2) << n;
        EXPECT_EQ(form->WriteProtection(n)->isChecked(), n == 5) << n;
    }
}

TEST_F(ConfigureFormTest, AnUntouchedDialogWritesEveryKeyWithItsDefault) {
    Open()->reject();
    EXPECT_EQ(SavedValue("Editor", "EditFont"), Cp932("128,0,ＭＳ ゴシック,9,[]"));
    EXPECT_EQ(SavedValue("Editor", "WrapCount"), "80");
    EXPECT_EQ(SavedValue("Editor", "WordWrap"), "0");
    EXPECT_EQ(SavedValue("Fountain", "URLColor"), "clBlue");
    EXPECT_EQ(SavedValue("Fountain", "Level4QuoteColor"), "clOlive");
    EXPECT_EQ(SavedValue("Fountain", "DangerCharEnable"), "1");
    EXPECT_EQ(SavedValue("Protect", "Write5"), "0");
    EXPECT_TRUE(problems.isEmpty());
}

// Every control changed, then the dialog closed one of the four ways.
void EveryControlWritesItsKey(const std::function<void(TConfigureKespadForm&)>& close,
                              const std::function<TAppSettings()>& saved,
                              const std::function<std::unique_ptr<TConfigureKespadForm>()>& open) {
    auto form = open();
    form->ChooseFont = [](QWidget*, TFont& font, double) {
        font.SetName("IPAGothic");
        font.SetHeight(20);
        return true;
    };
    QTest::mouseClick(form->FontRefer(), Qt::LeftButton);
    form->QuoteMark()->setText(QString::fromUtf8("＞"));
    form->IMEAutoOn()->setChecked(true);
    form->WordWrap()->setChecked(true);
    form->WordWrapCount()->setValue(120);
    form->MailAddressColor()->SetColor(clPurple);
    form->URLColor()->SetColor(clTeal);
    form->KeywordColor()->SetColor(0x010203);
    form->DangerCharactors()->setChecked(false);
    form->DangerCharactorsColor()->SetColor(clYellow);
    form->QuoteLine()->setChecked(true);
    for (int level = 1; level <= 4; ++level)
        form->LevelQuoteColor(level)->SetColor(level == 4 ? clInfoBk : clAqua);
    form->ReserveWordList()->setPlainText(QString::fromUtf8("  word  \n\n語\n"));
    form->URLList()->setPlainText("http://b.example/\n\nhttp://c.example/");
    form->ReadProtection(1)->setChecked(true);
    form->WriteProtection(3)->setChecked(true);
    close(*form);
    EXPECT_FALSE(form->isVisible());

    const TAppSettings s = saved();
    EXPECT_EQ(s.FontName, "IPAGothic");
    EXPECT_EQ(s.FontHeight, 20);
    EXPECT_EQ(s.QuoteString, Cp932("＞"));
    EXPECT_TRUE(s.NewThenIMEOn);
    EXPECT_TRUE(s.WordWrap);
    EXPECT_EQ(s.WrapCount, 120);
    EXPECT_EQ(s.MailAddrColor, clPurple);
    EXPECT_EQ(s.URLColor, clTeal);
    EXPECT_EQ(s.KeywordColor, 0x010203);
    EXPECT_FALSE(s.DangerCharEnable);
    EXPECT_EQ(s.DangerCharactorsColor, clYellow);
    EXPECT_TRUE(s.QuoteMarkup);
    EXPECT_EQ(s.LevelQuoteColors[0], clAqua);
    EXPECT_EQ(s.LevelQuoteColors[3], clInfoBk);
    EXPECT_EQ(s.ReserveWordList, (std::vector<std::string>{"word", Cp932("語")}))
        << "blanks trimmed, empty lines dropped";
    EXPECT_EQ(s.URLList, (std::vector<std::string>{"http://b.example/", "http://c.example/"}));
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(s.ReadProtect[n - 1], n == 1) << n;
        EXPECT_EQ(s.WriteProtect[n - 1], n == 3) << n;
    }
}

TEST_F(ConfigureFormTest, EveryControlWritesBackWhicheverWayTheDialogCloses) {
    const std::function<void(TConfigureKespadForm&)> ways[] = {
        [](TConfigureKespadForm& f) { QTest::mouseClick(f.OKBtn(), Qt::LeftButton); },
        [](TConfigureKespadForm& f) { QTest::mouseClick(f.CancelBtn(), Qt::LeftButton); },
        [](TConfigureKespadForm& f) { QTest::keyClick(&f, Qt::Key_Escape); },
        [](TConfigureKespadForm& f) { f.close(); },
    };
    const char* names[] = {"OK", "Cancel", "Esc", "close box"};
    for (size_t i = 0; i < std::size(ways); ++i) {
        SCOPED_TRACE(names[i]);
        QFile::remove(File());
        EveryControlWritesItsKey(
            ways[i], [this] { return Saved(); }, [this] { return Open(); });
    }
    EXPECT_TRUE(problems.isEmpty());
}

TEST_F(ConfigureFormTest, AFailedSaveIsShownAndTheDialogStillCloses) {
    // A folder where the settings file should be: it cannot be replaced.
    ASSERT_TRUE(QDir(folder.path()).mkdir("kespad.ini"));
    auto form = Open();
    QTest::mouseClick(form->OKBtn(), Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(problems.isEmpty());
}

TEST_F(ConfigureFormTest, TheWrapWidthStepsByTenWithinZeroToAThousand) {
    WriteSettings("[Editor]\r\nWrapCount=5000\r\n");
    EXPECT_EQ(Open()->WordWrapCount()->value(), 1000);
    WriteSettings("[Editor]\r\nWrapCount=-5\r\n");
    EXPECT_EQ(Open()->WordWrapCount()->value(), 0);

    WriteSettings("[Editor]\r\nWrapCount=85\r\n");
    auto form = Open();
    QSpinBox* count = form->WordWrapCount();
    count->stepUp();
    EXPECT_EQ(count->value(), 95);
    count->setValue(995);
    count->stepUp();
    count->stepUp();
    EXPECT_EQ(count->value(), 1000);
    count->setValue(5);
    count->stepDown();
    EXPECT_EQ(count->value(), 0);
    count->setFocus();
    count->selectAll();
    QTest::keyClicks(count, "1500");
    QTest::keyClick(count, Qt::Key_Tab);
    EXPECT_LE(count->value(), 1000) << "a width typed beyond 1000 is not taken";
}

TEST(ColorBoxTest, NamedAndCustomColoursRoundTrip) {
    TColorBox box;
    for (TColor named : {clBlack, clLime, clMedGray, clBtnFace, clMenuBar}) {
        box.SetColor(named);
        EXPECT_EQ(box.Color(), named);
        EXPECT_NE(box.currentIndex(), 0) << named;
        EXPECT_FALSE(box.currentText().startsWith("cl")) << "readable names";
    }
    box.SetColor(0x00ABCDEF);
    EXPECT_EQ(box.Color(), 0x00ABCDEF);
    EXPECT_EQ(box.currentIndex(), 0);

    // Picking the custom entry asks for a colour; Cancel keeps the shown one.
    TColor offered = -1;
    bool answer = false;
    box.ChooseColor = [&](QWidget*, TColor& color) {
        offered = color;
        color = 0x00102030;
        return answer;
    };
    box.SetColor(clRed);
    box.activated(0);
    EXPECT_EQ(offered, clRed);
    EXPECT_EQ(box.Color(), clRed);
    EXPECT_NE(box.currentIndex(), 0);
    answer = true;
    box.activated(0);
    EXPECT_EQ(box.Color(), 0x00102030);
    EXPECT_EQ(box.currentIndex(), 0);
    box.setCurrentIndex(box.findData(clGreen));
    box.activated(box.currentIndex());
    EXPECT_EQ(box.Color(), clGreen);
}

TEST(FixedPitchFontsTest, JapaneseFixedPitchFontsPassAndProportionalOnesDoNot) {
    EXPECT_TRUE(TFixedPitchFonts::IsFixedPitch("IPAGothic"));
    EXPECT_FALSE(TFixedPitchFonts::IsFixedPitch("DejaVu Sans"));
    EXPECT_FALSE(TFixedPitchFonts::IsFixedPitch("IPAPGothic"));
    EXPECT_FALSE(TFixedPitchFonts::IsFixedPitch("No Such Font Family"));
    const QStringList& families = TFixedPitchFonts::Families();
    EXPECT_TRUE(families.contains("IPAGothic"));
    EXPECT_FALSE(families.contains("DejaVu Sans"));
    EXPECT_FALSE(families.contains("IPAPGothic"));
}

TEST(FixedPitchFontDialogTest, StartsOnTheFontsFamilyAndKeepsWhatItDoesNotOffer) {
    TFont font;
    font.SetName("ＭＳ ゴシック");
    font.SetSize(9);
    font.SetColor(clRed);
    font.SetStyle(fsUnderline);
    TFixedPitchFontDialog dialog(font, 96);
    ASSERT_NE(dialog.FamilyList()->currentItem(), nullptr);
    EXPECT_EQ(dialog.FamilyList()->currentItem()->text(), "IPAGothic");
    EXPECT_EQ(dialog.SizeBox()->value(), 9);
    dialog.SizeBox()->setValue(12);
    dialog.AssignTo(font);
    EXPECT_EQ(font.Name(), "IPAGothic");
    EXPECT_EQ(font.Height(), 16);
    EXPECT_EQ(font.Color(), clRed);
    EXPECT_EQ(font.Style(), TFontStyles(fsUnderline));
}

} // namespace
} // namespace kes

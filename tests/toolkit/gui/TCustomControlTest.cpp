#include "toolkit/gui/TCustomControl.h"
#include "textmodel/TEditorCursors.h"
#include "toolkit/gui/QtColor.h"
#include "toolkit/gui/TClipboard.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace kes {
namespace {

// Paints every row in a colour of its own, as if showing content that starts `offset` rows
// above the client, and records what it was asked to paint.
class StripesControl : public TCustomControl {
public:
    int offsetX = 0;
    int offsetY = 0;
    std::vector<TRect> painted;
    struct Request {
        Qt::Orientation orientation;
        TScrollCode code;
        int position;
        bool operator==(const Request&) const = default;
    };
    std::vector<Request> requests;
    std::vector<int> keys;

    static QRgb ColorAt(int x, int y) { return 0xFF000000u | (y * 4 % 256) << 8 | (x * 4 % 256); }

protected:
    void Paint(const TRect& clip) override {
        painted.push_back(clip);
        for (int y = clip.Top; y < clip.Bottom; ++y)
            for (int x = clip.Left; x < clip.Right; ++x)
                Canvas()->SetPixel(x, y, FromQColor(QColor(ColorAt(x + offsetX, y + offsetY))));
    }
    void ScrollRequest(Qt::Orientation orientation, TScrollCode code, int position) override {
        requests.push_back({orientation, code, position});
    }
    void KeyDown(QKeyEvent* event) override { keys.push_back(event->key()); }
};

// The pixels of the client that differ from the stripes at the control's offsets.
int WrongPixels(const QImage& image, const StripesControl& control) {
    int wrong = 0;
    for (int y = 0; y < control.ClientHeight(); ++y)
        for (int x = 0; x < control.ClientWidth(); ++x)
            if (image.pixel(x, y) !=
                StripesControl::ColorAt(x + control.offsetX, y + control.offsetY))
                ++wrong;
    return wrong;
}

class TCustomControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        control.resize(80, 60);
        control.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&control));
        control.UpdateNow();
        control.painted.clear();
    }

    StripesControl control;
};

TEST_F(TCustomControlTest, GrabShowsThePaintAndTheCaretInvertedOnTop) {
    ASSERT_TRUE(control.Showing());
    EXPECT_EQ(control.ClientRect(), Rect(0, 0, 80, 60));
    QImage shown = control.grab().toImage();
    EXPECT_EQ(WrongPixels(shown, control), 0);

    TDrawnCaret& caret = control.SystemCaret();
    caret.Create(2, 10);
    caret.SetPos(20, 30);
    EXPECT_FALSE(caret.On()) << "a new caret is hidden";
    caret.Show();
    EXPECT_TRUE(caret.On());
    shown = control.grab().toImage();
    EXPECT_EQ(WrongPixels(shown, control), 20) << "the caret's 2 x 10 pixels only";
    EXPECT_EQ(shown.pixel(21, 39), ~StripesControl::ColorAt(21, 39) | 0xFF000000u);
    EXPECT_EQ(WrongPixels(control.Surface(), control), 0) << "the caret never lands in the surface";
    caret.SetPos(0, 0);
    EXPECT_EQ(control.grab().toImage().pixel(21, 39), StripesControl::ColorAt(21, 39));
    caret.Hide();
    EXPECT_EQ(WrongPixels(control.grab().toImage(), control), 0);
    EXPECT_TRUE(control.painted.empty()) << "the caret repaints nothing of the content";
}

TEST_F(TCustomControlTest, InvalidPartsArePaintedOnceBeforeTheScreenShowsThem) {
    control.offsetY = 1;
    control.InvalidateRect(Rect(10, 5, 30, 8));
    control.InvalidateRect(Rect(70, 50, 200, 200));
    control.UpdateNow();
    control.UpdateNow();
    ASSERT_EQ(control.painted.size(), 2u);
    EXPECT_EQ(control.painted[0], Rect(10, 5, 30, 8));
    EXPECT_EQ(control.painted[1], Rect(70, 50, 80, 60)) << "clipped to the client";
    control.painted.clear();
    control.PaintNow(Rect(0, 0, 80, 60));
    EXPECT_EQ(WrongPixels(control.grab().toImage(), control), 0);
    EXPECT_EQ(control.painted.size(), 1u) << "grab paints nothing more";
}

TEST_F(TCustomControlTest, ScrollingMovesThePixelsAndPaintsOnlyTheUncoveredStrip) {
    control.offsetY += 7;
    control.ScrollRect(0, -7, control.ClientRect(), TRect());
    ASSERT_EQ(control.painted.size(), 1u);
    EXPECT_EQ(control.painted[0], Rect(0, 53, 80, 60));
    EXPECT_EQ(WrongPixels(control.Surface(), control), 0);

    control.painted.clear();
    control.offsetY -= 20;
    control.ScrollRect(0, 20, control.ClientRect(), TRect());
    ASSERT_EQ(control.painted.size(), 1u);
    EXPECT_EQ(control.painted[0], Rect(0, 0, 80, 20));
    EXPECT_EQ(WrongPixels(control.grab().toImage(), control), 0);

    // Sideways inside a clip: the part left of the clip stays as it was.
    QImage before = control.Surface().copy();
    control.painted.clear();
    control.offsetX += 5;
    control.ScrollRect(-5, 0, control.ClientRect(), Rect(30, 0, 80, 60));
    ASSERT_EQ(control.painted.size(), 1u);
    EXPECT_EQ(control.painted[0], Rect(75, 0, 80, 60));
    EXPECT_EQ(control.Surface().copy(0, 0, 30, 60), before.copy(0, 0, 30, 60));
    EXPECT_EQ(control.Surface().copy(30, 0, 50, 60), [&] {
        QImage expected(50, 60, QImage::Format_RGB32);
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 50; ++x)
                expected.setPixel(x, y, StripesControl::ColorAt(30 + x + 5, y + control.offsetY));
        return expected;
    }());
}

TEST_F(TCustomControlTest, ScrollBarsTakeTheControlsRangesAndReportOnlyUserMoves) {
    control.SetScrollBarsShown(true, true);
    QCoreApplication::processEvents();
    EXPECT_TRUE(control.VerticalScrollBarShown());
    EXPECT_EQ(control.ClientHeight(), 60 - control.ScrollBarHeight());
    EXPECT_EQ(control.ClientWidth(), 80 - control.ScrollBarWidth());
    EXPECT_EQ(control.Surface().size(), QSize(control.ClientWidth(), control.ClientHeight()));

    control.SetVerticalScroll(0, 109, 10, 40);
    control.SetHorizontalScroll(0, 5, 10, 0);
    QScrollBar* vertical = control.verticalScrollBar();
    EXPECT_EQ(vertical->maximum(), 100) << "the last page starts at maximum - page + 1";
    EXPECT_EQ(vertical->value(), 40);
    EXPECT_EQ(control.horizontalScrollBar()->maximum(), 0) << "nothing to scroll";
    EXPECT_TRUE(control.requests.empty()) << "setting a range is no request";

    using R = StripesControl::Request;
    vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
    vertical->triggerAction(QAbstractSlider::SliderSingleStepSub);
    vertical->triggerAction(QAbstractSlider::SliderToMaximum);
    vertical->setSliderPosition(30);
    EXPECT_EQ(control.requests, (std::vector<R>{{Qt::Vertical, scPageDown, 50},
                                                {Qt::Vertical, scLineUp, 39},
                                                {Qt::Vertical, scBottom, 100},
                                                {Qt::Vertical, scTrack, 30}}));
    EXPECT_EQ(vertical->value(), 40) << "a bar the control leaves alone stays where it was";
    control.SetVerticalScroll(0, 109, 10, 100);
    vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(control.requests.back(), (R{Qt::Vertical, scPageDown, 100}))
        << "a page down at the end still reaches the control";
    control.painted.clear();
    EXPECT_EQ(WrongPixels(control.grab().toImage(), control), 0) << "the bar scrolls nothing";

    control.SetScrollBarsShown(false, false);
    QCoreApplication::processEvents();
    EXPECT_EQ(control.ClientRect(), Rect(0, 0, 80, 60));
}

TEST(TCustomControl, TabIsAKeyOfTheControlUnlessItLetsTheFocusMove) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* control = new StripesControl;
    auto* edit = new QLineEdit;
    layout->addWidget(control);
    layout->addWidget(edit);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    control->setFocus();
    ASSERT_TRUE(control->Focused());
    QTest::keyClick(control, Qt::Key_Tab);
    EXPECT_EQ(control->keys, std::vector<int>{Qt::Key_Tab});
    EXPECT_TRUE(control->Focused());
    control->SetWantTabs(false);
    QTest::keyClick(control, Qt::Key_Tab);
    EXPECT_TRUE(edit->hasFocus());
    QTest::mouseClick(control->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(control->Focused()) << "a click gives the focus";
}

TEST_F(TCustomControlTest, KeyboardStateFollowsTheKeysHeld) {
    control.setFocus();
    EXPECT_FALSE(EscapeKeyDown());
    QTest::keyPress(&control, Qt::Key_Escape);
    EXPECT_TRUE(EscapeKeyDown());
    QTest::keyRelease(&control, Qt::Key_Escape);
    EXPECT_FALSE(EscapeKeyDown());
    QTest::keyPress(&control, Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_TRUE(ShiftKeyDown());
    EXPECT_FALSE(ControlKeyDown());
    QTest::keyRelease(&control, Qt::Key_Shift);
    QTest::keyPress(&control, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_TRUE(ControlKeyDown());
    QTest::keyRelease(&control, Qt::Key_Control);
    EXPECT_FALSE(ControlKeyDown());
    EXPECT_FALSE(ShiftKeyDown());
}

TEST_F(TCustomControlTest, CursorsByNumber) {
    control.SetCursorId(crIBeam);
    EXPECT_EQ(control.viewport()->cursor().shape(), Qt::IBeamCursor);
    control.SetCursorId(12345);
    EXPECT_EQ(control.viewport()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(control.CursorId(), 12345);

    control.SetCursorId(crRightArrow);
    QCursor right = control.viewport()->cursor();
    ASSERT_EQ(right.shape(), Qt::BitmapCursor);
    QImage arrow = right.pixmap().toImage();
    EXPECT_EQ(right.hotSpot(), QPoint(arrow.width() - 1, 0)) << "the tip is at the right";
    EXPECT_GT(qAlpha(arrow.pixel(arrow.width() - 1, 0)), 0);
    EXPECT_EQ(qAlpha(arrow.pixel(0, 0)), 0);

    control.SetCursorId(crDragSelCopy);
    QCursor copy = control.viewport()->cursor();
    ASSERT_EQ(copy.shape(), Qt::BitmapCursor);
    EXPECT_NE(copy.pixmap().toImage(), arrow);
    EXPECT_EQ(copy.hotSpot(), QPoint(0, 0));
}

} // namespace
} // namespace kes

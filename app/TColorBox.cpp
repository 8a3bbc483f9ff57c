#include "app/TColorBox.h"

#include "toolkit/gui/QtColor.h"

#include <QAbstractItemView>
#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace kes {

namespace {

struct NamedColor {
    TColor color;
    const char* name;
};

// In the order the list shows them: standard, extended, then the system colours.
constexpr NamedColor kColors[] = {
    {clBlack, "黒"},
    {clMaroon, "茶色"},
    {clGreen, "緑"},
    {clOlive, "オリーブ"},
    {clNavy, "濃紺"},
    {clPurple, "紫"},
    {clTeal, "青緑"},
    {clGray, "灰色"},
    {clSilver, "銀色"},
    {clRed, "赤"},
    {clLime, "ライム"},
    {clYellow, "黄"},
    {clBlue, "青"},
    {clFuchsia, "赤紫"},
    {clAqua, "水色"},
    {clWhite, "白"},
    {clMoneyGreen, "マネーグリーン"},
    {clSkyBlue, "スカイブルー"},
    {clCream, "クリーム"},
    {clMedGray, "中間の灰色"},
    {clScrollBar, "スクロールバー"},
    {clBackground, "デスクトップ"},
    {clActiveCaption, "アクティブなタイトル"},
    {clInactiveCaption, "非アクティブなタイトル"},
    {clMenu, "メニューの背景"},
    {clWindow, "ウィンドウの背景"},
    {clWindowFrame, "ウィンドウの枠"},
    {clMenuText, "メニューの文字"},
    {clWindowText, "ウィンドウの文字"},
    {clCaptionText, "タイトルの文字"},
    {clActiveBorder, "アクティブな境界"},
    {clInactiveBorder, "非アクティブな境界"},
    {clAppWorkSpace, "アプリケーションの作業域"},
    {clHighlight, "選択範囲の背景"},
    {clHighlightText, "選択範囲の文字"},
    {clBtnFace, "ボタンの表面"},
    {clBtnShadow, "ボタンの影"},
    {clGrayText, "淡色表示の文字"},
    {clBtnText, "ボタンの文字"},
    {clInactiveCaptionText, "非アクティブなタイトルの文字"},
    {clBtnHighlight, "ボタンの光沢"},
    {cl3DDkShadow, "立体の濃い影"},
    {cl3DLight, "立体の明るい面"},
    {clInfoText, "ヒントの文字"},
    {clInfoBk, "ヒントの背景"},
    {clHotLight, "リンク"},
    {clGradientActiveCaption, "アクティブなタイトルのグラデーション"},
    {clGradientInactiveCaption, "非アクティブなタイトルのグラデーション"},
    {clMenuHighlight, "メニューの選択"},
    {clMenuBar, "メニューバー"},
};

constexpr int kCustomIndex = 0;

QIcon Swatch(TColor color) {
    QPixmap pixmap(12, 10);
    pixmap.fill(ToQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 11, 9);
    return QIcon(pixmap);
}

} // namespace

TColorBox::TColorBox(QWidget* parent) : QComboBox(parent) {
    ChooseColor = [](QWidget* owner, TColor& color) {
        const QColor chosen = QColorDialog::getColor(ToQColor(color), owner);
        if (!chosen.isValid())
            return false;
        color = FromQColor(chosen);
        return true;
    };
    addItem(Swatch(clBlack), QString::fromUtf8("カスタム..."), clBlack);
    for (const NamedColor& entry : kColors)
        addItem(Swatch(entry.color), QString::fromUtf8(entry.name), entry.color);
    setMaxVisibleItems(16);
    // Sized for the swatch and a short name (オリーブ), not for the longest system colour's
    // name: four boxes and their labels share the dialog's width; the open list is wider.
    setIconSize(QSize(12, 10));
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(4);
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + 24);
    connect(this, &QComboBox::activated, this, &TColorBox::Activated);
    SetColor(clBlack);
}

TColor TColorBox::Color() const {
    return static_cast<TColor>(itemData(shownIndex_).toInt());
}

void TColorBox::SetColor(TColor color) {
    for (int i = kCustomIndex + 1; i < count(); ++i) {
        if (itemData(i).toInt() == color) {
            shownIndex_ = i;
            setCurrentIndex(i);
            return;
        }
    }
    SetCustom(color);
}

void TColorBox::SetCustom(TColor color) {
    setItemData(kCustomIndex, color);
    setItemIcon(kCustomIndex, Swatch(color));
    shownIndex_ = kCustomIndex;
    setCurrentIndex(kCustomIndex);
}

void TColorBox::Activated(int index) {
    if (index != kCustomIndex) {
        shownIndex_ = index;
        return;
    }
    TColor color = Color();
    if (ChooseColor && ChooseColor(this, color))
        SetColor(color);
    else
        setCurrentIndex(shownIndex_);
}

} // namespace kes

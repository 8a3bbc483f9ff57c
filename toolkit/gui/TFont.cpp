#include "toolkit/gui/TFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>

namespace kes {

void InstallFontSubstitutions() {
    static bool installed = false;
    if (installed || !qGuiApp)
        return;
    installed = true;
    const QStringList gothic{"IPAGothic"};
    const QStringList pgothic{"IPAPGothic", "IPAGothic"};
    const QStringList mincho{"IPAMincho", "IPAGothic"};
    const QStringList pmincho{"IPAPMincho", "IPAPGothic", "IPAGothic"};
    QFont::insertSubstitutions(QString::fromUtf8("ＭＳ ゴシック"), gothic);
    QFont::insertSubstitutions("MS Gothic", gothic);
    QFont::insertSubstitutions(QString::fromUtf8("ＭＳ Ｐゴシック"), pgothic);
    QFont::insertSubstitutions("MS PGothic", pgothic);
    QFont::insertSubstitutions(QString::fromUtf8("ＭＳ 明朝"), mincho);
    QFont::insertSubstitutions("MS Mincho", mincho);
    QFont::insertSubstitutions(QString::fromUtf8("ＭＳ Ｐ明朝"), pmincho);
    QFont::insertSubstitutions("MS PMincho", pmincho);
    QFont::insertSubstitution("FixedSys",
                              QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
}

TFont::TFont() = default;

void TFont::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TFont*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (name_ == other->name_ && height_ == other->height_ && color_ == other->color_ &&
        style_ == other->style_)
        return;
    name_ = other->name_;
    height_ = other->height_;
    color_ = other->color_;
    style_ = other->style_;
    Changed();
}

void TFont::SetName(const std::string& value) {
    if (name_ == value)
        return;
    name_ = value;
    Changed();
}

void TFont::SetHeight(int value) {
    if (height_ == value)
        return;
    height_ = value;
    Changed();
}

namespace {

// A screen that reports no resolution is taken at the designed one.
double UsableResolution(double pixelsPerInch) {
    return pixelsPerInch > 0 ? pixelsPerInch : 96.0;
}

} // namespace

int TFont::Size(double pixelsPerInch) const {
    return static_cast<int>(std::lround(height_ * 72.0 / UsableResolution(pixelsPerInch)));
}

void TFont::SetSize(int points, double pixelsPerInch) {
    SetHeight(static_cast<int>(std::lround(points * UsableResolution(pixelsPerInch) / 72.0)));
}

void TFont::SetColor(TColor value) {
    if (color_ == value)
        return;
    color_ = value;
    Changed();
}

void TFont::SetStyle(TFontStyles value) {
    if (style_ == value)
        return;
    style_ = value;
    Changed();
}

QFont TFont::ToQFont() const {
    return ToQFont(style_);
}

QFont TFont::ToQFont(TFontStyles style) const {
    InstallFontSubstitutions();
    QFont font(QString::fromStdString(name_));
    font.setPixelSize(std::max(1, height_));
    font.setBold(style.Contains(fsBold));
    font.setItalic(style.Contains(fsItalic));
    font.setStrikeOut(style.Contains(fsStrikeOut));
    font.setKerning(false);
    // Glyphs in the text colour only, on whole pixels: the canvas writes exact colours.
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

TFontMetrics TFont::Metrics() const {
    QFont font = ToQFont();
    QFontMetrics metrics(font);
    TFontMetrics result;
    // A fixed-pitch font's cell is the advance of a digit; Qt's average of a proportional
    // font stands for its half-width cell.
    result.AverageCharWidth = QFontInfo(font).fixedPitch() ? metrics.horizontalAdvance(QChar('0'))
                                                           : metrics.averageCharWidth();
    if (result.AverageCharWidth <= 0)
        result.AverageCharWidth = std::max(1, metrics.horizontalAdvance(QChar('0')));
    result.Ascent = metrics.ascent();
    result.Height = metrics.ascent() + metrics.descent();
    result.ExternalLeading = std::max(0, metrics.leading());
    return result;
}

void TFont::Changed() {
    if (OnChange)
        OnChange(this);
}

} // namespace kes

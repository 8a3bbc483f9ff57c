#include "toolkit/gui/TCanvas.h"

#include "toolkit/core/Cp932.h"
#include "toolkit/core/Cp932Codec.h"
#include "toolkit/gui/QtColor.h"
#include "toolkit/gui/QtText.h"
#include "toolkit/gui/TFont.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRawFont>

#include <algorithm>
#include <utility>
#include <vector>

namespace kes {

namespace {

constexpr size_t kMaxRunBytes = 1001;

// What drawing a run needs of a font, kept because making a raw font is not cheap.
struct RunFont {
    QFont font;
    QRawFont raw;
    int ascent = 0;
    int height = 0;
    int strikeOutPos = 0;
    int lineWidth = 1;
};

std::vector<RunFont>& RunFonts() {
    static std::vector<RunFont> cache;
    return cache;
}

const RunFont& RunFontOf(const QFont& font) {
    // The raw fonts belong to the application's font engines: they go with it.
    [[maybe_unused]] static const bool releasedWithTheApplication = [] {
        qAddPostRoutine([] { RunFonts().clear(); });
        return true;
    }();
    std::vector<RunFont>& cache = RunFonts();
    for (const RunFont& entry : cache)
        if (entry.font == font)
            return entry;
    if (cache.size() >= 32)
        cache.clear();
    QFontMetrics metrics(font);
    cache.push_back(RunFont{font, QRawFont::fromFont(font), metrics.ascent(),
                            metrics.ascent() + metrics.descent(), metrics.strikeOutPos(),
                            std::max(1, metrics.lineWidth())});
    return cache.back();
}

bool IsRawByte(QChar c) {
    return c.unicode() >= kRawByteBase + 0x80 && c.unicode() <= kRawByteBase + 0xFF;
}

} // namespace

void TCanvas::TextOut(int x, int y, const TRect& clip, std::string_view text, const TFont& font,
                      TFontStyles style, TColor color, TColor brush, bool opaque, int advance) {
    QRect area = QRect(clip.Left, clip.Top, clip.Width(), clip.Height()) & image_->rect();
    if (area.isEmpty())
        return;
    Begin();
    if (!painter_) {
        End();
        return;
    }
    if (opaque)
        painter_->fillRect(area, ToQColor(brush));
    text = text.substr(0, std::min(text.size(), kMaxRunBytes));
    if (text.empty()) {
        End();
        return;
    }
    // The strike-out line is drawn over the whole run below, not per glyph.
    const RunFont& runFont = RunFontOf(font.ToQFont(style - fsStrikeOut));
    QColor ink = ToQColor(color);
    int baseline = y + runFont.ascent;
    QString chars = Cp932ToQString(text, false);
    QList<quint32> glyphs =
        runFont.raw.isValid() ? runFont.raw.glyphIndexesForString(chars) : QList<quint32>();

    painter_->setClipRect(area);
    painter_->setPen(ink);
    bool fontSet = false;
    QList<quint32> placedGlyphs;
    QList<QPointF> positions;
    size_t byte = 0;
    int cellX = x;
    for (qsizetype i = 0; i < chars.size() && byte < text.size(); ++i) {
        QChar c = chars[i];
        // A stray byte is one character even where it starts an unassigned double-byte code.
        int bytes = IsRawByte(c) ? 1 : static_cast<int>(CharLength(text, byte));
        int width = bytes * advance;
        if (IsRawByte(c)) {
            // Not code page 932: a hollow box in the cell, so the byte is seen and not mistaken
            // for a character.
            painter_->drawRect(cellX + 1, y + 2, std::max(width - 3, 0),
                               std::max(runFont.height - 5, 0));
        } else if (!c.isSpace() && i < glyphs.size() && glyphs[i] != 0) {
            placedGlyphs.append(glyphs[i]);
            positions.append(QPointF(cellX, baseline));
        } else if (!c.isSpace()) {
            // A character the font has no glyph for: Qt's fallback fonts may have one.
            if (!fontSet)
                painter_->setFont(runFont.font);
            fontSet = true;
            painter_->drawText(QPoint(cellX, baseline), QString(c));
        }
        byte += static_cast<size_t>(bytes);
        cellX += width;
    }
    if (!placedGlyphs.isEmpty()) {
        QGlyphRun run;
        run.setRawFont(runFont.raw);
        run.setGlyphIndexes(placedGlyphs);
        run.setPositions(positions);
        painter_->drawGlyphRun(QPointF(0, 0), run);
    }
    if (style.Contains(fsStrikeOut)) {
        painter_->fillRect(QRect(x, baseline - runFont.strikeOutPos, cellX - x, runFont.lineWidth),
                           ink);
    }
    painter_->setClipping(false);
    End();
}

} // namespace kes

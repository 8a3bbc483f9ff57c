// The extended editor's marks on the common corpus, in the view the editor benchmark uses (an
// 800 x 600 editor with the post editor's font and the mail fountain, painted by the
// offscreen raster platform): a full repaint with a find string highlighted, plain and as a
// fuzzy regular expression, against the same repaint without one; and a caret move with the
// bracket partner shown, next to a bracket whose partner is 10,000 rows away and next to one
// that has none (the walk then runs to the end of the text): the first move, which learns what
// the rows do to the bracket depth, later moves, and moves after a character typed in the
// bracket's row. Each scenario runs in a child process of its own; the figures are the median
// (p50) and the 90th percentile (p90).
#include "bench/BenchApplication.h"
#include "bench/BenchSupport.h"
#include "editorex/TEditorEx.h"
#include "editorex/TEditorExMarks.h"
#include "fountain/TMailFountain.h"
#include "textmodel/TEditorStrings.h"
#include "toolkit/core/Cp932Codec.h"
#include "toolkit/gui/TFont.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace kes;
using namespace kes::bench;

constexpr int ViewWidth = 800;
constexpr int ViewHeight = 600;
constexpr int Repeats = 100;

// The editor as the post editor shows it, with the corpus loaded and the caret in the middle.
struct Subject {
    std::unique_ptr<QApplication> app = MakeApplication();
    TMailFountain fountain{nullptr};
    std::unique_ptr<TEditorEx> editor;

    Subject() {
        editor = std::make_unique<TEditorEx>();
        editor->SetFountain(&fountain);
        editor->Font()->SetName("ＭＳ ゴシック");
        editor->Font()->SetHeight(12);
        editor->SetScrollBars(ssBoth);
        editor->resize(ViewWidth, ViewHeight);
        editor->show();
        editor->activateWindow();
        editor->setFocus();
        QApplication::processEvents();
        editor->Lines()->LoadFromFile(CorpusPath());
        editor->SetRowCol(editor->ListCount() / 2, 10);
        editor->ScrollCaret();
        editor->SetTopCol(0);
        editor->viewport()->repaint();
        QApplication::processEvents();
    }
    ~Subject() {
        editor.reset();
        app.reset();
    }
};

void FullRepaints(Subject& s, Samples& samples) {
    for (int i = 0; i < Repeats; ++i) {
        s.editor->Invalidate();
        samples.Time([&] { s.editor->viewport()->repaint(); });
    }
}

// Full repaints without a find string, with a plain one and with a fuzzy regular expression.
void FindScenarios(Results& r) {
    Subject s;
    TEditorEx& e = *s.editor;
    Samples none("repaint_no_find");
    FullRepaints(s, none);
    none.Store(r);

    e.ExMarks()->FindMark()->SetColor(clRed);
    e.ExMarks()->FindMark()->SetVisible(true);
    e.SetFindString("example");
    Samples plain("repaint_find_plain");
    FullRepaints(s, plain);
    plain.Store(r);

    e.SetFindString(Utf8ToCp932("ｽﾚ|ｶﾞ|ﾃｽﾄ"));
    e.SetExSearchOptions(soRegexp | soFuzzy);
    Samples fuzzy("repaint_find_fuzzy");
    FullRepaints(s, fuzzy);
    fuzzy.Store(r);
}

// The caret moved onto a bracket ≪ (the corpus has none of ≪ ≫) and off it again; each move
// onto it is timed with its repaint. partnerRows: how far below the closing ≫ is, or 0 for
// none.
void ParenScenario(int bracketRow, int partnerRows, const char* name, Results& r) {
    Subject s;
    TEditorEx& e = *s.editor;
    const std::string open = Utf8ToCp932("≪");
    const std::string close = Utf8ToCp932("≫");
    if (partnerRows > 0) {
        e.SetRowCol(bracketRow + partnerRows, 0);
        e.InsertTypedText(close);
    }
    e.SetRowCol(bracketRow, 0);
    e.InsertTypedText(open);
    e.SetRowCol(bracketRow, 6);
    e.viewport()->repaint();
    QApplication::processEvents();
    e.ExMarks()->ParenMark()->SetColor(clYellow);
    e.ExMarks()->ParenMark()->SetVisible(true);
    e.viewport()->repaint();
    const auto moveOnto = [&] {
        e.SetRowCol(bracketRow, 0);
        e.viewport()->repaint();
    };
    const auto moveOff = [&] {
        e.SetRowCol(bracketRow, 6);
        e.viewport()->repaint();
    };
    bool found = true;
    // The first move reads the rows; later ones read what it remembered of them.
    Samples first(std::string(name) + "_first");
    first.Time(moveOnto);
    moveOff();
    Samples move(name);
    for (int i = 0; i < Repeats; ++i) {
        move.Time(moveOnto);
        found = found && e.ParenFound() == (partnerRows > 0);
        moveOff();
    }
    // A character typed in the bracket's row before each move: the edit's rows are read again.
    Samples edited(std::string(name) + "_after_typing");
    for (int i = 0; i < Repeats; ++i) {
        e.InsertTypedText("x");
        e.viewport()->repaint();
        edited.Time(moveOnto);
        found = found && e.ParenFound() == (partnerRows > 0);
        moveOff();
    }
    first.Store(r);
    edited.Store(r);
    move.Store(r);
    r["rows"] = e.ListCount();
    // 1 when every move found the partner, or found none where there is none.
    r["as_expected"] = found;
}

} // namespace

int main(int argc, char** argv) {
    if (!StartWidgetBenchmarks(argc, argv))
        return 1;
    RegisterInChild("EditorEx/FindRepaint", "repaint_find_fuzzy_p50_ms", FindScenarios);
    // In the middle of the text, the partner 10,000 rows below.
    RegisterInChild("EditorEx/ParenPartner", "paren_partner_p50_ms",
                    [](Results& r) { ParenScenario(100000, 10000, "paren_partner", r); });
    // Near the start of the text, no partner: the walk runs through the whole text.
    RegisterInChild("EditorEx/ParenNoPartner", "paren_no_partner_p50_ms",
                    [](Results& r) { ParenScenario(10, 0, "paren_no_partner", r); });
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("targets: a full repaint with a find string at most 3 ms; a caret move at a "
                "bracket at most 16 ms.\n");
    return 0;
}

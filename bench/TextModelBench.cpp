// The text model on the common corpus, against QPlainTextEdit and QScintilla where they are
// installed: loading (word wrap off, and on at 80 columns with Leading), a typed character in
// the middle, Enter near the top and its undo, switching word wrap, and replacing the whole
// text as one undoable edit. Every scenario runs in a child process of its own, so that its
// peak memory is its own; painting is left out.
#include "bench/BenchSupport.h"
#include "fountain/TMailFountain.h"
#include "textmodel/TEditorScreenStrings.h"
#include "textmodel/TEditorStrings.h"
#include "textmodel/TEditorUndoObj.h"
#include "textmodel/TEditorWrapOption.h"
#include "textmodel/THeadlessEditor.h"
#include "toolkit/core/Cp932.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#ifdef KES_HAVE_QT
#include <QApplication>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#endif
#ifdef KES_HAVE_QSCINTILLA
#include <Qsci/qsciscintilla.h>
#endif

namespace {

using namespace kes::bench;

// ---- Kestrelpad

void SetUp(kes::THeadlessEditor& editor, kes::TMailFountain& fountain, bool wrap) {
    editor.SetFountain(&fountain);
    editor.Rows().WrapOption().SetLeading(true);
    editor.Rows().SetWordWrap(wrap);
}

void KesLoad(benchmark::State& state) {
    const bool wrap = state.range(0) != 0;
    Results results = InChild([wrap](Results& r) {
        kes::TMailFountain fountain(nullptr);
        kes::THeadlessEditor editor;
        SetUp(editor, fountain, wrap);
        long before = StatusKiB("VmRSS:");
        ResetPeak();
        auto start = Clock::now();
        editor.Lines().LoadFromFile(CorpusPath());
        r["load_s"] = Since(start);
        r["peak_MiB"] = static_cast<double>(StatusKiB("VmHWM:") - before) / 1024;
        r["rows"] = editor.Rows().GetCount();
    });
    Report(state, results, "load_s");
}
BENCHMARK(KesLoad)
    ->Name("Kestrelpad/Load/wrap")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The text of row `row` with `insert` put in at byte `at`, as the editor hands it to
// UpdateRows: the whole row, with its line break when it has one.
std::string EditedRow(kes::TEditorScreenStrings& rows, int row, size_t at,
                      const std::string& insert) {
    std::string text(rows.View(row));
    text.insert(std::min(at, text.size()), insert);
    if (rows.RowAttributes(row) == kes::raLineEnd)
        text += "\r\n";
    return text;
}

// A byte offset in the row that is not inside a double-byte character.
size_t CharBoundary(std::string_view text, size_t wanted) {
    size_t p = 0;
    while (p < text.size() && p < wanted)
        p += kes::CharLength(text, p);
    return p;
}

void KesEdits(benchmark::State& state) {
    const bool wrap = state.range(0) != 0;
    Results results = InChild([wrap](Results& r) {
        kes::TMailFountain fountain(nullptr);
        kes::THeadlessEditor editor;
        SetUp(editor, fountain, wrap);
        editor.Lines().LoadFromFile(CorpusPath());
        kes::TEditorScreenStrings& rows = editor.Rows();

        // Scrolling to the middle makes the painter parse every row from the last one whose
        // state is known (two screens below the top after loading) down to there.
        const int middle = rows.GetCount() / 2;
        auto start = Clock::now();
        rows.UpdateParseState(middle, false);
        r["scroll_parse_ms"] = Since(start) * 1000;
        // The first edit after loading moves the row list's gap from the end to the spot.
        start = Clock::now();
        rows.UpdateRows(middle, 1, EditedRow(rows, middle, 0, "x"));
        r["first_edit_ms"] = Since(start) * 1000;

        // Typing: 2000 characters into the middle of one line, each an edit of its own.
        const int typed = 2000;
        int row = middle;
        size_t at = CharBoundary(rows.View(row), 10);
        start = Clock::now();
        for (int i = 0; i < typed; ++i) {
            // The caret row after the previous character: the row holding byte `at` of the
            // line that starts at `row`.
            int r0 = row;
            size_t off = at;
            while (off > rows.View(r0).size() && rows.RowAttributes(r0) == kes::raContinued) {
                off -= rows.View(r0).size();
                ++r0;
            }
            rows.UpdateRows(r0, 1, EditedRow(rows, r0, off, "x"));
            ++at;
        }
        r["type_us"] = Since(start) * 1e6 / typed;

        // Enter near the top, then its undo, 200 times each. The first Enter moves the row
        // list's gap from the end of the text to the top, and is timed apart.
        const int top = 10;
        std::string line(rows.View(top));
        size_t split = CharBoundary(line, line.size() / 2);
        std::string enter = line.substr(0, split) + "\r\n" + line.substr(split) +
                            (rows.RowAttributes(top) == kes::raLineEnd ? "\r\n" : "");
        start = Clock::now();
        rows.UpdateRows(top, 1, enter);
        r["first_enter_ms"] = Since(start) * 1000;
        rows.Undo();
        double enterTime = 0;
        double undoTime = 0;
        const int pairs = 200;
        for (int i = 0; i < pairs; ++i) {
            start = Clock::now();
            rows.UpdateRows(top, 1, enter);
            enterTime += Since(start);
            start = Clock::now();
            rows.Undo();
            undoTime += Since(start);
        }
        r["enter_us"] = enterTime * 1e6 / pairs;
        r["undo_us"] = undoTime * 1e6 / pairs;

        start = Clock::now();
        rows.SetWordWrap(!wrap);
        r["toggle_s"] = Since(start);
        start = Clock::now();
        rows.SetWordWrap(wrap);
        r["toggle_back_s"] = Since(start);
    });
    Report(state, results, "type_us", 1e6);
}
BENCHMARK(KesEdits)
    ->Name("Kestrelpad/Edits/wrap")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMicrosecond);

// Replacing the whole 50 MB text by the corpus as one undoable edit, its undo and its redo,
// against the plain load over the same text that records nothing.
void KesReplace(benchmark::State& state) {
    const bool wrap = state.range(0) != 0;
    Results results = InChild([wrap](Results& r) {
        kes::TMailFountain fountain(nullptr);
        kes::THeadlessEditor editor;
        SetUp(editor, fountain, wrap);
        kes::TEditorStrings& lines = editor.Lines();
        lines.LoadFromFile(CorpusPath());
        auto start = Clock::now();
        lines.LoadFromFile(CorpusPath());
        const double load = Since(start);
        r["load_s"] = load;

        long before = StatusKiB("VmRSS:");
        start = Clock::now();
        lines.ReplaceFromFile(CorpusPath());
        r["replace_s"] = Since(start);
        r["replace_x_load"] = Since(start) / load;
        const kes::TUndoDataList& undoList = editor.Rows().UndoObj().UndoList();
        r["entry_MiB"] = static_cast<double>(undoList.Last()->Text.capacity()) / (1 << 20);
        r["rss_growth_MiB"] = static_cast<double>(StatusKiB("VmRSS:") - before) / 1024;

        start = Clock::now();
        editor.Rows().Undo();
        r["undo_s"] = Since(start);
        r["undo_x_load"] = Since(start) / load;
        start = Clock::now();
        editor.Rows().Redo();
        r["redo_s"] = Since(start);
        r["text_MiB"] = static_cast<double>(lines.TextLength()) / (1 << 20);
    });
    Report(state, results, "replace_s");
}
BENCHMARK(KesReplace)
    ->Name("Kestrelpad/Replace/wrap")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

#ifdef KES_HAVE_QT

// The anchors get fewer repetitions: an edit in QScintilla costs a quarter of a second on the
// whole corpus.
constexpr int AnchorRepeats = 20;

// QPlainTextEdit with the text as Latin-1 (one character per byte: no decoding cost is
// measured), wrapped at the widget's width set to 80 columns.
void QtSetUp(QPlainTextEdit& edit, bool wrap) {
    edit.setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    edit.resize(edit.fontMetrics().horizontalAdvance(QString(80, 'x')) + 40, 800);
    edit.show();
}

void QtLoad(benchmark::State& state) {
    const bool wrap = state.range(0) != 0;
    Results results = InChild([wrap](Results& r) {
        int argc = 1;
        char name[] = "bench";
        char* argv[] = {name, nullptr};
        QApplication app(argc, argv);
        QPlainTextEdit edit;
        QtSetUp(edit, wrap);
        long before = StatusKiB("VmRSS:");
        ResetPeak();
        auto start = Clock::now();
        {
            std::string bytes = ReadCorpus();
            edit.setPlainText(
                QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())));
        }
        QCoreApplication::processEvents();
        r["load_s"] = Since(start);
        r["peak_MiB"] = static_cast<double>(StatusKiB("VmHWM:") - before) / 1024;
    });
    Report(state, results, "load_s");
}
BENCHMARK(QtLoad)
    ->Name("QPlainTextEdit/Load/wrap")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void QtEdits(benchmark::State& state) {
    const bool wrap = state.range(0) != 0;
    Results results = InChild([wrap](Results& r) {
        int argc = 1;
        char name[] = "bench";
        char* argv[] = {name, nullptr};
        QApplication app(argc, argv);
        QPlainTextEdit edit;
        QtSetUp(edit, wrap);
        {
            std::string bytes = ReadCorpus();
            edit.setPlainText(
                QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())));
        }
        QCoreApplication::processEvents();
        QTextDocument* doc = edit.document();
        QTextCursor cursor(doc->findBlockByNumber(doc->blockCount() / 2));
        cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 10);
        const int typed = AnchorRepeats;
        auto start = Clock::now();
        for (int i = 0; i < typed; ++i)
            cursor.insertText(QStringLiteral("x"));
        r["type_us"] = Since(start) * 1e6 / typed;
        QTextBlock block = doc->findBlockByNumber(10);
        const int pos = block.position() + block.length() / 2;
        double enterTime = 0;
        double undoTime = 0;
        const int pairs = AnchorRepeats;
        for (int i = 0; i < pairs; ++i) {
            QTextCursor c(doc);
            c.setPosition(pos);
            start = Clock::now();
            c.insertBlock();
            enterTime += Since(start);
            start = Clock::now();
            doc->undo();
            undoTime += Since(start);
        }
        r["enter_us"] = enterTime * 1e6 / pairs;
        r["undo_us"] = undoTime * 1e6 / pairs;
        start = Clock::now();
        edit.setLineWrapMode(wrap ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        QCoreApplication::processEvents();
        r["toggle_s"] = Since(start);
    });
    Report(state, results, "type_us", 1e6);
}
BENCHMARK(QtEdits)
    ->Name("QPlainTextEdit/Edits/wrap")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMicrosecond);

#endif

#ifdef KES_HAVE_QSCINTILLA

// QScintilla with the bytes as code page 932, wrapped by words at the window's width.
void SciSetUp(QsciScintilla& sci, bool wrap) {
    sci.SendScintilla(QsciScintillaBase::SCI_SETCODEPAGE, 932);
    sci.SendScintilla(QsciScintillaBase::SCI_SETWRAPMODE,
                      wrap ? QsciScintillaBase::SC_WRAP_WORD : QsciScintillaBase::SC_WRAP_NONE);
    sci.resize(sci.fontMetrics().horizontalAdvance(QString(80, 'x')) + 40, 800);
    sci.show();
}

void SciLoad(benchmark::State& state) {
    const bool wrap = state.range(0) != 0;
    Results results = InChild([wrap](Results& r) {
        int argc = 1;
        char name[] = "bench";
        char* argv[] = {name, nullptr};
        QApplication app(argc, argv);
        QsciScintilla sci;
        SciSetUp(sci, wrap);
        long before = StatusKiB("VmRSS:");
        ResetPeak();
        auto start = Clock::now();
        {
            std::string bytes = ReadCorpus();
            sci.SendScintilla(QsciScintillaBase::SCI_SETTEXT, bytes.c_str());
        }
        QCoreApplication::processEvents();
        r["load_s"] = Since(start);
        r["peak_MiB"] = static_cast<double>(StatusKiB("VmHWM:") - before) / 1024;
    });
    Report(state, results, "load_s");
}
BENCHMARK(SciLoad)
    ->Name("QScintilla/Load/wrap")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void SciEdits(benchmark::State& state) {
    const bool wrap = state.range(0) != 0;
    Results results = InChild([wrap](Results& r) {
        int argc = 1;
        char name[] = "bench";
        char* argv[] = {name, nullptr};
        QApplication app(argc, argv);
        QsciScintilla sci;
        SciSetUp(sci, wrap);
        {
            std::string bytes = ReadCorpus();
            sci.SendScintilla(QsciScintillaBase::SCI_SETTEXT, bytes.c_str());
        }
        QCoreApplication::processEvents();
        long lines = sci.SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT);
        long pos = sci.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, lines / 2) + 10;
        const int typed = AnchorRepeats;
        auto start = Clock::now();
        for (int i = 0; i < typed; ++i)
            sci.SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, pos + i, "x");
        r["type_us"] = Since(start) * 1e6 / typed;
        long top = sci.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, 10) + 10;
        double enterTime = 0;
        double undoTime = 0;
        const int pairs = AnchorRepeats;
        for (int i = 0; i < pairs; ++i) {
            start = Clock::now();
            sci.SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, top, "\r\n");
            enterTime += Since(start);
            start = Clock::now();
            sci.SendScintilla(QsciScintillaBase::SCI_UNDO);
            undoTime += Since(start);
        }
        r["enter_us"] = enterTime * 1e6 / pairs;
        r["undo_us"] = undoTime * 1e6 / pairs;
        start = Clock::now();
        sci.SendScintilla(QsciScintillaBase::SCI_SETWRAPMODE,
                          wrap ? QsciScintillaBase::SC_WRAP_NONE : QsciScintillaBase::SC_WRAP_WORD);
        QCoreApplication::processEvents();
        r["toggle_s"] = Since(start);
    });
    Report(state, results, "type_us", 1e6);
}
BENCHMARK(SciEdits)
    ->Name("QScintilla/Edits/wrap")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMicrosecond);

#endif

} // namespace

BENCHMARK_MAIN();

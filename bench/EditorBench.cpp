// The editing control on the common corpus, against QPlainTextEdit and QScintilla where they
// are installed, all measured alike: an 800 x 600 widget with IPAGothic 12 px painted by the
// offscreen raster platform, a key event sent to the widget, then its viewport repainted at
// once. Kestrelpad runs as the post editor configures it (the main window's editor with the
// mail fountain), and once more with no fountain set for Ctrl+End. Every group of scenarios
// runs in a child process of its own, with the corpus loaded afresh; the figures are the
// median (p50) and the 90th percentile (p90) of many repetitions, and the table at the end
// gives the ratios to the anchors and the targets.
#include "bench/BenchApplication.h"
#include "bench/BenchMainForm.h"
#include "bench/BenchSupport.h"
#include "editor/TEditor.h"
#include "textmodel/TEditorStrings.h"
#include "toolkit/gui/QtText.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

#ifdef KES_HAVE_QSCINTILLA
#include <Qsci/qsciscintilla.h>
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace kes::bench;

constexpr int ViewWidth = 800;
constexpr int ViewHeight = 600;
constexpr int WrapColumns = 80;
constexpr int ScintillaRepeats = 7;

// ---- The widgets measured

// One widget under test. Loading takes the corpus as the widget wants it (read and decoded
// beforehand, outside every timing).
class Subject {
public:
    virtual ~Subject() = default;
    virtual QWidget* Widget() = 0;
    virtual QWidget* Viewport() = 0;
    virtual void SetWordWrap(bool wrap) = 0;
    virtual void Load() = 0;
    // The caret in the middle line of the text, 10 characters in, scrolled into view with the
    // text's first column at the left edge.
    virtual void MoveToMiddle() = 0;
    virtual int LineCount() = 0;
    // The line the caret is on (0-based).
    virtual int CaretLine() = 0;
    virtual QScrollBar* VerticalBar() = 0;
    // The text's length in the widget's own units: bytes or characters.
    virtual long TextLength() = 0;
    virtual void EmptyUndo() = 0;
    // Before a full repaint: a widget that keeps its pixels between paints forgets them.
    virtual void InvalidateAll() {}
    // A repetition count that keeps a slow widget's run short.
    virtual int Repeats(int wanted) const { return wanted; }
};

QFont BenchFont() {
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(12);
    return font;
}

void ShowAndSettle(QWidget& widget) {
    widget.show();
    widget.activateWindow();
    widget.setFocus();
    QApplication::processEvents();
}

class KestrelpadSubject : public Subject {
public:
    explicit KestrelpadSubject(bool mailFountain) {
        form_.resize(ViewWidth, ViewHeight);
        if (!mailFountain)
            form_.Editor()->SetFountain(nullptr);
        ShowAndSettle(form_);
        form_.Editor()->setFocus();
        // The window may keep room for bars of its own: the editor gets the view size.
        form_.resize(form_.size() + QSize(ViewWidth, ViewHeight) - form_.Editor()->size());
        QApplication::processEvents();
    }
    QWidget* Widget() override { return form_.Editor(); }
    QWidget* Viewport() override { return form_.Editor()->viewport(); }
    void SetWordWrap(bool wrap) override { form_.Editor()->SetWordWrap(wrap); }
    void Load() override { form_.Editor()->Lines()->LoadFromFile(CorpusPath()); }
    void MoveToMiddle() override {
        kes::TEditor& e = *form_.Editor();
        e.SetRowCol(e.ListCount() / 2, 10);
        e.ScrollCaret();
        e.SetTopCol(0);
    }
    int LineCount() override { return form_.Editor()->ListCount(); }
    int CaretLine() override { return form_.Editor()->Row(); }
    QScrollBar* VerticalBar() override { return form_.Editor()->verticalScrollBar(); }
    long TextLength() override { return form_.Editor()->GetTextLength(); }
    void EmptyUndo() override { form_.Editor()->EmptyUndoBuffer(); }
    void InvalidateAll() override { form_.Editor()->Invalidate(); }

private:
    kes::TKestrelpadMainForm form_{BenchFormOptions()};
};

// The anchors get the text decoded to Unicode once, before any timing.
const QString& DecodedCorpus() {
    static const QString text = kes::Cp932ToQString(ReadCorpus());
    return text;
}

class PlainTextSubject : public Subject {
public:
    PlainTextSubject() {
        edit_.setFont(BenchFont());
        edit_.resize(ViewWidth, ViewHeight);
        edit_.setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        ShowAndSettle(edit_);
        DecodedCorpus();
    }
    QWidget* Widget() override { return &edit_; }
    QWidget* Viewport() override { return edit_.viewport(); }
    // It wraps only at the viewport's width: with word wrap on, a right margin leaves the
    // viewport 80 columns wide inside the same widget.
    void SetWordWrap(bool wrap) override {
        edit_.setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        int columns = edit_.fontMetrics().horizontalAdvance(QString(WrapColumns, 'x')) +
                      2 * static_cast<int>(edit_.document()->documentMargin());
        edit_.SetRightMargin(wrap ? std::max(0, edit_.viewport()->width() - columns) : 0);
    }
    void Load() override { edit_.setPlainText(DecodedCorpus()); }
    void MoveToMiddle() override {
        QTextDocument* doc = edit_.document();
        QTextCursor cursor(doc->findBlockByNumber(doc->blockCount() / 2));
        cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 10);
        edit_.setTextCursor(cursor);
        edit_.ensureCursorVisible();
        edit_.horizontalScrollBar()->setValue(0);
    }
    int LineCount() override { return edit_.document()->blockCount(); }
    int CaretLine() override { return edit_.textCursor().blockNumber(); }
    QScrollBar* VerticalBar() override { return edit_.verticalScrollBar(); }
    long TextLength() override { return edit_.document()->characterCount(); }
    void EmptyUndo() override { edit_.document()->clearUndoRedoStacks(); }

private:
    // setViewportMargins is protected.
    class Edit : public QPlainTextEdit {
    public:
        void SetRightMargin(int margin) { setViewportMargins(0, 0, margin, 0); }
    };
    Edit edit_;
};

#ifdef KES_HAVE_QSCINTILLA

// QScintilla takes the code page 932 bytes as they are.
class ScintillaSubject : public Subject {
public:
    ScintillaSubject() : bytes_(ReadCorpus()) {
        sci_.setFont(BenchFont());
        sci_.SendScintilla(QsciScintillaBase::SCI_SETCODEPAGE, 932);
        sci_.resize(ViewWidth, ViewHeight);
        ShowAndSettle(sci_);
    }
    QWidget* Widget() override { return &sci_; }
    QWidget* Viewport() override { return sci_.viewport(); }
    void SetWordWrap(bool wrap) override {
        sci_.SendScintilla(QsciScintillaBase::SCI_SETWRAPMODE,
                           wrap ? QsciScintillaBase::SC_WRAP_WORD
                                : QsciScintillaBase::SC_WRAP_NONE);
    }
    void Load() override { sci_.SendScintilla(QsciScintillaBase::SCI_SETTEXT, bytes_.c_str()); }
    void MoveToMiddle() override {
        long line = LineCount() / 2;
        long pos = sci_.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line) + 10;
        sci_.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, pos);
        sci_.SendScintilla(QsciScintillaBase::SCI_SETXOFFSET, 0L);
    }
    int LineCount() override {
        return static_cast<int>(sci_.SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT));
    }
    int CaretLine() override {
        const long pos = sci_.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
        return static_cast<int>(sci_.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, pos));
    }
    QScrollBar* VerticalBar() override { return sci_.verticalScrollBar(); }
    long TextLength() override { return sci_.SendScintilla(QsciScintillaBase::SCI_GETLENGTH); }
    void EmptyUndo() override { sci_.SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER); }
    // An edit costs it a quarter of a second on the whole corpus.
    int Repeats(int) const override { return ScintillaRepeats; }

private:
    std::string bytes_;
    QsciScintilla sci_;
};

#endif

enum class Kind { Kestrelpad, KestrelpadDefaultFountain, PlainText, Scintilla };

std::unique_ptr<Subject> MakeSubject(Kind kind) {
    switch (kind) {
    case Kind::Kestrelpad:
        return std::make_unique<KestrelpadSubject>(true);
    case Kind::KestrelpadDefaultFountain:
        return std::make_unique<KestrelpadSubject>(false);
    case Kind::PlainText:
        return std::make_unique<PlainTextSubject>();
    case Kind::Scintilla:
#ifdef KES_HAVE_QSCINTILLA
        return std::make_unique<ScintillaSubject>();
#else
        break;
#endif
    }
    return nullptr;
}

// ---- Measuring

void SendKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
}

void ReleaseKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, QString());
    QApplication::sendEvent(widget, &release);
}

// A key, then the repaint it causes; the release and whatever the widget posted to itself
// follow outside the timing.
void KeyAndRepaint(Subject& s, Samples& samples, int key, Qt::KeyboardModifiers modifiers,
                   const QString& text = QString()) {
    samples.TimeKey([&] { SendKey(s.Widget(), key, modifiers, text); },
                    [&] { s.Viewport()->repaint(); });
    ReleaseKey(s.Widget(), key, modifiers);
    QApplication::processEvents();
}

// Load and first paint; with word wrap off also Ctrl+End on the freshly loaded text until
// its rows are painted. The text is loaded afresh for every repetition.
void LoadScenarios(Kind kind, bool wrap, int repeats, Results& r) {
    std::unique_ptr<QApplication> app = MakeApplication();
    std::unique_ptr<Subject> s = MakeSubject(kind);
    s->SetWordWrap(wrap);
    Samples load("load");
    Samples ctrlEnd("ctrl_end");
    for (int i = 0; i < repeats; ++i) {
        load.Time([&] {
            s->Load();
            s->Viewport()->repaint();
        });
        QApplication::processEvents();
        if (!wrap)
            KeyAndRepaint(*s, ctrlEnd, Qt::Key_End, Qt::ControlModifier);
    }
    r["lines"] = s->LineCount();
    load.Store(r);
    ctrlEnd.Store(r);
}

// Full repaints, typing, Enter and its Ctrl+Z in the middle of the text, then Page Down.
void EditScenarios(Kind kind, bool wrap, Results& r) {
    std::unique_ptr<QApplication> app = MakeApplication();
    std::unique_ptr<Subject> s = MakeSubject(kind);
    s->SetWordWrap(wrap);
    auto start = Clock::now();
    s->Load();
    s->Viewport()->repaint();
    r["load_s"] = Since(start);
    s->MoveToMiddle();
    s->Viewport()->repaint();
    QApplication::processEvents();

    Samples repaint("repaint");
    for (int i = 0; i < s->Repeats(100); ++i) {
        s->InvalidateAll();
        repaint.Time([&] { s->Viewport()->repaint(); });
    }
    repaint.Store(r);

    // A hundred characters from column 10 keep the caret inside the view: no sample scrolls
    // sideways.
    Samples typed("type");
    const long length = s->TextLength();
    for (int i = 0; i < s->Repeats(100); ++i)
        KeyAndRepaint(*s, typed, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    typed.Store(r);
    r["typed_chars"] = static_cast<double>(s->TextLength() - length);

    // Each Enter one undo step of its own, never merged with the typing before it, at the
    // middle again, so that neither Enter nor its undo scrolls sideways.
    s->EmptyUndo();
    s->MoveToMiddle();
    s->Viewport()->repaint();
    QApplication::processEvents();
    Samples enter("enter");
    Samples undo("undo");
    int undone = 0;
    for (int i = 0; i < s->Repeats(100); ++i) {
        const int lines = s->LineCount();
        KeyAndRepaint(*s, enter, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        KeyAndRepaint(*s, undo, Qt::Key_Z, Qt::ControlModifier);
        undone += s->LineCount() == lines;
    }
    enter.Store(r);
    undo.Store(r);
    // Below the repetition count when a Ctrl+Z did not take its Enter back.
    r["enter_undone"] = undone;

    Samples pageDown("page_down");
    for (int i = 0; i < s->Repeats(100); ++i)
        KeyAndRepaint(*s, pageDown, Qt::Key_PageDown, Qt::NoModifier);
    pageDown.Store(r);
}

void SendMouse(QWidget* viewport, QEvent::Type type, QPoint p, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(p), viewport->mapToGlobal(QPointF(p)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

// A drag selecting 1,000 lines from the middle of the text: a press a few lines from the top
// of the view, then moves with the button held just below the view's bottom edge, each of
// which takes the selection (and the view) on by about a line, each followed by the repaint.
// Then the vertical scroll bar's thumb dragged from the top to the bottom of the whole text in
// 100 positions, each followed by the repaint.
void PointerScenarios(Kind kind, Results& r) {
    std::unique_ptr<QApplication> app = MakeApplication();
    std::unique_ptr<Subject> s = MakeSubject(kind);
    s->SetWordWrap(false);
    s->Load();
    s->MoveToMiddle();
    s->Viewport()->repaint();
    QApplication::processEvents();

    QWidget* viewport = s->Viewport();
    const int line = QFontMetrics(BenchFont()).height();
    const QPoint press(120, 4 * line + line / 2);
    SendMouse(viewport, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
    const int first = s->CaretLine();
    Samples drag("drag_move");
    for (int i = 0; s->CaretLine() - first < 1000 && i < 4000; ++i) {
        const QPoint below(120 + i % 2, viewport->height() + line / 2);
        drag.Time([&] {
            SendMouse(viewport, QEvent::MouseMove, below, Qt::NoButton, Qt::LeftButton);
            viewport->repaint();
        });
    }
    r["drag_lines"] = s->CaretLine() - first;
    SendMouse(viewport, QEvent::MouseButtonRelease, QPoint(120, viewport->height() - line),
              Qt::LeftButton, Qt::NoButton);
    QApplication::processEvents();
    drag.Store(r);

    QScrollBar* bar = s->VerticalBar();
    bar->setSliderPosition(0);
    QApplication::processEvents();
    Samples thumb("thumb_step");
    for (int k = 1; k <= 100; ++k) {
        const int position = static_cast<int>(static_cast<long long>(bar->maximum()) * k / 100);
        thumb.Time([&] {
            bar->setSliderPosition(position);
            viewport->repaint();
        });
    }
    r["thumb_end"] = bar->value() == bar->maximum();
    thumb.Store(r);
}

// ---- Reporting

const char* KindName(Kind kind) {
    switch (kind) {
    case Kind::Kestrelpad:
        return "Kestrelpad";
    case Kind::KestrelpadDefaultFountain:
        return "Kestrelpad(default fountain)";
    case Kind::PlainText:
        return "QPlainTextEdit";
    case Kind::Scintilla:
        return "QScintilla";
    }
    return "";
}

// What every child reported, by group ("Edits/wrap:0") and widget.
std::map<std::string, std::map<Kind, Results>>& AllResults() {
    static std::map<std::string, std::map<Kind, Results>> results;
    return results;
}

void Register(Kind kind, const std::string& group, const std::string& timeKey,
              std::function<void(Results&)> scenario) {
    RegisterInChild(std::string(KindName(kind)) + "/" + group, timeKey, std::move(scenario),
                    [=](const Results& r) { AllResults()[group][kind] = r; });
}

struct Row {
    const char* label;
    std::string group;
    std::string key; // the p50 figure; its p90 beside it
    double target;   // ms; 0: none
};

double Figure(const std::string& group, Kind kind, const std::string& key) {
    auto g = AllResults().find(group);
    if (g == AllResults().end())
        return 0;
    auto k = g->second.find(kind);
    if (k == g->second.end() || !k->second.count(key))
        return 0;
    return k->second.at(key);
}

void PrintTable(const std::vector<Kind>& anchors) {
    const std::vector<Row> rows = {
        {"typed character, wrap off", "Edits/wrap:0", "type", 0.5},
        {"typed character, wrap on", "Edits/wrap:1", "type", 0.5},
        {"Enter, wrap off", "Edits/wrap:0", "enter", 0.5},
        {"Ctrl+Z of Enter, wrap off", "Edits/wrap:0", "undo", 0.5},
        {"Enter, wrap on", "Edits/wrap:1", "enter", 0.5},
        {"Ctrl+Z of Enter, wrap on", "Edits/wrap:1", "undo", 0.5},
        {"Page Down, wrap off", "Edits/wrap:0", "page_down", 2},
        {"Page Down, wrap on", "Edits/wrap:1", "page_down", 2},
        {"full repaint, wrap off", "Edits/wrap:0", "repaint", 2},
        {"full repaint, wrap on", "Edits/wrap:1", "repaint", 2},
        {"Ctrl+End after load", "Load/wrap:0", "ctrl_end", 15},
        {"mouse drag, per move", "Pointer", "drag_move", 1},
        {"scroll thumb, per step", "Pointer", "thumb_step", 3},
        {"load + first paint, wrap off", "Load/wrap:0", "load", 300},
        {"load + first paint, wrap on", "Load/wrap:1", "load", 800},
    };
    std::printf("\n%-30s %20s %9s", "p50 (p90) in ms", "Kestrelpad", "target");
    for (Kind anchor : anchors)
        std::printf(" %20s %7s", KindName(anchor), "ratio");
    std::printf("\n");
    for (const Row& row : rows) {
        const double p50 = Figure(row.group, Kind::Kestrelpad, row.key + "_p50_ms");
        const double p90 = Figure(row.group, Kind::Kestrelpad, row.key + "_p90_ms");
        if (p50 > 0)
            std::printf("%-30s %9.3f (%8.3f) %5.1f %-4s", row.label, p50, p90, row.target,
                        p50 <= row.target ? "met" : "MISS");
        else
            std::printf("%-30s %20s %5.1f %-4s", row.label, "not measured", row.target, "");
        for (Kind anchor : anchors) {
            const double a50 = Figure(row.group, anchor, row.key + "_p50_ms");
            const double a90 = Figure(row.group, anchor, row.key + "_p90_ms");
            if (a50 > 0)
                std::printf(" %9.2f (%8.2f) %6.0fx", a50, a90, p50 > 0 ? a50 / p50 : 0);
            else
                std::printf(" %20s %7s", "-", "");
        }
        std::printf("\n");
    }
    const double mail = Figure("Load/wrap:0", Kind::Kestrelpad, "ctrl_end_p50_ms");
    const double plain = Figure("Load/wrap:0", Kind::KestrelpadDefaultFountain, "ctrl_end_p50_ms");
    std::printf("%-30s %9.3f (%8.3f)   (no target; mail fountain %.3f)\n",
                "Ctrl+End, default fountain", plain,
                Figure("Load/wrap:0", Kind::KestrelpadDefaultFountain, "ctrl_end_p90_ms"), mail);
    std::printf("ratio: anchor time / Kestrelpad time (above 1: Kestrelpad is faster). Each "
                "group's NAME_key_p50_ms counter is the key event's part of NAME, before the "
                "repaint. QPlainTextEdit wraps at its viewport's width, so with wrap on it paints "
                "a viewport narrowed to 80 columns.\n");
#ifdef KES_HAVE_QSCINTILLA
    std::printf("QScintilla: word wrap is not measured (loading the wrapped corpus takes it "
                "about a minute); %d repetitions per scenario.\n",
                ScintillaRepeats);
#else
    std::printf("QScintilla is not installed: not measured.\n");
#endif
}

} // namespace

int main(int argc, char** argv) {
    if (!StartWidgetBenchmarks(argc, argv))
        return 1;
    std::vector<Kind> anchors = {Kind::PlainText};
#ifdef KES_HAVE_QSCINTILLA
    anchors.push_back(Kind::Scintilla);
#endif
    std::vector<Kind> all = {Kind::Kestrelpad};
    all.insert(all.end(), anchors.begin(), anchors.end());
    for (Kind kind : all) {
        for (bool wrap : {false, true}) {
            if (wrap && kind == Kind::Scintilla)
                continue;
            const std::string suffix = wrap ? "wrap:1" : "wrap:0";
            Register(kind, "Edits/" + suffix, "type_p50_ms",
                     [=](Results& r) { EditScenarios(kind, wrap, r); });
            const int repeats = kind == Kind::Kestrelpad ? 5 : 2;
            Register(kind, "Load/" + suffix, "load_p50_ms",
                     [=](Results& r) { LoadScenarios(kind, wrap, repeats, r); });
        }
    }
    for (Kind kind : all)
        Register(kind, "Pointer", "drag_move_p50_ms",
                 [=](Results& r) { PointerScenarios(kind, r); });
    Register(Kind::KestrelpadDefaultFountain, "Load/wrap:0", "ctrl_end_p50_ms",
             [](Results& r) { LoadScenarios(Kind::KestrelpadDefaultFountain, false, 3, r); });
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintTable(anchors);
    return 0;
}

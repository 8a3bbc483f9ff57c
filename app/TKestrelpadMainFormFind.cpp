#include "app/AppText.h"
#include "app/TKestrelpadMainForm.h"

#include "app/TFindBar.h"
#include "app/TMatchCounter.h"
#include "app/TStatusPanels.h"
#include "app/TTextFinder.h"
#include "editorex/TEditorExBase.h"
#include "regexp/ERegExpParser.h"
#include "toolkit/gui/QtText.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kes {

namespace {

// What is wrong with a regular expression, empty when nothing is. The position names a byte
// of the pattern as typed: a fuzzy pattern is first tried as it stands, since its rewritten
// form is longer; a fault only the rewritten form has is told without a position.
QString PatternProblem(const TFindQuery& query) {
    if (!query.Regexp)
        return {};
    const auto probe = [&query](TExSearchOptions options) {
        TLineSearch search;
        search.SetExSearchOptions(options);
        search.SetFindString(query.Pattern);
        std::vector<TSearchInfo> list;
        search.FindInLine(std::string(), false, list);
    };
    try {
        probe(query.LineOptions() & ~TExSearchOptions{soFuzzy});
    } catch (const ERegExpParser& error) {
        return U("%1（%2 バイト目）").arg(QString::fromUtf8(error.what())).arg(error.ErrorPos());
    }
    try {
        probe(query.LineOptions());
    } catch (const ERegExpParser& error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

} // namespace

void TKestrelpadMainForm::BuildFindBar() {
    // The bar sits below the editor, as wide as it, hidden until asked for.
    auto* centre = new QWidget(this);
    auto* column = new QVBoxLayout(centre);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(editor_, 1);
    findBar_ = new TFindBar(centre);
    column->addWidget(findBar_);
    findBar_->hide();
    setCentralWidget(centre);
    finder_ = std::make_unique<TTextFinder>(*editor_);
    matchCounter_ = new TMatchCounter(this);
    connect(matchCounter_, &TMatchCounter::Counted, this, [this](int count) {
        if (count < 0)
            findBar_->ClearCount();
        else
            findBar_->ShowCount(count);
    });
}

void TKestrelpadMainForm::ConnectFindActions() {
    connect(Action("Find"), &QAction::triggered, this, [this] { OpenFindBar(false); });
    connect(Action("Replace"), &QAction::triggered, this, [this] { OpenFindBar(true); });
    connect(Action("FindNext"), &QAction::triggered, this, [this] { FindExecute(true); });
    connect(Action("FindPrevious"), &QAction::triggered, this, [this] { FindExecute(false); });
    connect(findBar_, &TFindBar::QueryChanged, this, &TKestrelpadMainForm::FindQueryChanged);
    connect(findBar_, &TFindBar::FindNextRequested, this, [this] { FindExecute(true); });
    connect(findBar_, &TFindBar::FindPreviousRequested, this, [this] { FindExecute(false); });
    connect(findBar_, &TFindBar::ReplaceRequested, this, &TKestrelpadMainForm::ReplaceExecute);
    connect(findBar_, &TFindBar::ReplaceAllRequested, this,
            &TKestrelpadMainForm::ReplaceAllExecute);
    connect(findBar_, &TFindBar::CloseRequested, this, &TKestrelpadMainForm::CloseFindBar);
}

void TKestrelpadMainForm::LoadFindSettings(TMemIniFileEx& ini) {
    findSettings_ = TFindSettings::Read(ini);
    findBar_->SetOptions(findSettings_.Options);
    findBar_->SetHistory(findSettings_.History);
}

void TKestrelpadMainForm::SaveFindSettings(TMemIniFileEx& ini) {
    findSettings_.Options = findBar_->Options();
    findSettings_.Write(ini);
}

void TKestrelpadMainForm::OpenFindBar(bool replace) {
    // One line of the selection becomes the find text; a longer one is cut at its first break.
    if (editor_->SelLength() > 0) {
        std::string selected = editor_->SelText();
        selected = selected.substr(0, selected.find_first_of("\r\n"));
        if (!selected.empty())
            findBar_->SetPattern(Cp932ToQString(selected));
    }
    findBar_->SetReplaceRowVisible(replace ||
                                   (findBar_->isVisible() && findBar_->ReplaceRowVisible()));
    const bool opening = findBar_->isHidden();
    findBar_->show();
    if (opening) {
        finder_->SetMarking(true);
        FindQueryChanged();
    }
    findBar_->FocusPattern();
    if (replace)
        findBar_->ReplacementEdit()->setFocus();
}

void TKestrelpadMainForm::CloseFindBar() {
    if (findBar_->isHidden())
        return;
    matchCounter_->Stop();
    findBar_->hide();
    finder_->SetMarking(false);
    editor_->setFocus();
}

void TKestrelpadMainForm::FindQueryChanged() {
    if (findBar_->isHidden())
        return;
    const TFindQuery query = findBar_->Query();
    finder_->SetQuery(query);
    // The marks swallow a faulty pattern; the bar says what is wrong with it.
    const QString message = PatternProblem(query);
    findBar_->ShowMessage(message);
    FindTextChanged(0);
}

void TKestrelpadMainForm::FindTextChanged(int delayMs) {
    if (!findBar_ || findBar_->isHidden())
        return;
    const TFindQuery& query = finder_->Query();
    if (query.Pattern.empty() || !findBar_->Message().isEmpty()) {
        matchCounter_->Stop();
        findBar_->ClearCount();
        return;
    }
    findBar_->ShowCounting();
    matchCounter_->Start(editor_, query, delayMs);
}

void TKestrelpadMainForm::FindExecute(bool down) {
    if (findBar_->isHidden()) {
        // From the editor with the bar closed: the bar's find text, else the last find
        // string, without marks.
        TFindQuery query = findBar_->Query();
        if (query.Pattern.empty() && !findSettings_.History.empty())
            query.Pattern = findSettings_.History.front();
        finder_->SetQuery(query);
    }
    const TFindQuery& query = finder_->Query();
    if (query.Pattern.empty())
        return;
    findSettings_.Remember(query.Pattern);
    findBar_->SetHistory(findSettings_.History);
    TFindResult result = TFindResult::NotFound;
    try {
        result = finder_->Find(down);
    } catch (const ERegExpParser&) {
        findBar_->ShowMessage(PatternProblem(finder_->Query()));
        return;
    }
    const QString pattern = Cp932ToQString(query.Pattern);
    switch (result) {
    case TFindResult::Found:
        statusPanels_->SetText(0, QString());
        break;
    case TFindResult::Wrapped:
        statusPanels_->SetText(0, down ? U("テキストの末尾に達したので、先頭から検索しました。")
                                       : U("テキストの先頭に達したので、末尾から検索しました。"));
        break;
    case TFindResult::NotFound:
        statusPanels_->SetText(0, U("「%1」は見つかりませんでした。").arg(pattern));
        break;
    }
    // The editor reports its caret only while it has the focus; the bar keeps it.
    EditorCaretMoved(editor_);
}

void TKestrelpadMainForm::ReplaceExecute() {
    if (finder_->Query().Pattern.empty())
        return;
    try {
        findSettings_.Remember(finder_->Query().Pattern);
        findBar_->SetHistory(findSettings_.History);
        finder_->Replace(findBar_->Replacement());
    } catch (const ERegExpParser&) {
        findBar_->ShowMessage(PatternProblem(finder_->Query()));
    }
    EditorCaretMoved(editor_);
}

void TKestrelpadMainForm::ReplaceAllExecute() {
    if (finder_->Query().Pattern.empty())
        return;
    int count = 0;
    try {
        count = finder_->ReplaceAll(findBar_->Replacement());
    } catch (const ERegExpParser&) {
        findBar_->ShowMessage(PatternProblem(finder_->Query()));
        return;
    }
    findSettings_.Remember(finder_->Query().Pattern);
    findBar_->SetHistory(findSettings_.History);
    statusPanels_->SetText(0, U("%1 件置換しました。").arg(count));
    EditorCaretMoved(editor_);
}

} // namespace kes

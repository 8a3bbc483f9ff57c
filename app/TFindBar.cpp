#include "app/TFindBar.h"
#include "app/AppText.h"

#include "toolkit/gui/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace kes {

TFindBar::TFindBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FindBar"));
    pattern_ = new QComboBox(this);
    pattern_->setObjectName(QStringLiteral("FindText"));
    pattern_->setEditable(true);
    pattern_->setInsertPolicy(QComboBox::NoInsert);
    pattern_->setCompleter(nullptr);
    pattern_->setMaxCount(10);
    pattern_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* patternLabel = new QLabel(U("検索(&N):"), this);
    patternLabel->setBuddy(pattern_);
    next_ = new QPushButton(U("次を検索"), this);
    previous_ = new QPushButton(U("前を検索"), this);
    auto* close = new QToolButton(this);
    close->setText(QStringLiteral("×"));
    close->setAutoRaise(true);
    close->setToolTip(U("検索バーを閉じる (Esc)"));
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("FindCount"));
    count_->setMinimumWidth(90);
    count_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    matchCase_ = new QCheckBox(U("大文字と小文字を区別"), this);
    wholeWord_ = new QCheckBox(U("単語単位"), this);
    regexp_ = new QCheckBox(U("正規表現"), this);
    fuzzy_ = new QCheckBox(U("あいまい検索"), this);
    fuzzy_->setToolTip(U("正規表現で、全角と半角、ひらがなとカタカナ、濁点の書き方の違いなどを"
                         "区別せずに検索します"));
    ignoreWidth_ = new QCheckBox(U("全角半角を区別しない"), this);
    ignoreBlanks_ = new QCheckBox(U("改行と空白を無視"), this);

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("FindMessage"));
    message_->setStyleSheet(QStringLiteral("color: #c00000"));
    message_->setTextFormat(Qt::PlainText);
    message_->hide();

    replacement_ = new QLineEdit(this);
    replacement_->setObjectName(QStringLiteral("ReplaceText"));
    replacement_->setToolTip(U("置換後の文字列はそのまま挿入されます（正規表現でも"
                               "\\1 などの参照は使えません）"));
    replaceLabel_ = new QLabel(U("置換後(&W):"), this);
    replaceLabel_->setBuddy(replacement_);
    replace_ = new QPushButton(U("置換"), this);
    replaceAll_ = new QPushButton(U("すべて置換"), this);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    grid->addWidget(patternLabel, 0, 0);
    grid->addWidget(pattern_, 0, 1);
    grid->addWidget(next_, 0, 2);
    grid->addWidget(previous_, 0, 3);
    grid->addWidget(close, 0, 4);
    auto* options = new QHBoxLayout;
    for (QCheckBox* box : {matchCase_, wholeWord_, regexp_, fuzzy_})
        options->addWidget(box);
    options->addStretch();
    grid->addLayout(options, 1, 1, 1, 4);
    auto* moreOptions = new QHBoxLayout;
    moreOptions->addWidget(ignoreWidth_);
    moreOptions->addWidget(ignoreBlanks_);
    moreOptions->addStretch();
    moreOptions->addWidget(count_);
    grid->addLayout(moreOptions, 2, 1, 1, 4);
    grid->addWidget(message_, 3, 1, 1, 4);
    grid->addWidget(replaceLabel_, 4, 0);
    grid->addWidget(replacement_, 4, 1);
    grid->addWidget(replace_, 4, 2);
    grid->addWidget(replaceAll_, 4, 3);
    SetReplaceRowVisible(false);

    // Keys reach the combo box, which hands some on to its line edit; both are watched.
    pattern_->installEventFilter(this);
    pattern_->lineEdit()->installEventFilter(this);
    replacement_->installEventFilter(this);
    connect(pattern_, &QComboBox::editTextChanged, this, &TFindBar::QueryChanged);
    for (QCheckBox* box : {matchCase_, wholeWord_, regexp_, fuzzy_, ignoreWidth_, ignoreBlanks_})
        connect(box, &QCheckBox::toggled, this, [this] {
            UpdateEnabled();
            emit QueryChanged();
        });
    connect(next_, &QPushButton::clicked, this, &TFindBar::FindNextRequested);
    connect(previous_, &QPushButton::clicked, this, &TFindBar::FindPreviousRequested);
    connect(replace_, &QPushButton::clicked, this, &TFindBar::ReplaceRequested);
    connect(replaceAll_, &QPushButton::clicked, this, &TFindBar::ReplaceAllRequested);
    connect(close, &QToolButton::clicked, this, &TFindBar::CloseRequested);
    UpdateEnabled();
}

void TFindBar::UpdateEnabled() {
    // The line search knows no whole words, widths or blanks for a regular expression, and
    // fuzzy matching is a rewriting of one.
    const bool regexp = regexp_->isChecked();
    fuzzy_->setEnabled(regexp);
    for (QCheckBox* box : {wholeWord_, ignoreWidth_, ignoreBlanks_})
        box->setEnabled(!regexp);
}

TFindQuery TFindBar::Options() const {
    TFindQuery o;
    o.MatchCase = matchCase_->isChecked();
    o.WholeWord = wholeWord_->isChecked();
    o.Regexp = regexp_->isChecked();
    o.Fuzzy = fuzzy_->isChecked();
    o.IgnoreWidth = ignoreWidth_->isChecked();
    o.IgnoreBlanks = ignoreBlanks_->isChecked();
    return o;
}

TFindQuery TFindBar::Query() const {
    TFindQuery q = Options();
    q.Pattern = QStringToCp932(pattern_->currentText());
    q.Fuzzy = q.Fuzzy && q.Regexp;
    q.WholeWord = q.WholeWord && !q.Regexp;
    q.IgnoreWidth = q.IgnoreWidth && !q.Regexp;
    q.IgnoreBlanks = q.IgnoreBlanks && !q.Regexp;
    return q;
}

void TFindBar::SetOptions(const TFindQuery& options) {
    matchCase_->setChecked(options.MatchCase);
    wholeWord_->setChecked(options.WholeWord);
    regexp_->setChecked(options.Regexp);
    fuzzy_->setChecked(options.Fuzzy);
    ignoreWidth_->setChecked(options.IgnoreWidth);
    ignoreBlanks_->setChecked(options.IgnoreBlanks);
    UpdateEnabled();
}

void TFindBar::SetPattern(const QString& pattern) {
    pattern_->setEditText(pattern);
}

void TFindBar::SetHistory(const std::vector<std::string>& history) {
    const QString text = pattern_->currentText();
    const QSignalBlocker blocker(pattern_);
    pattern_->clear();
    for (const std::string& item : history)
        pattern_->addItem(Cp932ToQString(item));
    pattern_->setEditText(text);
}

std::string TFindBar::Replacement() const {
    return QStringToCp932(replacement_->text());
}

bool TFindBar::ReplaceRowVisible() const {
    return !replacement_->isHidden();
}

void TFindBar::SetReplaceRowVisible(bool visible) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{replaceLabel_, replacement_, replace_, replaceAll_})
        w->setVisible(visible);
}

void TFindBar::FocusPattern() {
    pattern_->setFocus();
    pattern_->lineEdit()->selectAll();
}

void TFindBar::ShowCount(int count) {
    count_->setText(U("%1 件").arg(count));
}

void TFindBar::ShowCounting() {
    count_->setText(U("数えています…"));
}

void TFindBar::ClearCount() {
    count_->clear();
}

QString TFindBar::CountText() const {
    return count_->text();
}

void TFindBar::ShowMessage(const QString& message) {
    message_->setText(message);
    message_->setVisible(!message.isEmpty());
}

QString TFindBar::Message() const {
    return message_->text();
}

bool TFindBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            emit CloseRequested();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (watched == replacement_)
                emit ReplaceRequested();
            else if (key->modifiers() & Qt::ShiftModifier)
                emit FindPreviousRequested();
            else
                emit FindNextRequested();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFindBar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        emit CloseRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace kes

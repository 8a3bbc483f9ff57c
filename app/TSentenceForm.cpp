#include "app/TSentenceForm.h"

#include "app/PhraseKeeping.h"
#include "toolkit/core/TStrings.h"
#include "toolkit/gui/QtText.h"
#include "toolkit/gui/TFont.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

#include <algorithm>
#include <optional>

namespace kes {

namespace {

constexpr int kDesignedHeight = 189;
constexpr int kItemHeight = 12;
constexpr int kFontHeight = 12;
// The message sits below the buttons, inside the raised border.
constexpr int kMessageTop = 184;
constexpr int kMargin = 8;

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QPushButton* MakeButton(QWidget* parent, const char* caption, int left, int top) {
    auto* button = new QPushButton(U(caption), parent);
    button->setGeometry(left, top, 53, 21);
    return button;
}

// The point moved so that a window of that size starting there stays inside the available area
// of the screen under the point.
QPoint OnScreen(QPoint point, QSize size) {
    QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return point;
    const QRect area = screen->availableGeometry();
    const int x = std::max(area.left(), std::min(point.x(), area.right() + 1 - size.width()));
    const int y = std::max(area.top(), std::min(point.y(), area.bottom() + 1 - size.height()));
    return {x, y};
}

} // namespace

TSentenceForm::TSentenceForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral(" "));
    TFont font;
    font.SetName("ＭＳ Ｐゴシック");
    font.SetHeight(kFontHeight);
    setFont(font.ToQFont());

    background_ = new QFrame(this);
    background_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    background_->setLineWidth(2);
    sEdit_ = new QLineEdit(background_);
    sEdit_->setGeometry(8, 4, 145, 20);
    addText_ = MakeButton(background_, "追加(&A)", 156, 4);
    addText_->setEnabled(false);
    sentenceList_ = new QListWidget(background_);
    sentenceList_->setGeometry(8, 28, 145, 129);
    sentenceList_->setUniformItemSizes(true);
    removeText_ = MakeButton(background_, "削除(&R)", 156, 32);
    removeText_->setEnabled(false);
    okBtn_ = MakeButton(background_, "OK", 44, 160);
    okBtn_->setDefault(true);
    cancelBtn_ = MakeButton(background_, "ｷｬﾝｾﾙ", 100, 160);
    message_ = new QLabel(background_);
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    message_->hide();
    resize(addText_->x(), kDesignedHeight);

    connect(sEdit_, &QLineEdit::textChanged, this, &TSentenceForm::SEditChange);
    connect(sentenceList_, &QListWidget::itemSelectionChanged, this,
            &TSentenceForm::SentenceListClick);
    connect(sentenceList_, &QListWidget::itemClicked, this, &TSentenceForm::SentenceListClick);
    connect(addText_, &QPushButton::clicked, this, &TSentenceForm::AddTextClick);
    connect(removeText_, &QPushButton::clicked, this, &TSentenceForm::RemoveTextClick);
    connect(okBtn_, &QPushButton::clicked, this, &TSentenceForm::OKBtnClick);
    connect(cancelBtn_, &QPushButton::clicked, this, &TSentenceForm::reject);
    sEdit_->installEventFilter(this);
    // Another program taking the focus cancels, like a click on another window of this one.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive)
                    Finish(false);
            });
}

void TSentenceForm::ShowPhrases(TStrings& list, QPoint screenPoint, bool editable,
                                TConfirm confirm) {
    Finish(false);
    editable_ = editable;
    list_ = editable ? &list : nullptr;
    confirm_ = std::move(confirm);
    sentenceList_->clear();
    for (int i = 0; i < list.Count(); ++i)
        AddItem(Cp932ToQString(list.Get(i)));
    sEdit_->clear();
    SEditChange();
    SentenceListClick();
    addText_->setVisible(editable);
    removeText_->setVisible(editable);
    // Wide enough for the side buttons to show, or narrow enough to cut them off.
    const int width = editable ? addText_->x() + addText_->width() / 6 * 7 : addText_->x();
    resize(width, height());
    FitHeight();
    move(OnScreen(screenPoint, size()));

    showing_ = true;
    show();
    raise();
    activateWindow();
    sEdit_->setFocus();
}

void TSentenceForm::reject() {
    Finish(false);
}

bool TSentenceForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate)
        Finish(false);
    return QDialog::event(event);
}

// Up and Down in the edit line move the list's selection; the focus stays in the edit line.
bool TSentenceForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sEdit_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers());
            QCoreApplication::sendEvent(sentenceList_, &copy);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TSentenceForm::resizeEvent(QResizeEvent* event) {
    background_->setGeometry(rect());
    QDialog::resizeEvent(event);
}

void TSentenceForm::SEditChange() {
    addText_->setEnabled(!sEdit_->text().isEmpty());
    okBtn_->setEnabled(addText_->isEnabled());
    ShowMessage({});
}

void TSentenceForm::SentenceListClick() {
    const QList<QListWidgetItem*> selected = sentenceList_->selectedItems();
    removeText_->setEnabled(!selected.isEmpty());
    if (!selected.isEmpty())
        sEdit_->setText(selected.first()->text());
}

// A phrase that the settings file would lose or alter is not added: it would be gone or
// different at the next start, and one looking like a section header would take every phrase
// after it along.
void TSentenceForm::AddTextClick() {
    const QString text = sEdit_->text();
    const std::string phrase = QStringToCp932(text);
    const std::optional<std::string> readBack = PhraseAsReadBack(phrase);
    if (!readBack) {
        ShowMessage(U("追加できません: 空、「;」で始まる、[ ] で囲まれた定型句は設定ファイルに"
                      "残りません"));
        return;
    }
    if (*readBack != phrase) {
        ShowMessage(U("追加できません: 設定ファイルには「%1」として残ります")
                        .arg(Cp932ToQString(*readBack)));
        return;
    }
    AddItem(text);
    sentenceList_->scrollToBottom();
}

void TSentenceForm::RemoveTextClick() {
    const QList<QListWidgetItem*> selected = sentenceList_->selectedItems();
    if (selected.isEmpty())
        return;
    {
        // The list would select the next phrase and put it into the edit line.
        const QSignalBlocker blocker(sentenceList_);
        delete selected.first();
        sentenceList_->clearSelection();
    }
    SentenceListClick();
}

void TSentenceForm::OKBtnClick() {
    Finish(true);
}

// The window hides before the callback runs, so that the window the callback works in (the
// editor's) gets the activation back. Closed from its own keys or buttons, it hands the
// activation back itself: without a window manager nobody else would, and the keyboard would
// reach no window at all.
void TSentenceForm::Finish(bool confirm) {
    if (!showing_)
        return;
    showing_ = false;
    const bool wasActive = isActiveWindow();
    if (list_) {
        list_->BeginUpdate();
        list_->Clear();
        for (int i = 0; i < sentenceList_->count(); ++i)
            list_->Add(QStringToCp932(sentenceList_->item(i)->text()));
        list_->EndUpdate();
        list_ = nullptr;
    }
    hide();
    if (wasActive && parentWidget())
        parentWidget()->window()->activateWindow();
    const TConfirm callback = std::move(confirm_);
    confirm_ = nullptr;
    if (confirm && callback)
        callback(QStringToCp932(sEdit_->text()));
}

void TSentenceForm::AddItem(const QString& text) {
    auto* item = new QListWidgetItem(text, sentenceList_);
    item->setSizeHint(QSize(0, kItemHeight));
}

void TSentenceForm::ShowMessage(const QString& text) {
    if (text == message_->text() && message_->isVisible() == !text.isEmpty())
        return;
    message_->setText(text);
    message_->setVisible(!text.isEmpty());
    FitHeight();
}

void TSentenceForm::FitHeight() {
    int h = kDesignedHeight;
    if (message_->isVisibleTo(this)) {
        const int w = width() - 2 * kMargin;
        const int textHeight = message_->heightForWidth(w);
        message_->setGeometry(kMargin, kMessageTop, w, textHeight);
        h = kMessageTop + textHeight + kMargin / 2;
    }
    resize(width(), h);
    if (isVisible())
        move(OnScreen(pos(), size()));
}

} // namespace kes

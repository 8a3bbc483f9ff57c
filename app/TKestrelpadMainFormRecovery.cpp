// The main window's recovery file: the text is kept beside the drafts while the program runs
// and when it closes, and a text an earlier run left is offered back at the next start.
#include "app/AppText.h"
#include "app/TKestrelpadMainForm.h"
#include "app/TRecoveryStore.h"
#include "app/TStatusPanels.h"
#include "editorex/TEditorExBase.h"
#include "textmodel/TEditorStrings.h"

namespace kes {

void TKestrelpadMainForm::StartRecovery() {
    recovery_ = std::make_unique<TRecoveryStore>(paths_.DraftFolder(), editor_);
    connect(recovery_.get(), &TRecoveryStore::WriteFailed, this,
            [this](const QString& message) { statusPanels_->SetText(0, message); });
    OfferRecovery();
}

// The newest earlier text that differs from what the editor shows; one that equals it is kept
// by this run's own file from now on and is discarded.
void TKestrelpadMainForm::OfferRecovery() {
    offeredRecovery_.clear();
    const std::string shown = Text();
    for (const QString& file : recovery_->Leftovers()) {
        std::string kept;
        try {
            kept = TRecoveryStore::Read(file);
        } catch (const std::exception&) {
            continue; // unreadable now: left for a later start
        }
        if (kept == shown) {
            recovery_->Discard(file);
            continue;
        }
        offeredRecovery_ = file;
        statusPanels_->SetText(0, U("前回のテキストがあります（ファイル→復元）"));
        return;
    }
}

void TKestrelpadMainForm::RestoreRecoveryExecute() {
    if (offeredRecovery_.isEmpty())
        return;
    if (editor_->Modified() && !Ask(U("文章があります。削除してもいいですか？")))
        return;
    const QString file = offeredRecovery_;
    ReplaceText(TRecoveryStore::Read(file));
    editor_->SetModified(true);
    recovery_->Discard(file);
    OfferRecovery();
    statusPanels_->SetText(0, U("前回のテキストを復元しました"));
}

void TKestrelpadMainForm::DiscardRecoveryExecute() {
    if (offeredRecovery_.isEmpty() || !Ask(U("前回のテキストを破棄してもいいですか？")))
        return;
    recovery_->Discard(offeredRecovery_);
    OfferRecovery();
    statusPanels_->SetText(0, U("前回のテキストを破棄しました"));
}

} // namespace kes

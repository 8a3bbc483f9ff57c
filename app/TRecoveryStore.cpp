#include "app/TRecoveryStore.h"

#include "editor/TEditor.h"
#include "textmodel/TEditorScreenStrings.h"
#include "toolkit/core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <limits>
#include <utility>

namespace kes {

TRecoveryStore::TRecoveryStore(const QString& folder, TEditor* editor, QObject* parent)
    : QObject(parent), folder_(folder), editor_(editor), recoveryFile_(folder) {
    delay_.setSingleShot(true);
    connect(&delay_, &QTimer::timeout, this, &TRecoveryStore::StartGathering);
    slice_.setInterval(0);
    connect(&slice_, &QTimer::timeout, this, &TRecoveryStore::GatherSlice);
}

TRecoveryStore::~TRecoveryStore() {
    if (worker_.joinable())
        worker_.join();
}

TRecoveryStore::TextVersion TRecoveryStore::Current() const {
    const TEditorScreenStrings& rows = editor_->ScreenStrings();
    return {&rows, rows.Version()};
}

bool TRecoveryStore::UpToDate() const {
    if (!editor_)
        return true;
    return hasWritten_ && written_ == Current();
}

void TRecoveryStore::TextChanged() {
    // A gathering copy notices the change itself; a running write schedules the next one when
    // it ends.
    if (Gathering() || worker_.joinable())
        return;
    Schedule();
}

void TRecoveryStore::Schedule() {
    if (!delay_.isActive()) {
        firstChange_.start();
        delay_.start(delayMs_);
        return;
    }
    // Steady typing moves the write on, but not for ever.
    if (firstChange_.elapsed() + delayMs_ <= qint64(delayMs_) * MaxDelayFactor)
        delay_.start(delayMs_);
}

void TRecoveryStore::StartGathering() {
    if (UpToDate())
        return;
    snapshot_ = {};
    slice_.start();
}

void TRecoveryStore::GatherSlice() {
    if (!editor_) {
        slice_.stop();
        return;
    }
    if (!snapshot_.Gather(editor_->ScreenStrings(), sliceBytes_))
        return;
    slice_.stop();
    StartWrite();
}

void TRecoveryStore::StartWrite() {
    writing_ = {&editor_->ScreenStrings(), snapshot_.Version()};
    workerDone_ = false;
    worker_ = std::thread([this, pieces = snapshot_.TakePieces()] {
        workerFailure_ = recoveryFile_.Write(pieces);
        workerDone_ = true;
        QMetaObject::invokeMethod(this, &TRecoveryStore::WorkerDone, Qt::QueuedConnection);
    });
}

void TRecoveryStore::WorkerDone() {
    // The notice of a write that WriteNow collected already must not wait for a later one.
    if (workerDone_)
        Collect();
}

void TRecoveryStore::Collect() {
    if (!worker_.joinable())
        return;
    worker_.join();
    Conclude(std::exchange(workerFailure_, {}), writing_);
    // A failed copy is tried again only once the text changes.
    if (editor_ && Current() != writing_)
        Schedule();
}

bool TRecoveryStore::Conclude(const QString& failure, TextVersion wrote) {
    file_ = recoveryFile_.Path();
    if (!failure.isEmpty()) {
        if (!std::exchange(failing_, true))
            emit WriteFailed(failure);
        return false;
    }
    failing_ = false;
    hasWritten_ = true;
    written_ = wrote;
    emit Written();
    return true;
}

bool TRecoveryStore::WriteNow() {
    Collect();
    delay_.stop();
    slice_.stop();
    if (UpToDate())
        return true;
    TTextSnapshot whole;
    whole.Gather(editor_->ScreenStrings(), std::numeric_limits<size_t>::max());
    return Conclude(recoveryFile_.Write(whole.TakePieces()), Current());
}

QStringList TRecoveryStore::Leftovers() {
    QStringList found;
    const QFileInfoList files =
        QDir(folder_).entryInfoList({TRecoveryFile::NameFilter()}, QDir::Files, QDir::Time);
    for (const QFileInfo& info : files) {
        const QString path = info.absoluteFilePath();
        if (path == file_)
            continue;
        std::unique_ptr<QLockFile> lock = TRecoveryFile::TryLock(path);
        if (!lock->isLocked())
            continue;
        if (info.size() == 0) {
            QFile::remove(path);
            continue;
        }
        found << path;
    }
    return found;
}

std::string TRecoveryStore::Read(const QString& file) {
    return LoadTextFile(QFile::encodeName(file).toStdString());
}

bool TRecoveryStore::Discard(const QString& file) {
    const QString path = QFileInfo(file).absoluteFilePath();
    if (path == file_)
        return false;
    std::unique_ptr<QLockFile> lock = TRecoveryFile::TryLock(path);
    if (!lock->isLocked())
        return false;
    return !QFileInfo::exists(path) || QFile::remove(path);
}

} // namespace kes

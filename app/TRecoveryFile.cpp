#include "app/TRecoveryFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <algorithm>

namespace kes {

namespace {

constexpr int MaxNameTries = 100;

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

TRecoveryFile::TRecoveryFile(const QString& folder)
    : folder_(folder),
      baseName_(
          QStringLiteral("Recovery-%1-%2")
              .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmsszzz")))
              .arg(QCoreApplication::applicationPid())) {}

TRecoveryFile::~TRecoveryFile() = default;

QString TRecoveryFile::NameFilter() {
    return QStringLiteral("Recovery-*.txt");
}

std::unique_ptr<QLockFile> TRecoveryFile::TryLock(const QString& file) {
    auto lock = std::make_unique<QLockFile>(file + QStringLiteral(".lock"));
    // Only a dead owner makes a lock stale: a live instance may keep its lock for days.
    lock->setStaleLockTime(0);
    lock->tryLock(0);
    return lock;
}

QString TRecoveryFile::Claim() {
    // The folder and the lock are checked at every write: someone may have removed them.
    if (!QDir().mkpath(folder_))
        return QString::fromUtf8("リカバリファイルのフォルダ %1 を作れません。")
            .arg(Shown(folder_));
    if (lock_ && QFileInfo::exists(lock_->fileName()))
        return {};
    lock_.reset();
    if (!path_.isEmpty()) {
        if (std::unique_ptr<QLockFile> lock = TryLock(path_); lock->isLocked()) {
            lock_ = std::move(lock);
            return {};
        }
    }
    QDir folder(folder_);
    for (int n = 0; n < MaxNameTries; ++n) {
        const QString name = n == 0 ? baseName_ : QStringLiteral("%1-%2").arg(baseName_).arg(n);
        const QString path = folder.absoluteFilePath(name + QStringLiteral(".txt"));
        if (QFileInfo::exists(path))
            continue;
        std::unique_ptr<QLockFile> lock = TryLock(path);
        if (!lock->isLocked()) {
            if (lock->error() == QLockFile::LockFailedError)
                continue;
            return QString::fromUtf8("リカバリファイル %1 のロックを作れません。").arg(Shown(path));
        }
        // Locked, but a file that appeared meanwhile is still someone else's.
        if (QFileInfo::exists(path))
            continue;
        path_ = path;
        lock_ = std::move(lock);
        return {};
    }
    return QString::fromUtf8("フォルダ %1 にリカバリファイルの名前を決められません。")
        .arg(Shown(folder_));
}

QString TRecoveryFile::Remove() {
    if (path_.isEmpty() || !QFileInfo::exists(path_))
        return {};
    QFile file(path_);
    if (!file.remove())
        return QString::fromUtf8("リカバリファイル %1 を削除できませんでした（%2）。")
            .arg(Shown(path_), file.errorString());
    return {};
}

QString TRecoveryFile::Write(const std::vector<std::string>& pieces) {
    if (std::all_of(pieces.begin(), pieces.end(), [](const std::string& p) { return p.empty(); }))
        return Remove();
    if (QString failure = Claim(); !failure.isEmpty())
        return failure;
    QSaveFile file(path_);
    auto fail = [&] {
        return QString::fromUtf8("リカバリファイル %1 に保存できませんでした（%2）。")
            .arg(Shown(path_), file.errorString());
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail();
    for (const std::string& piece : pieces)
        if (file.write(piece.data(), static_cast<qint64>(piece.size())) !=
            static_cast<qint64>(piece.size()))
            return fail();
    if (!file.commit())
        return fail();
    return {};
}

} // namespace kes

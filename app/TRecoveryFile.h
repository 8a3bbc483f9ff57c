#pragma once

#include <QString>

#include <memory>
#include <string>
#include <vector>

class QLockFile;

namespace kes {

// The recovery file of one running instance, and the lock beside it that marks it live. The
// name is this run's own: "Recovery-<start time>-<process id>.txt", with a count added when a
// file of that name is already there (it belongs to someone else and is never taken over).
// The folder is created, the name chosen and the lock taken at the first write. The lock goes
// with the object; the file stays, for the next run to find.
class TRecoveryFile {
public:
    explicit TRecoveryFile(const QString& folder);
    ~TRecoveryFile();
    TRecoveryFile(const TRecoveryFile&) = delete;
    TRecoveryFile& operator=(const TRecoveryFile&) = delete;

    // Replaces the file's content by the pieces, in order, atomically: on a failure the old
    // content stays. An empty text removes the file instead: there is nothing to keep. Returns
    // an empty string, or the message of what failed, naming the file.
    QString Write(const std::vector<std::string>& pieces);
    // The file, once the first write chose it; empty before.
    const QString& Path() const { return path_; }

    // The name pattern of every instance's recovery file.
    static QString NameFilter();
    // The lock of a recovery file, tried once: locked when no live instance holds it (a lock
    // left by a process that died is taken over).
    static std::unique_ptr<QLockFile> TryLock(const QString& file);

private:
    QString Claim();
    QString Remove();

    QString folder_;
    QString baseName_;
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace kes

#pragma once

#include "app/TRecoveryFile.h"
#include "app/TTextSnapshot.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <thread>

namespace kes {

class TEditor;
class TEditorScreenStrings;

// Keeps the text of an editor in a recovery file, so that neither a crash nor a close loses
// what the user wrote. A change is written a few seconds after the last one (and at the latest
// after MaxDelayFactor times that while the changes go on): the text is copied in slices over
// several turns of the event loop, so a long text never holds up typing, and a worker thread
// writes the copy. One write at a time; a change during a write makes another. Each instance
// has a file of its own (see TRecoveryFile); the files that earlier runs left are leftovers,
// which the store lists, reads and discards but never writes.
class TRecoveryStore : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultDelay = 3000;
    static constexpr int MaxDelayFactor = 5;
    static constexpr size_t DefaultSliceBytes = size_t(4) << 20;

    TRecoveryStore(const QString& folder, TEditor* editor, QObject* parent = nullptr);
    // Waits for a running write; releases the lock, the file stays.
    ~TRecoveryStore() override;

    // The editor's text changed: (re)starts the delay.
    void TextChanged();
    // Writes the text now and waits for it (the window's close); an empty text removes this
    // instance's file. Returns false when the write failed (reported as by a delayed write).
    bool WriteNow();

    // The files that earlier runs left in the folder, newest first. Empty ones are removed.
    QStringList Leftovers();
    // A leftover's text; raises EFileError when it cannot be read.
    static std::string Read(const QString& file);
    // Deletes a leftover and its lock; false when the file is this instance's own, is held by
    // a running instance, or cannot be deleted.
    bool Discard(const QString& file);

    // This instance's file; empty until the first write.
    const QString& File() const { return file_; }
    // Whether a copy of the text is being gathered.
    bool Gathering() const { return slice_.isActive(); }

    void SetDelay(int milliseconds) { delayMs_ = milliseconds; }
    // The bytes copied per turn of the event loop.
    void SetSliceBytes(size_t bytes) { sliceBytes_ = bytes; }

signals:
    void Written();
    // The first failure of a streak of failed writes; the next success ends the streak.
    void WriteFailed(const QString& message);

private:
    // What the file holds after a successful write: a version of a list of rows.
    struct TextVersion {
        const TEditorScreenStrings* rows = nullptr;
        uint64_t version = 0;
        bool operator==(const TextVersion&) const = default;
    };

    void Schedule();
    void StartGathering();
    void GatherSlice();
    void StartWrite();
    void WorkerDone();
    // Ends a running write: waits for the worker and reports its result.
    void Collect();
    bool Conclude(const QString& failure, TextVersion wrote);
    // Whether the file holds the editor's text (true when the editor is gone).
    bool UpToDate() const;
    TextVersion Current() const;

    QString folder_;
    QPointer<TEditor> editor_;
    TRecoveryFile recoveryFile_;
    QString file_;
    QTimer delay_;
    QTimer slice_;
    QElapsedTimer firstChange_;
    int delayMs_ = DefaultDelay;
    size_t sliceBytes_ = DefaultSliceBytes;
    TTextSnapshot snapshot_;
    std::thread worker_;
    // Set by the worker, read after joining it.
    QString workerFailure_;
    std::atomic<bool> workerDone_ = false;
    TextVersion writing_;
    TextVersion written_;
    bool hasWritten_ = false;
    bool failing_ = false;
};

} // namespace kes

#pragma once

#include "app/TFindQuery.h"
#include "app/TTextSnapshot.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <list>
#include <memory>
#include <thread>

namespace kes {

class TEditor;

// Counts the matches of a query in an editor's whole text without holding up the window: the
// text is copied in slices on the event loop (a changed text starts the copy again), and the
// copy is searched on a worker thread. A new count, Stop or the counter's end abandons the
// one running; an abandoned worker stops at the next line or match it reaches.
class TMatchCounter : public QObject {
    Q_OBJECT

public:
    explicit TMatchCounter(QObject* parent = nullptr);
    ~TMatchCounter() override;

    // Counts after delayMs, so that steady typing does not copy the text for every key.
    void Start(TEditor* editor, const TFindQuery& query, int delayMs = 0);
    void Stop();
    bool Counting() const { return editor_ != nullptr; }

    // The bytes copied per turn of the event loop.
    void SetSliceBytes(std::size_t bytes) { sliceBytes_ = bytes; }

signals:
    // The number of matches; -1 when the pattern is faulty.
    void Counted(int count);

private:
    struct TJob {
        std::thread worker;
        std::atomic<bool> abandoned = false;
        std::atomic<bool> done = false;
    };

    void GatherSlice();
    void StartWorker();
    void WorkerDone(std::uint64_t generation, int count);
    // Joins the workers that have ended.
    void Reap();

    TEditor* editor_ = nullptr;
    TFindQuery query_;
    TTextSnapshot snapshot_;
    QTimer delay_;
    QTimer slice_;
    std::size_t sliceBytes_ = std::size_t(4) << 20;
    std::uint64_t generation_ = 0;
    std::list<std::unique_ptr<TJob>> jobs_;
};

} // namespace kes

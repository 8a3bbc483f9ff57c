#include "app/TMatchCounter.h"

#include "editor/TEditor.h"
#include "regexp/ERegExpParser.h"

#include <string>
#include <utility>
#include <vector>

namespace kes {

TMatchCounter::TMatchCounter(QObject* parent) : QObject(parent) {
    slice_.setInterval(0);
    connect(&slice_, &QTimer::timeout, this, &TMatchCounter::GatherSlice);
    delay_.setSingleShot(true);
    connect(&delay_, &QTimer::timeout, &slice_, qOverload<>(&QTimer::start));
}

TMatchCounter::~TMatchCounter() {
    Stop();
    for (const std::unique_ptr<TJob>& job : jobs_)
        job->worker.join();
}

void TMatchCounter::Start(TEditor* editor, const TFindQuery& query, int delayMs) {
    Stop();
    editor_ = editor;
    query_ = query;
    snapshot_ = {};
    delay_.start(delayMs);
}

void TMatchCounter::Stop() {
    ++generation_;
    editor_ = nullptr;
    delay_.stop();
    slice_.stop();
    for (const std::unique_ptr<TJob>& job : jobs_)
        job->abandoned = true;
    Reap();
}

void TMatchCounter::GatherSlice() {
    if (!editor_) {
        slice_.stop();
        return;
    }
    if (!snapshot_.Gather(editor_->ScreenStrings(), sliceBytes_))
        return;
    slice_.stop();
    StartWorker();
}

void TMatchCounter::StartWorker() {
    Reap();
    auto job = std::make_unique<TJob>();
    TJob* running = job.get();
    running->worker = std::thread([this, running, generation = generation_, query = query_,
                                   pieces = snapshot_.TakePieces()]() mutable {
        std::string text;
        std::size_t size = 0;
        for (const std::string& piece : pieces)
            size += piece.size();
        text.reserve(size);
        for (std::string& piece : pieces)
            text += std::exchange(piece, {});
        int count = 0;
        try {
            ForEachMatch(
                text, query,
                [&count](std::size_t, std::size_t) {
                    ++count;
                    return true;
                },
                &running->abandoned);
        } catch (const ERegExpParser&) {
            count = -1;
        }
        if (!running->abandoned)
            QMetaObject::invokeMethod(
                this, [this, generation, count] { WorkerDone(generation, count); },
                Qt::QueuedConnection);
        running->done = true;
    });
    jobs_.push_back(std::move(job));
}

void TMatchCounter::WorkerDone(std::uint64_t generation, int count) {
    Reap();
    if (generation != generation_ || !editor_)
        return;
    editor_ = nullptr;
    emit Counted(count);
}

void TMatchCounter::Reap() {
    for (auto it = jobs_.begin(); it != jobs_.end();) {
        if ((*it)->done) {
            (*it)->worker.join();
            it = jobs_.erase(it);
        } else {
            ++it;
        }
    }
}

} // namespace kes

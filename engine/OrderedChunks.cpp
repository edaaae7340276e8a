#include "OrderedChunks.h"

#include <QAtomicInt>
#include <QMutex>
#include <QThread>
#include <QVector>
#include <QWaitCondition>

#include <exception>
#include <memory>

namespace {

struct Shared
{
    const int count;
    const std::function<void(int)> &build;
    QVector<char> done; // per chunk; guarded by mutex
    QAtomicInt next{0};
    QAtomicInt stop{0};
    QMutex mutex;
    QWaitCondition finished;
    std::exception_ptr helperError;

    Shared(int n, const std::function<void(int)> &b) : count(n), build(b), done(n, 0) {}

    // The next chunk nobody builds yet; -1 when there is none.
    int claim()
    {
        if (stop.loadRelaxed())
            return -1;
        const int k = next.fetchAndAddRelaxed(1);
        return k < count ? k : -1;
    }

    void buildAndMark(int k)
    {
        build(k);
        QMutexLocker lock(&mutex);
        done[k] = 1;
        finished.wakeAll();
    }

    void helper()
    {
        try {
            for (int k = claim(); k >= 0; k = claim())
                buildAndMark(k);
        } catch (...) {
            QMutexLocker lock(&mutex);
            helperError = std::current_exception();
            stop.storeRelaxed(1);
            finished.wakeAll();
        }
    }
};

// Stops and joins the helper however the calling thread leaves.
struct HelperGuard
{
    Shared &shared;
    std::unique_ptr<QThread> thread;
    ~HelperGuard()
    {
        if (!thread)
            return;
        shared.stop.storeRelaxed(1);
        thread->wait();
    }
};

} // namespace

void OrderedChunks::run(int count, const std::function<void(int)> &build,
                        const std::function<void(int)> &take)
{
    if (count <= 0)
        return;
    Shared shared(count, build);
    HelperGuard guard{shared, nullptr};
    if (count > 1 && QThread::idealThreadCount() > 1) {
        guard.thread.reset(QThread::create([&shared] { shared.helper(); }));
        guard.thread->start();
    }
    for (int taken = 0; taken < count; ++taken) {
        for (;;) {
            {
                QMutexLocker lock(&shared.mutex);
                if (shared.helperError)
                    std::rethrow_exception(shared.helperError);
                if (shared.done.at(taken))
                    break;
            }
            // Rather than wait, build a chunk of its own, unless too far ahead.
            if (shared.next.loadRelaxed() - taken < MaxAhead) {
                const int k = shared.claim();
                if (k >= 0) {
                    shared.buildAndMark(k);
                    continue;
                }
            }
            QMutexLocker lock(&shared.mutex);
            while (!shared.done.at(taken) && !shared.helperError)
                shared.finished.wait(&shared.mutex);
        }
        take(taken);
    }
}

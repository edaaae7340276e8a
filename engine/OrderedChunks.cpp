#include "OrderedChunks.h"

#include <QAtomicInt>
#include <QMutex>
#include <QThread>
#include <QVector>
#include <QWaitCondition>

#include <exception>
#include <memory>
#include <vector>

namespace {

struct Shared
{
    const int count;
    const int maxAhead;
    const std::function<void(int)> &build;
    QVector<char> done; // per chunk; guarded by mutex
    QAtomicInt next{0};
    int taken = 0;     // guarded by mutex
    bool stop = false; // guarded by mutex
    QMutex mutex;
    QWaitCondition changed;
    std::exception_ptr helperError;

    Shared(int n, int ahead, const std::function<void(int)> &b)
        : count(n), maxAhead(ahead), build(b), done(n, 0)
    {}

    // The next chunk nobody builds yet; -1 when there is none.
    int claim()
    {
        const int k = next.fetchAndAddRelaxed(1);
        return k < count ? k : -1;
    }

    void buildAndMark(int k)
    {
        build(k);
        QMutexLocker lock(&mutex);
        done[k] = 1;
        changed.wakeAll();
    }

    void helper()
    {
        try {
            for (;;) {
                {
                    QMutexLocker lock(&mutex);
                    while (!stop && next.loadRelaxed() - taken >= maxAhead)
                        changed.wait(&mutex);
                    if (stop)
                        return;
                }
                const int k = claim();
                if (k < 0)
                    return;
                buildAndMark(k);
            }
        } catch (...) {
            QMutexLocker lock(&mutex);
            helperError = std::current_exception();
            stop = true;
            changed.wakeAll();
        }
    }
};

// Stops and joins the helpers however the calling thread leaves.
struct Helpers
{
    Shared &shared;
    std::vector<std::unique_ptr<QThread>> threads;
    ~Helpers()
    {
        {
            QMutexLocker lock(&shared.mutex);
            shared.stop = true;
            shared.changed.wakeAll();
        }
        for (const auto &thread : threads)
            thread->wait();
    }
};

} // namespace

void OrderedChunks::run(int count, const std::function<void(int)> &build,
                        const std::function<void(int)> &take, int maxAhead)
{
    if (count <= 0)
        return;
    Shared shared(count, qMax(1, maxAhead), build);
    Helpers helpers{shared, {}};
    const int helperCount = qMin(count, QThread::idealThreadCount()) - 1;
    for (int t = 0; t < helperCount; ++t) {
        helpers.threads.emplace_back(QThread::create([&shared] { shared.helper(); }));
        helpers.threads.back()->start();
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
            if (shared.next.loadRelaxed() - taken < shared.maxAhead) {
                const int k = shared.claim();
                if (k >= 0) {
                    shared.buildAndMark(k);
                    continue;
                }
            }
            QMutexLocker lock(&shared.mutex);
            while (!shared.done.at(taken) && !shared.helperError)
                shared.changed.wait(&shared.mutex);
        }
        take(taken);
        QMutexLocker lock(&shared.mutex);
        shared.taken = taken + 1;
        shared.changed.wakeAll();
    }
}

void OrderedChunks::runAll(int count, const std::function<void(int)> &build)
{
    run(
        count, build, [](int) {}, count);
}

#include "statement/PageDocuments.h"

#include <QMutex>
#include <QTextDocument>
#include <QThread>
#include <QWaitCondition>

#include <deque>
#include <new>

namespace {

// Pages made ahead of the painting: enough to keep both threads busy.
constexpr int Ahead = 8;

} // namespace

struct PageDocuments::Shared
{
    int count = 0;
    Make make;
    QThread *owner = nullptr; // the thread that takes the documents
    QMutex mutex;
    QWaitCondition changed;
    std::deque<std::unique_ptr<QTextDocument>> ready;
    bool stop = false;
    bool outOfMemory = false;
    bool finished = false; // the making thread is done
    std::unique_ptr<QThread> thread;

    void run()
    {
        for (int page = 0; page < count; ++page) {
            {
                QMutexLocker lock(&mutex);
                while (!stop && int(ready.size()) >= Ahead)
                    changed.wait(&mutex);
                if (stop)
                    break;
            }
            std::unique_ptr<QTextDocument> document;
            try {
                document = make(page);
                document->moveToThread(owner);
            } catch (const std::bad_alloc &) {
                QMutexLocker lock(&mutex);
                outOfMemory = true;
                break;
            }
            QMutexLocker lock(&mutex);
            ready.push_back(std::move(document));
            changed.wakeAll();
        }
        QMutexLocker lock(&mutex);
        finished = true;
        changed.wakeAll();
    }
};

PageDocuments::PageDocuments(int count, Make make) : shared_(std::make_unique<Shared>())
{
    shared_->count = count;
    shared_->make = std::move(make);
    shared_->owner = QThread::currentThread();
    Shared *shared = shared_.get();
    shared_->thread.reset(QThread::create([shared] { shared->run(); }));
    shared_->thread->start();
}

PageDocuments::~PageDocuments()
{
    {
        QMutexLocker lock(&shared_->mutex);
        shared_->stop = true;
        shared_->changed.wakeAll();
    }
    shared_->thread->wait();
    shared_->ready.clear();
}

std::unique_ptr<QTextDocument> PageDocuments::take()
{
    QMutexLocker lock(&shared_->mutex);
    while (shared_->ready.empty() && !shared_->finished)
        shared_->changed.wait(&shared_->mutex);
    if (shared_->ready.empty()) {
        if (shared_->outOfMemory)
            throw std::bad_alloc();
        return nullptr;
    }
    std::unique_ptr<QTextDocument> document = std::move(shared_->ready.front());
    shared_->ready.pop_front();
    shared_->changed.wakeAll();
    return document;
}

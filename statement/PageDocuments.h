#pragma once

#include <functional>
#include <memory>

class QTextDocument;

// Makes the rich-text documents of the pages on a thread of its own, a few
// pages ahead of the painting, and hands them over in page order. make runs on
// that thread and must only import text: laying out and painting stay with
// the thread that takes the documents, which owns them from then on.
class PageDocuments
{
public:
    using Make = std::function<std::unique_ptr<QTextDocument>(int page)>;

    PageDocuments(int count, Make make);
    // Stops the making thread and drops what it made and nobody took.
    ~PageDocuments();
    PageDocuments(const PageDocuments &) = delete;
    PageDocuments &operator=(const PageDocuments &) = delete;

    // The document of the next page; waits for it. Throws std::bad_alloc when
    // making it ran out of memory.
    std::unique_ptr<QTextDocument> take();

private:
    struct Shared;
    std::unique_ptr<Shared> shared_;
};

#pragma once

#include "settings/CompanyInfo.h"
#include "settings/StatementOptions.h"
#include "statement/StatementList.h"

#include <QFont>
#include <QString>
#include <functional>
#include <memory>

class PendingFile;
class QIODevice;

// Paints the statement list into a PDF file, one A4 page per record.
class StatementWriter
{
public:
    StatementWriter(const StatementList &statements, const StatementOptions &options,
                    const CompanyInfo &company);

    // Called after each page, and once more after the file is written.
    void setProgressCallback(std::function<void()> callback);
    // Called once, before the file is written ("Saving PDF file...").
    void setSavingCallback(std::function<void()> callback);

    ~StatementWriter();
    StatementWriter(const StatementWriter &) = delete;
    StatementWriter &operator=(const StatementWriter &) = delete;

    // Paints every page and writes the file beside pdfPath, not yet in its
    // place (a FIFO there takes it at once); false when it cannot be
    // written, with errorString() when the system said why.
    bool prepare(const QString &pdfPath);
    // Puts the prepared file in the place of pdfPath, replacing an older one
    // atomically; false when that fails, and then the older one stays.
    bool commit();
    // The prepared file, for a caller that replaces several files together;
    // null before prepare() succeeded.
    PendingFile *pendingFile() const { return file_.get(); }
    QString errorString() const { return error_; }
    // Both steps at once; the PDF is never left half-written.
    bool writeStatement(const QString &pdfPath);

    // The most product lines a page can show, whatever their text: the rest
    // of an order's lines are cut off at the bottom of the page.
    static int lineLimit();

private:
    // Paints every page into device; false when painting failed. intended
    // then tells the characters behind the file's text maps.
    bool paint(QIODevice &device, std::function<ushort(ushort)> &intended);

    const StatementList &statements_;
    StatementOptions options_;
    CompanyInfo company_;
    std::function<void()> progress_;
    std::function<void()> saving_;
    std::unique_ptr<PendingFile> file_;
    QString error_;
};

#include "statement/StatementWriter.h"

#include "csv/FileReplacement.h"
#include "csv/PendingFile.h"
#include "settings/StatementField.h"
#include "statement/DrawnCharacters.h"
#include "statement/PageDocuments.h"
#include "statement/PageLines.h"
#include "statement/PdfTextMapRepair.h"
#include "statement/StatementFont.h"
#include "statement/StatementMarkup.h"

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>
#include <QTextDocument>

namespace {

// Company lines in the order of the company flags.
enum CompanyLine
{
    CompanyNameLine,
    StoreNameLine,
    PostCodeLine,
    AddressLine,
    StoreSiteLine,
    TelLine,
    FaxLine,
    EmailLine
};

// Company value codes (the CompanyInfo keys in code order).
enum CompanyCode
{
    NameCode,
    StoreNameCode,
    StoreSiteCode,
    PostCodeCode,
    AddressCode,
    TelCode,
    FaxCode,
    EmailCode
};

QString companyText(const StatementList &statements, const CompanyInfo &company)
{
    const auto on = [&](CompanyLine line) { return statements.companyFlag(line); };
    const QString lineEnd = QStringLiteral("\n");
    QString text;
    if (on(StoreNameLine) || on(StoreSiteLine) || on(CompanyNameLine)) {
        if (on(StoreNameLine))
            text += company.value(StoreNameCode) + lineEnd;
        if (on(StoreSiteLine))
            text += company.value(StoreSiteCode) + lineEnd;
        if (on(CompanyNameLine))
            text += company.value(NameCode) + lineEnd;
        text += lineEnd;
    }
    if (on(PostCodeLine) || on(AddressLine)) {
        if (on(PostCodeLine))
            text += QStringLiteral("〒 ") + company.value(PostCodeCode) + lineEnd;
        if (on(AddressLine))
            text += company.value(AddressCode) + lineEnd;
        text += lineEnd;
    }
    if (on(TelLine))
        text += QStringLiteral("TEL : ") + company.value(TelCode) + lineEnd;
    if (on(FaxLine))
        text += QStringLiteral("FAX : ") + company.value(FaxCode) + lineEnd;
    if (on(EmailLine))
        text += QStringLiteral("E-Mail : ") + company.value(EmailCode) + lineEnd;
    return text;
}

QString recipientText(const StatementList &statements, const StatementRecord &record)
{
    QString text;
    if (statements.isPrinted(StatementFields::PostCode))
        text += QStringLiteral("〒 ") + record.postCode + QStringLiteral("\n");
    if (statements.isPrinted(StatementFields::Address))
        text += record.address + QStringLiteral("\n");
    if (statements.isPrinted(StatementFields::Name))
        text += QStringLiteral("\n") + record.name;
    return text;
}

QFont sizedFont(const QFont &base, int pixelSize, int weight)
{
    QFont font = base;
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

// A PDF that was cut short lacks its closing trailer.
bool isCompletePdf(const QByteArray &pdf)
{
    return pdf.size() >= 16 && pdf.right(64).contains("%%EOF");
}

// The page is laid out in screen pixels, so text sizes in pixels look on paper
// as they do on the screen.
int screenResolution()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchY()) : 96;
}

} // namespace

StatementWriter::StatementWriter(const StatementList &statements, const StatementOptions &options,
                                 const CompanyInfo &company)
    : statements_(statements), options_(options), company_(company)
{}

StatementWriter::~StatementWriter() = default;

void StatementWriter::setProgressCallback(std::function<void()> callback)
{
    progress_ = std::move(callback);
}

void StatementWriter::setSavingCallback(std::function<void()> callback)
{
    saving_ = std::move(callback);
}

int StatementWriter::lineLimit()
{
    // Rows of the least height over the whole paper, more than the body holds.
    const int paper = QPageSize(QPageSize::A4).sizePixels(screenResolution()).height();
    return paper / StatementMarkup::MinimumRowHeight + 1;
}

bool StatementWriter::writeStatement(const QString &pdfPath)
{
    return prepare(pdfPath) && commit();
}

bool StatementWriter::prepare(const QString &pdfPath)
{
    file_.reset();
    error_.clear();
    // Fonts and painting need the GUI application object.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()) || pdfPath.isEmpty())
        return false;
    const QFileInfo target(pdfPath);
    if (target.isDir())
        return false;

    // The text maps are mended on the whole file, so it is made in memory;
    // it replaces the target only once it is complete, atomically, so a failed
    // write never leaves a truncated statement behind nor loses the previous one.
    QByteArray pdf;
    PdfTextMapRepair::Resolver intended;
    {
        QBuffer buffer(&pdf);
        if (!buffer.open(QIODevice::WriteOnly) || !paint(buffer, intended))
            return false;
    }
    if (!isCompletePdf(pdf))
        return false;
    PdfTextMapRepair::repair(pdf, intended);
    auto file = std::make_unique<PendingFile>(target.absoluteFilePath());
    if (!file->open() || file->file().write(pdf) != pdf.size() || !file->finish()) {
        error_ = file->errorString().isEmpty() ? file->file().errorString() : file->errorString();
        return false;
    }
    file_ = std::move(file);
    return true;
}

bool StatementWriter::commit()
{
    if (!file_)
        return false;
    bool committed = file_->isDirect();
    if (!committed) {
        FileReplacement replacement;
        replacement.add(file_->stagedPath(), file_->target());
        committed = replacement.commit();
        error_ = replacement.errorString();
    }
    file_.reset();
    if (committed && progress_)
        progress_();
    return committed;
}

bool StatementWriter::paint(QIODevice &device, std::function<ushort(ushort)> &intended)
{
    QPdfWriter printer(&device);
    const int resolution = screenResolution();
    printer.setResolution(resolution);
    printer.setPageSize(QPageSize(QPageSize::A4));

    const QRect page = printer.pageLayout().paintRectPixels(resolution);
    const QRect paper = printer.pageLayout().fullRectPixels(resolution);
    const int W = page.width();
    const int H = page.height();
    const int P = paper.height();
    const int Y = P / 3 - (P - H) / 2 + 2;

    const QFont font = statementFont(options_.font);
    const QFont titleFont = sizedFont(font, 28, QFont::Bold);
    const QFont textFont = sizedFont(font, 12, QFont::Normal);
    const QFont noticeFont = sizedFont(font, 10, QFont::Normal);
    const QString company = companyText(statements_, company_);
    const StatementMarkup markup(statements_, font.family());
    DrawnCharacters drawn;
    for (const QString &text : {options_.title, company, options_.ment, options_.comment})
        drawn.add(text);

    QPen framePen(Qt::black);
    framePen.setWidthF(0.5);
    QPen foldPen(Qt::black);
    foldPen.setWidth(1);
    foldPen.setStyle(Qt::DashDotLine);

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const int count = statements_.count();
    const int bodyHeight = H - Y - 80;
    const PageLines lines(markup, PageLines::rowHeight(font), bodyHeight);
    const auto makeDocument = [&](const StatementRecord &record, int lineCount,
                                  const QFont &documentFont) {
        auto document = std::make_unique<QTextDocument>();
        document->setDefaultFont(documentFont);
        document->setDefaultStyleSheet(markup.styleSheet());
        document->setHtml(markup.body(record, lineCount));
        return document;
    };
    // The pages' rich text is read on a thread of its own while the pages
    // before are painted; that thread has a font and the markup to itself.
    const QFont documentFont = statementFont(options_.font);
    PageDocuments documents(count, [&](int i) {
        const StatementRecord &record = statements_.at(i);
        return makeDocument(record, lines.first(record), documentFont);
    });
    for (int i = 0; i < count; ++i) {
        const StatementRecord &record = statements_.at(i);

        painter.setPen(framePen);
        painter.drawRect(QRect(QPoint(0, 0), QPoint(W - 1, H - 1)));
        painter.drawLine(0, 40, W, 40);
        painter.drawLine(0, H - 80, W, H - 80);

        painter.setPen(foldPen);
        painter.drawLine(0, Y, W, Y);

        painter.setFont(titleFont);
        painter.drawText(QRect(QPoint(0, 0), QPoint(W - 1, 39)), Qt::AlignCenter, options_.title);

        painter.setFont(textFont);
        painter.drawText(QRect(QPoint(W / 2 + 25, 150), QPoint(2 * (W / 2) - 51, 319)),
                         Qt::TextWordWrap, company);
        const QString recipient = recipientText(statements_, record);
        drawn.add(recipient);
        painter.drawText(QRect(QPoint(50, 80), QPoint(W / 2 - 26, 189)), Qt::TextWordWrap,
                         recipient);
        painter.drawText(QRect(QPoint(50, 210), QPoint(W / 2 - 26, 319)),
                         Qt::TextWordWrap | Qt::AlignBottom, options_.ment);

        std::unique_ptr<QTextDocument> document = documents.take();
        if (!document) {
            painter.end();
            return false;
        }
        document->setTextWidth(W - 20);
        // Rarely the first lines do not reach the bottom: more are built here.
        for (int lineCount = lines.first(record);
             (lineCount = lines.more(record, lineCount, *document)) > 0;) {
            document = makeDocument(record, lineCount, font);
            document->setTextWidth(W - 20);
        }
        drawn.add(document->toPlainText());
        painter.translate(10, Y);
        document->drawContents(&painter, QRectF(0, 0, W - 20, bodyHeight));
        painter.translate(-10, -Y);

        painter.setFont(noticeFont);
        painter.drawText(QRect(QPoint(0, H - 80), QPoint(W - 1, H - 1)),
                         Qt::AlignCenter | Qt::TextWordWrap, options_.comment);
        if (progress_)
            progress_();
        if (i + 1 < count && !printer.newPage()) {
            painter.end();
            return false;
        }
    }
    if (saving_)
        saving_();
    if (!painter.end())
        return false;
    intended = drawn.resolver({textFont, titleFont});
    return true;
}

#include "updater/UpdateDialog.h"

#include "editors/QtDesktop.h"
#include "ui_UpdateDialog.h"
#include "updater/StalledTransfer.h"
#include "updater/UpdateFileName.h"
#include "updater/UpdateInstallation.h"
#include "updater/UpdateServer.h"
#include "updater/VersionFetch.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMovie>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTemporaryDir>
#include <climits>

// Outside any namespace, as Q_INIT_RESOURCE requires.
static void initUpdaterResources()
{
    Q_INIT_RESOURCE(updater);
}

namespace {

// Release notes longer than this are cut: a plain-text box lays out a huge
// line for seconds, and no real note is that long.
constexpr int NotesLimit = 64 * 1024;

QString mainProgramName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("Rowsmith.exe");
#else
    return QStringLiteral("Rowsmith");
#endif
}

} // namespace

UpdateDialog::UpdateDialog(QWidget *parent)
    : UpdateDialog(std::make_unique<QtDesktop>(), UpdateOptions(), parent)
{}

UpdateDialog::UpdateDialog(std::unique_ptr<Desktop> desktop, const UpdateOptions &options,
                           QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::UpdateDialog>()), desktop_(std::move(desktop)),
      options_(options), programFolder_(QCoreApplication::applicationDirPath()),
      workingFolder_(QDir::currentPath())
{
    initUpdaterResources();
    ui->setupUi(this);
    setFixedSize(440, 350);

    loading_ = new QMovie(QStringLiteral(":/images/loading.gif"), QByteArray(), this);
    connect(loading_, &QMovie::frameChanged, this, &UpdateDialog::updateLoadingImage);
    loading_->start();

    fetch_ = new VersionFetch(options_, this);
    connect(fetch_, &VersionFetch::finished, this, &UpdateDialog::readXML);
    fetch_->start(UpdateServer::versionDocumentUrl());
}

UpdateDialog::~UpdateDialog() = default;

void UpdateDialog::setCurrentVersion(const QString &version)
{
    currentVersion_ = version;
}

void UpdateDialog::setProgramFolder(const QString &folder)
{
    programFolder_ = folder;
}

void UpdateDialog::updateLoadingImage()
{
    ui->loadingLabel->setPixmap(loading_->currentPixmap());
}

void UpdateDialog::readXML()
{
    loading_->stop();
    if (fetch_->outcome() == VersionFetch::Unverified) {
        showVersionFailure(tr("The version information from the server could not be verified."));
        return;
    }
    const VersionDocument &document = fetch_->document();
    if (fetch_->outcome() != VersionFetch::Fetched || document.version.isEmpty()) {
        showVersionFailure(tr("Failed to retrieve version information from the server."));
        return;
    }
    latestVersion_ = document.version;
    if (!isNewerVersion(latestVersion_, currentVersion_)) {
        ui->versionCheckLabel->setText(tr("You are using latest version of Rowsmith."));
        ui->loadingLabel->hide();
        return;
    }
    ui->currentVersionLabel->setText(currentVersion_);
    ui->latestVersionLabel->setText(latestVersion_);
    QString notes = document.info;
    if (notes.size() > NotesLimit) {
        const int cut = notes.at(NotesLimit - 1).isHighSurrogate() ? NotesLimit - 1 : NotesLimit;
        notes = notes.left(cut) + QStringLiteral("\n\n") +
                tr("(The release notes are longer; the rest is not shown.)");
    }
    ui->plainTextEdit->setPlainText(notes);
    files_ = document.files;
    ui->stackedWidget->setCurrentWidget(ui->page_1);
}

void UpdateDialog::showVersionFailure(const QString &message)
{
    ui->versionCheckLabel->setText(message);
    ui->loadingLabel->hide();
}

void UpdateDialog::on_updateButton_clicked()
{
    // Every update starts from the whole list, also after a cancel.
    if (files_.isEmpty())
        return;
    pending_ = files_;
    downloaded_.clear();
    ui->statusLabel->setText(tr("Start updating..."));
    ui->resultLabel->clear();
    ui->unitProgressBar->setValue(0);
    ui->totalProgressBar->setMaximum(2 * pending_.size()); // one step to download, one to copy
    ui->totalProgressBar->setValue(0);
    ui->cancelButton->setEnabled(true);
    ui->doneButton->setEnabled(false);
    ui->stackedWidget->setCurrentWidget(ui->page_2);

    // The server names the paths we write to: refuse the update before a
    // single byte is written if any of them could leave our folders.
    for (const UpdateFile &file : qAsConst(pending_)) {
        if (!isSafeUpdateFileName(file.name)) {
            failUpdate(tr("Invalid file name in version information: '%1'").arg(file.name));
            return;
        }
    }
    // A new folder that only this user may enter, under a name nobody knows
    // beforehand: nobody else can plant a link in it or swap a file there.
    temporaryFolder_ = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                                       QStringLiteral("/RowsmithUpdate-XXXXXX"));
    if (!temporaryFolder_->isValid()) {
        failUpdate(tr("Cannot create folder in temp folder"));
        return;
    }
    downloadNext();
}

void UpdateDialog::downloadNext()
{
    if (pending_.isEmpty()) {
        replaceFiles();
        return;
    }
    downloading_ = pending_.takeFirst();
    downloadFile(downloading_);
}

void UpdateDialog::downloadFile(const UpdateFile &file)
{
    ui->statusLabel->setText(tr("Downloading file '%1'...").arg(file.name));
    ui->unitProgressBar->setValue(0);
    // A fresh manager per file: a connection left by an aborted transfer is
    // never reused.
    if (downloads_)
        downloads_->deleteLater();
    downloads_ = new QNetworkAccessManager(this);
    reply_ =
        downloads_->get(QNetworkRequest(UpdateServer::updateFileUrl(latestVersion_, file.name)));
    abortWhenStalled(reply_, options_.stallTimeoutMs);
    connect(reply_, &QNetworkReply::downloadProgress, this, &UpdateDialog::updateDownloadProgress);
    connect(reply_, &QNetworkReply::finished, this, &UpdateDialog::saveFile);
}

void UpdateDialog::updateDownloadProgress(qint64 bytesReceived, qint64 bytesTotal)
{
    if (bytesTotal <= 0)
        return; // size unknown yet; the end reports it
    const double scale = bytesTotal > INT_MAX ? double(INT_MAX) / double(bytesTotal) : 1.0;
    ui->unitProgressBar->setMaximum(int(double(bytesTotal) * scale));
    ui->unitProgressBar->setValue(int(double(bytesReceived) * scale));
}

void UpdateDialog::saveFile()
{
    QNetworkReply *reply = reply_;
    if (!reply || sender() != reply)
        return;
    reply_ = nullptr;
    reply->deleteLater();
    const QString name = downloading_.name;

    // A failed or broken-off transfer must never be installed, whatever part
    // of the file it delivered.
    if (reply->error() != QNetworkReply::NoError) {
        const QString reason =
            stalled(reply) ? tr("The server stopped responding.") : reply->errorString();
        failUpdate(tr("Failed to download file '%1': %2").arg(name, reason));
        return;
    }
    const QByteArray body = reply->readAll();
    reply->close();
    if (body.isEmpty()) {
        failUpdate(tr("Failed to save downloaded file '%1'").arg(name));
        return;
    }
    if (!storeDownload(body))
        return;
    ui->totalProgressBar->setValue(ui->totalProgressBar->value() + 1);
    downloadNext();
}

bool UpdateDialog::storeDownload(const QByteArray &body)
{
    const QString name = downloading_.name;
    const QByteArray sha256 = QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex();
    if (downloading_.sha256 && sha256 != *downloading_.sha256) {
        failUpdate(tr("Downloaded file '%1' is damaged.").arg(name));
        return false;
    }
    const QString path = temporaryFolder_->filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath()); // a failure fails the opening below
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        failUpdate(tr("Failed to create temporary file '%1'").arg(name));
        return false;
    }
    if (file.write(body) != body.size() || !file.flush()) {
        file.close();
        file.remove();
        failUpdate(tr("Failed to save downloaded file '%1'").arg(name));
        return false;
    }
    file.close();
    // What is installed is checked against what was received here.
    downloaded_.append({name, path, sha256});
    return true;
}

void UpdateDialog::replaceFiles()
{
    FileReplacement::removeLeftovers(programFolder_);
    UpdateInstallation installation(programFolder_);
    for (const Downloaded &file : qAsConst(downloaded_)) {
        ui->statusLabel->setText(tr("Copying file '%1'...").arg(file.name));
        if (!installation.stage(file.path, file.name, file.sha256)) {
            failUpdate(installation.damaged()
                           ? tr("Downloaded file '%1' is damaged.").arg(file.name)
                           : tr("Failed to copy downloaded file '%1'").arg(file.name));
            return;
        }
        ui->totalProgressBar->setValue(ui->totalProgressBar->value() + 1);
    }
    if (!installation.commit()) {
        QString message = tr("Failed to copy downloaded file '%1'").arg(installation.failedName());
        if (!installation.restored())
            message += QLatin1Char('\n') + tr("Some files of the previous version could not be "
                                              "put back. Please install Rowsmith again.");
        failUpdate(message);
        return;
    }
    temporaryFolder_.reset();
    ui->statusLabel->setText(tr("Done."));
    ui->resultLabel->setText(tr("Successfully updated."));
    ui->cancelButton->setEnabled(false);
    ui->doneButton->setEnabled(true);
}

void UpdateDialog::failUpdate(const QString &message)
{
    abandonUpdate();
    ui->resultLabel->setText(message);
    ui->cancelButton->setEnabled(false);
    ui->doneButton->setEnabled(true);
}

void UpdateDialog::abandonUpdate()
{
    if (reply_) {
        // Disconnected first: the aborted reply must not reach saveFile().
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
        reply_ = nullptr;
    }
    pending_.clear();
    downloaded_.clear();
    downloading_ = UpdateFile();
    temporaryFolder_.reset(); // with everything downloaded so far
}

void UpdateDialog::on_cancelButton_clicked()
{
    abandonUpdate();
    desktop_->warning(this, tr("Cancel"), tr("You canceled update process."));
    ui->stackedWidget->setCurrentWidget(ui->page_1);
}

void UpdateDialog::on_doneButton_clicked()
{
    desktop_->startDetached(QDir(programFolder_).filePath(mainProgramName()), {}, workingFolder_);
    accept();
}

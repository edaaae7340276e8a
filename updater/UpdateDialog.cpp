#include "updater/UpdateDialog.h"

#include "ui_UpdateDialog.h"
#include "updater/FileReplacement.h"
#include "updater/QtUpdaterDesktop.h"
#include "updater/UpdateFileName.h"
#include "updater/UpdateServer.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMovie>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <climits>

// Outside any namespace, as Q_INIT_RESOURCE requires.
static void initUpdaterResources()
{
    Q_INIT_RESOURCE(updater);
}

namespace {

QString mainProgramPath()
{
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("Rowsmith.exe");
#else
    const QString name = QStringLiteral("Rowsmith");
#endif
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

} // namespace

UpdateDialog::UpdateDialog(QWidget *parent)
    : UpdateDialog(std::make_unique<QtUpdaterDesktop>(), parent)
{}

UpdateDialog::UpdateDialog(std::unique_ptr<UpdaterDesktop> desktop, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::UpdateDialog>()), desktop_(std::move(desktop))
{
    initUpdaterResources();
    ui->setupUi(this);
    setFixedSize(350, 250);

    loading_ = new QMovie(QStringLiteral(":/images/loading.gif"), QByteArray(), this);
    connect(loading_, &QMovie::frameChanged, this, &UpdateDialog::updateLoadingImage);
    loading_->start();

    auto *manager = new QNetworkAccessManager(this);
    connect(manager, &QNetworkAccessManager::finished, this, &UpdateDialog::readXML);
    manager->get(QNetworkRequest(UpdateServer::versionDocumentUrl()));
}

UpdateDialog::~UpdateDialog() = default;

void UpdateDialog::setCurrentVersion(const QString &version)
{
    currentVersion_ = version;
}

void UpdateDialog::updateLoadingImage()
{
    ui->loadingLabel->setPixmap(loading_->currentPixmap());
}

void UpdateDialog::readXML(QNetworkReply *reply)
{
    reply->deleteLater();
    loading_->stop();
    const std::optional<VersionDocument> document = VersionDocument::parse(reply->readAll());
    if (!document || document->version.isEmpty()) {
        showVersionFailure();
        return;
    }
    latestVersion_ = document->version;
    if (!isNewerVersion(latestVersion_, currentVersion_)) {
        ui->versionCheckLabel->setText(tr("You are using latest version of Rowsmith."));
        ui->loadingLabel->hide();
        return;
    }
    ui->currentVersionLabel->setText(currentVersion_);
    ui->latestVersionLabel->setText(latestVersion_);
    ui->plainTextEdit->setPlainText(document->info);
    files_ = document->files;
    ui->stackedWidget->setCurrentWidget(ui->page_1);
}

void UpdateDialog::showVersionFailure()
{
    ui->versionCheckLabel->setText(tr("Failed to retrieve version information from the server."));
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
    if (!prepareTemporaryFolder()) {
        failUpdate(tr("Cannot create folder in temp folder"));
        return;
    }
    downloadNext();
}

bool UpdateDialog::prepareTemporaryFolder()
{
    temporaryFolder_ = QDir::tempPath() + QStringLiteral("/RowsmithUpdate/");
    // Stale files of an earlier attempt must not mix with this one. A link in
    // its place is removed, never followed.
    const QString folder = QDir::cleanPath(temporaryFolder_);
    const QFileInfo info(folder);
    if (info.isSymLink())
        QFile::remove(folder);
    else if (info.exists())
        QDir(folder).removeRecursively();
    return QDir().mkpath(folder) && !QFileInfo(folder).isSymLink();
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
    const QByteArray body = reply->readAll();
    const bool transferred = reply->error() == QNetworkReply::NoError;
    reply->close();
    const QString name = downloading_.name;

    // A failed or broken-off transfer must never be installed, whatever part
    // of the file it delivered.
    if (!transferred || body.isEmpty()) {
        failUpdate(tr("Failed to save downloaded file '%1'").arg(name));
        return;
    }
    if (downloading_.sha256 && QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex() !=
                                   *downloading_.sha256) {
        failUpdate(tr("Downloaded file '%1' is damaged.").arg(name));
        return;
    }
    const QString path = temporaryFolder_ + name;
    const int slash = name.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0)
        QDir().mkpath(temporaryFolder_ + name.left(slash)); // a failure fails the opening below
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        failUpdate(tr("Failed to create temporary file '%1'").arg(name));
        return;
    }
    if (file.write(body) != body.size() || !file.flush()) {
        file.close();
        file.remove();
        failUpdate(tr("Failed to save downloaded file '%1'").arg(name));
        return;
    }
    file.close();
    downloaded_.append(path);
    ui->totalProgressBar->setValue(ui->totalProgressBar->value() + 1);
    downloadNext();
}

void UpdateDialog::replaceFiles()
{
    const QString targetFolder = QDir::currentPath();
    for (const QString &path : qAsConst(downloaded_)) {
        const QString name = path.mid(temporaryFolder_.size());
        ui->statusLabel->setText(tr("Copying file '%1'...").arg(name));
        const QString target = targetFolder + QLatin1Char('/') + name;
        if (name.contains(QLatin1Char('/')))
            QDir().mkpath(QFileInfo(target).absolutePath()); // a failure fails the copy below
        if (QFileInfo::exists(target))
            qDebug() << "exist";
        if (!replaceFile(path, target)) {
            failUpdate(tr("Failed to copy downloaded file '%1'").arg(name));
            return;
        }
        ui->totalProgressBar->setValue(ui->totalProgressBar->value() + 1);
    }
    ui->statusLabel->setText(tr("Done."));
    ui->resultLabel->setText(tr("Successfully updated."));
    ui->cancelButton->setEnabled(false);
    ui->doneButton->setEnabled(true);
}

void UpdateDialog::failUpdate(const QString &message)
{
    stopDownload();
    downloaded_.clear();
    pending_.clear();
    downloading_ = UpdateFile();
    ui->resultLabel->setText(message);
    ui->cancelButton->setEnabled(false);
    ui->doneButton->setEnabled(true);
}

void UpdateDialog::stopDownload()
{
    if (!reply_)
        return;
    // Disconnected first: the aborted reply must not reach saveFile().
    reply_->disconnect(this);
    reply_->abort();
    reply_->deleteLater();
    reply_ = nullptr;
}

void UpdateDialog::on_cancelButton_clicked()
{
    stopDownload();
    pending_.clear();
    downloaded_.clear();
    downloading_ = UpdateFile();
    desktop_->warning(this, tr("Cancel"), tr("You canceled update process."));
    ui->stackedWidget->setCurrentWidget(ui->page_1);
}

void UpdateDialog::on_doneButton_clicked()
{
    desktop_->startDetached(mainProgramPath(), {});
    accept();
}

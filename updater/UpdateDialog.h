#pragma once

#include "updater/VersionDocument.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <memory>

class QMovie;
class QNetworkAccessManager;
class QNetworkReply;
class UpdaterDesktop;

namespace Ui {
class UpdateDialog;
}

// The updater's only window: checks the version document, shows the current
// and the latest version with the release notes, downloads every file of the
// new version into a temporary folder one after another, copies them into
// the program folder (the working folder) and restarts the main program.
class UpdateDialog : public QDialog
{
    Q_OBJECT
public:
    explicit UpdateDialog(QWidget *parent = nullptr);
    // Tests pass a fake desktop (warning box, process start).
    explicit UpdateDialog(std::unique_ptr<UpdaterDesktop> desktop, QWidget *parent = nullptr);
    ~UpdateDialog() override;

    // The main program's version, from the command line; empty counts as 0.
    void setCurrentVersion(const QString &version);

private Q_SLOTS:
    void readXML(QNetworkReply *reply);
    void updateLoadingImage();
    void on_updateButton_clicked();
    void updateDownloadProgress(qint64 bytesReceived, qint64 bytesTotal);
    void saveFile();
    void replaceFiles();
    void on_cancelButton_clicked();
    void on_doneButton_clicked();

private:
    void showVersionFailure();
    void downloadFile(const UpdateFile &file);
    void failUpdate(const QString &message);
    void stopDownload();
    bool prepareTemporaryFolder();
    void downloadNext();

    std::unique_ptr<Ui::UpdateDialog> ui;
    std::unique_ptr<UpdaterDesktop> desktop_;
    QString currentVersion_;
    QString latestVersion_;
    QList<UpdateFile> files_;   // every file of the version document
    QList<UpdateFile> pending_; // not yet downloaded in this update
    QStringList downloaded_;    // full paths in the temporary folder
    QMovie *loading_ = nullptr;
    UpdateFile downloading_;
    QString temporaryFolder_; // ends with "/"
    QNetworkAccessManager *downloads_ = nullptr;
    QNetworkReply *reply_ = nullptr;
};

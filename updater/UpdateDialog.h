#pragma once

#include "updater/UpdateOptions.h"
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
class QTemporaryDir;
class Desktop;
class VersionFetch;

namespace Ui {
class UpdateDialog;
}

// The updater's only window: checks the version document, shows the current
// and the latest version with the release notes, downloads every file of the
// new version into a private temporary folder one after another, installs
// them all at once into the program folder (this program's own) and restarts
// the main program there, in the working folder the updater was started in.
class UpdateDialog : public QDialog
{
    Q_OBJECT
public:
    explicit UpdateDialog(QWidget *parent = nullptr);
    // Tests pass a fake desktop (warning box, process start) and options of
    // their own (signing key, time-out).
    explicit UpdateDialog(std::unique_ptr<Desktop> desktop,
                          const UpdateOptions &options = UpdateOptions(),
                          QWidget *parent = nullptr);
    ~UpdateDialog() override;

    // The main program's version, from the command line; empty counts as 0.
    void setCurrentVersion(const QString &version);
    // Where the update goes: this program's folder unless a test says otherwise.
    void setProgramFolder(const QString &folder);

private Q_SLOTS:
    void readXML();
    void updateLoadingImage();
    void on_updateButton_clicked();
    void updateDownloadProgress(qint64 bytesReceived, qint64 bytesTotal);
    void saveFile();
    void replaceFiles();
    void on_cancelButton_clicked();
    void on_doneButton_clicked();

private:
    struct Downloaded
    {
        QString name;
        QString path;      // in the temporary folder
        QByteArray sha256; // of the bytes received, in hex
    };

    void showVersionFailure(const QString &message);
    void downloadFile(const UpdateFile &file);
    void failUpdate(const QString &message);
    // Stops the transfer and drops what this update downloaded.
    void abandonUpdate();
    void downloadNext();
    bool storeDownload(const QByteArray &body);

    std::unique_ptr<Ui::UpdateDialog> ui;
    std::unique_ptr<Desktop> desktop_;
    UpdateOptions options_;
    QString programFolder_;
    QString workingFolder_; // where the main program is restarted
    QString currentVersion_;
    QString latestVersion_;
    VersionFetch *fetch_ = nullptr;
    QList<UpdateFile> files_;   // every file of the version document
    QList<UpdateFile> pending_; // not yet downloaded in this update
    QList<Downloaded> downloaded_;
    QMovie *loading_ = nullptr;
    UpdateFile downloading_;
    std::unique_ptr<QTemporaryDir> temporaryFolder_; // private to this user, gone with the update
    QNetworkAccessManager *downloads_ = nullptr;
    QNetworkReply *reply_ = nullptr;
};

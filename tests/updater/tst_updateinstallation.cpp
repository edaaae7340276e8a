#include "support/FolderSnapshot.h"
#include "updater/UpdateInstallation.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>

// Installing the files of an update into a program folder: all of them or,
// when any step fails, none.
class UpdateInstallationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void allOrNothing_data();
    void allOrNothing();
    void keepsPermissions();
    void leftovers();
};

void UpdateInstallationTest::allOrNothing_data()
{
    QTest::addColumn<int>("failingRename"); // 0: none fails
    QTest::addColumn<bool>("installed");

    // Three files, two of them replacing old ones: the old Rowsmith is moved
    // aside (1), the new one moved in (2), likewise the translation (3, 4),
    // and the new manual page is moved in (5).
    QTest::newRow("every move succeeds") << 0 << true;
    for (int rename = 1; rename <= 5; ++rename)
        QTest::addRow("move %d fails", rename) << rename << false;
}

void UpdateInstallationTest::allOrNothing()
{
    QFETCH(int, failingRename);
    QFETCH(bool, installed);

    QTemporaryDir program;
    QTemporaryDir download;
    writeFile(program.filePath("Rowsmith"), "old program");
    writeFile(program.filePath("languages/lang_jp.qm"), "old translation");
    writeFile(program.filePath("rowsmith.dat"), "[SettingInfo]\n");
    const QMap<QString, QByteArray> before = folderSnapshot(program.path());
    const QMap<QString, QByteArray> update{{"Rowsmith", "new program"},
                                           {"languages/lang_jp.qm", "new translation"},
                                           {"manual/index.html", "<p>new</p>"}};
    int renames = 0;
    UpdateInstallation installation(
        program.path(), [&](const QString &from, const QString &to, QString &error) {
            return ++renames != failingRename && FileReplacement::rename(from, to, error);
        });
    for (const QString &name :
         QStringList{"Rowsmith", "languages/lang_jp.qm", "manual/index.html"}) {
        writeFile(download.filePath(name), update.value(name));
        QVERIFY(installation.stage(download.filePath(name), name, sha256Hex(update.value(name))));
    }
    // Staged beside the targets, hidden, and a new folder for the manual.
    QCOMPARE(folderSnapshot(program.path()).size(), before.size() + 4);

    QCOMPARE(installation.commit(), installed);
    QCOMPARE(renames, installed ? 5 : failingRename);
    QMap<QString, QByteArray> after = before;
    if (installed) {
        after.insert(update);
        after.insert(QStringLiteral("manual/"), QByteArray());
    } else {
        QVERIFY(installation.restored());
        QCOMPARE(installation.failedName(),
                 QString::fromLatin1(failingRename <= 2   ? "Rowsmith"
                                     : failingRename <= 4 ? "languages/lang_jp.qm"
                                                          : "manual/index.html"));
    }
    // Failed or not, nothing is left beside the files, nor a new empty folder.
    QCOMPARE(folderSnapshot(program.path()), after);
}

void UpdateInstallationTest::keepsPermissions()
{
    QTemporaryDir program;
    QTemporaryDir download;
    const QString target = program.filePath("Rowsmith");
    writeFile(target, "old");
    const QFile::Permissions executable =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup;
    QVERIFY(QFile::setPermissions(target, executable));
    writeFile(download.filePath("Rowsmith"), "new");

    UpdateInstallation installation(program.path());
    // The copy must be the bytes that were checked.
    QVERIFY(!installation.stage(download.filePath("Rowsmith"), "Rowsmith", sha256Hex("other")));
    QVERIFY(installation.damaged());
    QVERIFY(installation.stage(download.filePath("Rowsmith"), "Rowsmith", sha256Hex("new")));
    QVERIFY(installation.commit());
    QCOMPARE(folderSnapshot(program.path()), (QMap<QString, QByteArray>{{"Rowsmith", "new"}}));
    QCOMPARE(QFile::permissions(target) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
             executable);
}

void UpdateInstallationTest::leftovers()
{
    QTemporaryDir program;
    // What an update could not remove while it ran, and an old file whose
    // new one never arrived (kept: it is all there is).
    writeFile(program.filePath("Updater"), "new updater");
    writeFile(program.filePath(".Updater.rowsmith-old-0badf00d"), "old updater");
    writeFile(program.filePath(".Rowsmith.rowsmith-new-12345678"), "half");
    writeFile(program.filePath(".Rowsmith.rowsmith-old-87654321"), "only copy");
    writeFile(program.filePath(".hidden.rowsmith-old-x"), "not ours");
    FileReplacement::removeLeftovers(program.path());
    QCOMPARE(folderSnapshot(program.path()),
             (QMap<QString, QByteArray>{{"Updater", "new updater"},
                                        {".Rowsmith.rowsmith-old-87654321", "only copy"},
                                        {".hidden.rowsmith-old-x", "not ours"}}));
}

QTEST_GUILESS_MAIN(UpdateInstallationTest)
#include "tst_updateinstallation.moc"

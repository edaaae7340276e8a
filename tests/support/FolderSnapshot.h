#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// Writes a file with its missing folders; a failure ends the test program.
void writeFile(const QString &path, const QByteArray &bytes);

// Every entry below a folder, hidden ones too ("name/" for folders), with its
// bytes: what a test compares to show that nothing else was written.
QMap<QString, QByteArray> folderSnapshot(const QString &folder);

// The SHA-256 of the bytes in lower-case hex, as the version document gives it.
QByteArray sha256Hex(const QByteArray &bytes);

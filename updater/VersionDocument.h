#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// One file of an update: its path relative to the program folder ("/"
// between folders) and, when the document gives one, the SHA-256 of its bytes
// in lower-case hex.
struct UpdateFile
{
    QString name;
    std::optional<QByteArray> sha256;
};

// The version document on the maker's web server. Elements are found by tag
// name anywhere; the first `version` and `info` count, every `file` in
// document order.
struct VersionDocument
{
    QString version;
    QString info;
    QList<UpdateFile> files;

    // Nothing when the body is no XML; the parser's complaint then goes to the
    // debug output.
    static std::optional<VersionDocument> parse(const QByteArray &body);
};

// Versions compare as single-precision decimal numbers (so 1.10 < 1.9);
// published version numbers rely on it. Text that is no number counts as 0.
bool isNewerVersion(const QString &latest, const QString &current);

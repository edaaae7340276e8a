#include "updater/VersionDocument.h"

#include <QDebug>
#include <QDomDocument>
#include <QDomElement>
#include <QDomNodeList>

std::optional<VersionDocument> VersionDocument::parse(const QByteArray &body)
{
    QDomDocument xml;
    QString message;
    int line = 0;
    int column = 0;
    if (!xml.setContent(body, &message, &line, &column)) {
        qDebug().noquote() << QStringLiteral("load xml failed. \"%1\" Line %2, Column %3")
                                  .arg(message)
                                  .arg(line)
                                  .arg(column);
        return std::nullopt;
    }

    VersionDocument document;
    document.version = xml.elementsByTagName(QStringLiteral("version")).item(0).toElement().text();
    document.info = xml.elementsByTagName(QStringLiteral("info")).item(0).toElement().text();
    const QDomNodeList files = xml.elementsByTagName(QStringLiteral("file"));
    for (int i = 0; i < files.size(); ++i) {
        const QDomElement element = files.item(i).toElement();
        UpdateFile file;
        file.name = element.attribute(QStringLiteral("name"));
        if (element.hasAttribute(QStringLiteral("sha256")))
            file.sha256 =
                element.attribute(QStringLiteral("sha256")).trimmed().toLower().toLatin1();
        document.files.append(file);
    }
    return document;
}

bool isNewerVersion(const QString &latest, const QString &current)
{
    return latest.toFloat() > current.toFloat();
}

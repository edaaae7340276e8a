#include "statement/StatementFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

QString japaneseFamily(const QFontDatabase &database)
{
    // Preferred families first: common CJK families on Linux, then Windows.
    static const QStringList preferred{QStringLiteral("Noto Sans CJK JP"),
                                       QStringLiteral("Noto Sans JP"),
                                       QStringLiteral("Source Han Sans JP"),
                                       QStringLiteral("IPAexGothic"),
                                       QStringLiteral("IPAGothic"),
                                       QStringLiteral("Yu Gothic"),
                                       QStringLiteral("Meiryo"),
                                       QStringLiteral("MS Gothic")};
    const QStringList installed = database.families();
    for (const QString &family : preferred) {
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    }
    const QStringList japanese = database.families(QFontDatabase::Japanese);
    return japanese.isEmpty() ? QString() : japanese.first();
}

} // namespace

QFont statementFont(const QString &family)
{
    const QFontDatabase database;
    QString chosen = family.trimmed();
    if (chosen.isEmpty() || !database.families().contains(chosen, Qt::CaseInsensitive)) {
        const QString fallback = japaneseFamily(database);
        if (!fallback.isEmpty())
            chosen = fallback;
    }
    QFont font = chosen.isEmpty() ? QFont() : QFont(chosen);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

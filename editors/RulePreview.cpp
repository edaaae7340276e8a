#include "editors/RulePreview.h"

#include "language/CompiledRuleList.h"

#include <QLineEdit>

namespace RulePreview {

QString apply(const QStringList &rules, const QString &value)
{
    return CompiledRuleList(rules).apply(value);
}

QString visible(QString value)
{
    value.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    value.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return value;
}

void show(QLineEdit *edit, const QString &value)
{
    edit->setText(visible(value));
    edit->setCursorPosition(0);
}

} // namespace RulePreview

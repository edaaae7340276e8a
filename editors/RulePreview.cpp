#include "editors/RulePreview.h"

#include "language/CompiledRuleList.h"

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

} // namespace RulePreview

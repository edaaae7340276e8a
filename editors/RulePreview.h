#pragma once

#include <QString>
#include <QStringList>

class QLineEdit;

// The sample line of the rule editors: what a value becomes under a rule list,
// computed by the same compiled rules a conversion run uses.
namespace RulePreview {
QString apply(const QStringList &rules, const QString &value);
// The value on one line, its line ends written as "\r" and "\n" (the notation
// of the new-line buttons), so that a line break rule shows where it breaks.
QString visible(QString value);
// Shows a result in a line edit, from its start.
void show(QLineEdit *edit, const QString &value);
} // namespace RulePreview

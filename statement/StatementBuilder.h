#pragma once

#include "csv/InputRow.h"
#include "language/CompiledRuleList.h"
#include "settings/StatementField.h"
#include "statement/StatementRecord.h"

#include <QList>
#include <QStringList>

// Builds one statement record per input row from the 19 statement fields;
// the fields' rules are parsed once, when the builder is made.
class StatementBuilder
{
public:
    explicit StatementBuilder(const QList<StatementField> &fields);
    StatementRecord buildStatementRecord(const InputRow &inputRow) const;

private:
    QList<StatementField> fields_;
    QList<CompiledRuleList> rules_;
};

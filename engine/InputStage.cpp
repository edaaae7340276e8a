#include "InputStage.h"

#include "engine/ConversionReporter.h"
#include "settings/InputModeModel.h"

#include <QCoreApplication>
#include <QFile>

InputStage::InputStage(const QStringList &inputFiles, InputModeModel &table,
                       ConversionReporter &reporter)
    : inputFiles_(inputFiles), table_(table), reporter_(reporter)
{
}

CsvRows *InputStage::fileRows(const QString &path)
{
    auto cached = cache_.find(path);
    if (cached != cache_.end())
        return &cached.value();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reporter_.showError(QCoreApplication::translate("MainWindow", "Cannot open input file:\n%1.").arg(file.errorString()));
        return nullptr;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        reporter_.showError(QCoreApplication::translate("MainWindow", "Cannot open input file:\n%1.").arg(file.errorString()));
        return nullptr;
    }
    file.close();
    return &cache_.insert(path, readCsvRows(bytes)).value();
}

bool InputStage::reportIfMalformed(const QString &path, const CsvRows &rows)
{
    if (!rows.isMalformed())
        return false;
    reporter_.showError(
        QCoreApplication::translate("MainWindow", "Input file has a malformed record:\n%1 (line %2).").arg(path, QString::number(rows.malformedLine)));
    return true;
}

QList<QStringList> InputStage::takeRows(const QString &path)
{
    // The same path may be listed twice; only its last use may give the rows away.
    if (inputFiles_.count(path) > 1)
        return cache_.value(path).rows;
    return cache_.take(path).rows;
}

bool InputStage::readSingleForm(const InputForm &form)
{
    table_.clear();
    for (const QString &path : inputFiles_) {
        const CsvRows *rows = fileRows(path);
        if (!rows)
            return false;
        if (rows->rows.constFirst() != form.heads) {
            reporter_.showError(
                QCoreApplication::translate("MainWindow", "Input file dose not match with setting.\nPlease check the input file(s)."));
            return false;
        }
        if (reportIfMalformed(path, *rows))
            return false;
        if (table_.isEmpty())
            table_.setFirstForm(takeRows(path), path);
        else
            table_.appendDataRows(takeRows(path));
    }
    return true;
}

bool InputStage::readSeveralForms(const QList<InputForm> &forms)
{
    if (inputFiles_.size() != forms.size()) {
        reporter_.showError(QCoreApplication::translate("MainWindow", "Number of input files is not matched with setting."));
        return false;
    }
    table_.clear();
    QStringList remaining = inputFiles_;
    for (const InputForm &form : forms) {
        bool taken = false;
        const QStringList candidates = remaining;
        for (const QString &path : candidates) {
            const CsvRows *rows = fileRows(path);
            if (!rows)
                return false;
            if (rows->rows.constFirst() != form.heads)
                continue;
            if (reportIfMalformed(path, *rows))
                return false;
            if (table_.isEmpty())
                table_.setFirstForm(takeRows(path), path);
            else
                table_.joinForm(takeRows(path), form.targetKey, form.key, path);
            remaining.removeOne(path);
            taken = true;
        }
        if (!taken) {
            reporter_.showError(QCoreApplication::translate("MainWindow", "Cannot find proper source file."));
            return false;
        }
    }
    return true;
}

#include "DialogScreenshots.h"

#include "editors/ConfigDialog.h"
#include "editors/ConvertSettingDialog.h"
#include "editors/DragGroupBox.h"
#include "editors/EditConditionsDialog.h"
#include "editors/EditOutputItemsDialog.h"
#include "editors/KeySelectDialog.h"
#include "editors/MergeDialog.h"
#include "editors/PdfRuleDialog.h"
#include "editors/RuleDialog.h"
#include "editors/models/OutputModeModel.h"
#include "editors/models/PdfSetModel.h"
#include "engine/OutputRowBuilder.h"
#include "settings/CompanyInfo.h"
#include "settings/ConvertSettingStore.h"

#include <QApplication>
#include <QDir>
#include <QStringListModel>
#include <QTabWidget>
#include <QTextStream>
#include <functional>

namespace {

// What the item's sources give for the first example row, before conditions
// and rules: the value its rules start from.
QString exampleValue(OutputItem item, const ConvertSetting &setting)
{
    item.conditions.clear();
    item.condRules.clear();
    item.condSources.clear();
    item.condNums.clear();
    item.rules.clear();
    return OutputRowBuilder({item}, CompanyInfo::read()).buildOutputRow(setting.ex1).value(0);
}

// The first item the predicate accepts, else the first item; -1 without items.
int findItem(const QList<OutputItem> &items, const std::function<bool(const OutputItem &)> &accept)
{
    for (int i = 0; i < items.size(); ++i) {
        if (accept(items.at(i)))
            return i;
    }
    return items.isEmpty() ? -1 : 0;
}

bool save(QWidget *widget, const QString &path)
{
    widget->show();
    QApplication::processEvents();
    if (!widget->grab().save(path)) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    QTextStream(stdout) << path << '\n';
    return true;
}

} // namespace

bool renderDialogScreenshots(const QString &folder)
{
    const QStringList names = ConvertSettingStore::settingNames();
    if (names.isEmpty()) {
        QTextStream(stderr) << "no convert setting in " << QDir::currentPath() << '\n';
        return false;
    }
    const ConvertSetting setting = ConvertSettingStore::load(names.first());
    const QList<OutputItem> &items = setting.outputItems;
    if (items.isEmpty()) {
        QTextStream(stderr) << "the setting " << names.first() << " has no output items\n";
        return false;
    }
    const QDir images(folder);

    OutputModeModel output;
    for (const OutputItem &item : items)
        output.replaceItem(output.appendItem().column(), item);
    auto cell = [&output](int row, int column) { return output.index(row, column); };

    // Items that show each editor with something in it.
    const int ruled = findItem(items, [&setting](const OutputItem &item) {
        return item.rules.size() > 1 && !exampleValue(item, setting).isEmpty();
    });
    const int conditioned = findItem(items, [](const OutputItem &item) {
        return item.condRules.join(QString()).startsWith(QLatin1String("range("));
    });
    const int merged = findItem(items, &OutputItem::mergesStrings);
    const int joined = findItem(items, [](const OutputItem &item) {
        return item.mappings.size() > 1 && !item.separator.trimmed().isEmpty();
    });

    RuleDialog rules(&output, cell(OutputModeModel::RulesRow, ruled));
    rules.setSampleValue(exampleValue(items.at(ruled), setting));
    EditConditionsDialog conditions(&output, cell(OutputModeModel::ConditionsRow, conditioned));
    conditions.selectLastRow();
    MergeDialog merge(&output, cell(OutputModeModel::MergeRow, merged));
    EditOutputItemsDialog sources(&output, cell(OutputModeModel::OutputRow, joined));

    PdfSetModel statement;
    const StatementField name = setting.statementFields.value(StatementFields::Name);
    const QModelIndex nameRules = statement.index(PdfSetModel::RuleRow, StatementFields::Name);
    statement.setData(nameRules, name.rules);
    PdfRuleDialog statementRules(&statement, nameRules);
    OutputItem nameSources;
    nameSources.mappings = name.mappings;
    nameSources.mapNums = name.mapNums;
    for (int i = 0; i < name.mapNums.size(); ++i)
        nameSources.mapSources.append(
            SourceKind::InputItem); // statement fields take input items only
    nameSources.separator = name.separator;
    statementRules.setSampleValue(exampleValue(nameSources, setting));

    DragGroupBox company;
    company.resize(company.sizeHint().expandedTo(QSize(600, 0)));

    // The convert setting dialog on the setting as its sample files built it.
    QStringListModel settingNames(names);
    ConvertSettingDialog convertSetting(&settingNames);
    convertSetting.load(settingNames.index(0));
    ConfigDialog config(&settingNames);

    // The key dialog as adding the setting's second input form opens it.
    const QList<InputForm> &forms = setting.forms;
    const QStringList firstHeads = forms.value(0).heads;
    const QStringList secondHeads = forms.value(1).heads;
    const QPair<int, int> keys = KeySelectDialog::preselection(firstHeads, secondHeads);
    KeySelectDialog keySelect(firstHeads, secondHeads, keys.first, keys.second);

    // A second picture of each tabbed dialog shows its other tab.
    const auto otherTab = [&images](QWidget *dialog, const char *tabs, const char *file) {
        auto *tabWidget = dialog->findChild<QTabWidget *>(QLatin1String(tabs));
        tabWidget->setCurrentIndex(1);
        const bool saved = save(dialog, images.filePath(QLatin1String(file)));
        tabWidget->setCurrentIndex(0);
        return saved;
    };

    return save(&convertSetting, images.filePath(QStringLiteral("convert-setting-dialog.png"))) &&
           save(&config, images.filePath(QStringLiteral("config-dialog.png"))) &&
           save(&rules, images.filePath(QStringLiteral("rule-dialog.png"))) &&
           save(&statementRules, images.filePath(QStringLiteral("pdf-rule-dialog.png"))) &&
           save(&conditions, images.filePath(QStringLiteral("conditions-dialog.png"))) &&
           save(&merge, images.filePath(QStringLiteral("merge-dialog.png"))) &&
           save(&sources, images.filePath(QStringLiteral("output-items-dialog.png"))) &&
           save(&company, images.filePath(QStringLiteral("company-box.png"))) &&
           save(&keySelect, images.filePath(QStringLiteral("key-select-dialog.png"))) &&
           otherTab(&convertSetting, "outputTabWidget", "convert-setting-statement.png") &&
           otherTab(&config, "tabWidget", "config-settings-list.png");
}

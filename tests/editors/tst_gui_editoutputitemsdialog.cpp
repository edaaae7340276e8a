#include "editors/EditOutputItemsDialog.h"
#include "editors/models/OutputModeModel.h"
#include "editors/models/PdfSetModel.h"
#include "support/ChildWidget.h"
#include "support/SourceKinds.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

namespace {

// An item whose sources A, B, C are the input columns 1, 2, 3 joined by separator.
QModelIndex outputCell(OutputModeModel &model, const QString &separator)
{
    OutputItem item;
    item.mappings = QStringList{"A", "B", "C"};
    item.mapSources = kinds({1, 1, 1});
    item.mapNums = {1, 2, 3};
    item.separator = separator;
    model.replaceItem(model.appendItem().column(), item);
    return model.index(OutputModeModel::OutputRow, 0);
}

} // namespace

class EditOutputItemsDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void opening_data();
    void opening();
    void ok_data();
    void ok();
    void statementField();
};

void EditOutputItemsDialogTest::opening_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("ticked");

    QTest::newRow("separator") << "/" << true;
    QTest::newRow("no separator") << "" << false;
}

void EditOutputItemsDialogTest::opening()
{
    QFETCH(QString, separator);
    QFETCH(bool, ticked);

    OutputModeModel model;
    EditOutputItemsDialog dialog(&model, outputCell(model, separator));
    auto *list = child<QListWidget>(&dialog, "listWidget");
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(2)->text(), QStringLiteral("C"));
    QCOMPARE(list->dragDropMode(), QAbstractItemView::InternalMove);
    auto *box = child<QAbstractButton>(&dialog, "sepCheckBox");
    auto *edit = child<QLineEdit>(&dialog, "sepLineEdit");
    QCOMPARE(box->isChecked(), ticked);
    QCOMPARE(edit->isEnabled(), ticked);
    QCOMPARE(edit->text(), separator);

    box->click();
    QCOMPARE(edit->isEnabled(), !ticked);
}

void EditOutputItemsDialogTest::ok_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("mappings");
    QTest::addColumn<QList<int>>("mapNums");
    QTest::addColumn<QString>("separator");

    QTest::newRow("drag C above A")
        << "moveCUp" << QStringList{"C", "A", "B"} << QList<int>{3, 1, 2} << "/";
    QTest::newRow("remove B") << "removeB" << QStringList{"A", "C"} << QList<int>{1, 3} << "/";
    QTest::newRow("untick separator")
        << "untick" << QStringList{"A", "B", "C"} << QList<int>{1, 2, 3} << "";
    QTest::newRow("empty separator")
        << "emptySeparator" << QStringList{"A", "B", "C"} << QList<int>{1, 2, 3} << "";
    QTest::newRow("cancel") << "cancel" << QStringList{"A", "B", "C"} << QList<int>{1, 2, 3} << "/";
}

// OK stores the list and the separator; the sources follow their texts.
void EditOutputItemsDialogTest::ok()
{
    QFETCH(QString, action);
    QFETCH(QStringList, mappings);
    QFETCH(QList<int>, mapNums);
    QFETCH(QString, separator);

    OutputModeModel model;
    EditOutputItemsDialog dialog(&model, outputCell(model, "/"));
    auto *list = child<QListWidget>(&dialog, "listWidget");
    if (action == "moveCUp") {
        list->insertItem(0, list->takeItem(2)); // what an internal-move drag ends in
    } else if (action == "removeB") {
        list->setCurrentRow(1);
        child<QAbstractButton>(&dialog, "delButton")->click();
    } else if (action == "untick") {
        child<QAbstractButton>(&dialog, "sepCheckBox")->click();
    } else if (action == "emptySeparator") {
        child<QLineEdit>(&dialog, "sepLineEdit")->clear();
    }
    const char *button = action == "cancel" ? "cancelButton" : "okButton";
    child<QAbstractButton>(&dialog, button)->click();

    const OutputItem item = model.item(0);
    QCOMPARE(item.mappings, mappings);
    QCOMPARE(item.mapNums, mapNums);
    QCOMPARE(item.mapSources.size(), mappings.size());
    QCOMPARE(item.separator, separator);
}

// The same dialog edits a statement field.
void EditOutputItemsDialogTest::statementField()
{
    PdfSetModel model;
    const QModelIndex cell = model.index(PdfSetModel::OutputRow, 0);
    model.setSeparator(cell, " ");
    EditOutputItemsDialog dialog(&model, cell);
    QVERIFY(child<QAbstractButton>(&dialog, "sepCheckBox")->isChecked());
    child<QAbstractButton>(&dialog, "sepCheckBox")->click();
    child<QAbstractButton>(&dialog, "okButton")->click();
    QCOMPARE(model.separator(cell), QString());
}

QTEST_MAIN(EditOutputItemsDialogTest)
#include "tst_gui_editoutputitemsdialog.moc"

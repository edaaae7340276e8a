#include "editors/EditConditionsDialog.h"
#include "editors/models/ItemDragPayload.h"
#include "editors/models/OutputModeModel.h"
#include "language/ConditionEvaluation.h"
#include "support/ChildWidget.h"
#include "support/SourceKinds.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QSpinBox>
#include <QStatusBar>
#include <QtTest>

namespace {

// One item with a condition per stored string, tested values c0, c1, ...
QModelIndex conditionsCell(OutputModeModel &model, const QStringList &condRules,
                           const QString &combination = QStringLiteral("AND"))
{
    OutputItem item;
    for (int i = 0; i < condRules.size(); ++i) {
        item.conditions.append(QStringLiteral("c%1").arg(i));
        item.condSources.append(kind(1));
        item.condNums.append(i);
    }
    item.condRules = condRules;
    item.condCombination = combination;
    model.replaceItem(model.appendItem().column(), item);
    return model.index(OutputModeModel::ConditionsRow, 0);
}

// The shown state of the editing widgets, in one comparable line.
QString shown(QWidget *dialog)
{
    auto combo = [dialog](const char *name) {
        return dialog->findChild<QComboBox *>(QLatin1String(name))->currentIndex();
    };
    auto spin = [dialog](const char *name) {
        const auto *box = dialog->findChild<QSpinBox *>(QLatin1String(name));
        return QString::number(box->value()) + (box->isEnabled() ? "" : " off");
    };
    return QStringLiteral("type %1 | '%2' %3 | min %4 %5 | max %6 %7")
        .arg(combo("typeComboBox"))
        .arg(dialog->findChild<QLineEdit *>("findLineEdit")->text())
        .arg(combo("findComboBox"))
        .arg(combo("minComboBox"))
        .arg(spin("minSpinBox"))
        .arg(combo("maxComboBox"))
        .arg(spin("maxSpinBox"));
}

QAbstractButton *applyButton(QWidget *dialog)
{
    return child<QAbstractButton>(dialog, "saveButton");
}

} // namespace

class EditConditionsDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void storedConditionRoundTrip_data();
    void storedConditionRoundTrip();
    void builtConditions_data();
    void builtConditions();
    void applyEnabling();
    void applyWithoutRowStoresNothing();
    void otherRowDiscardsEdit();
    void deleteRemovesCondition();
    void okAndClose_data();
    void okAndClose();
    void selectLastRowAfterDrop();
};

void EditConditionsDialogTest::storedConditionRoundTrip_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("widgets");
    QTest::addColumn<QString>("applied"); // what apply stores from the shown widgets

    QTest::newRow("startsWith") << "startsWith(090)"
                                << "type 0 | '090' 4 | min 2 0 off | max 2 0 off"
                                << "startsWith(090)";
    QTest::newRow("notEndsWith") << "notEndsWith(-)"
                                 << "type 0 | '-' 7 | min 2 0 off | max 2 0 off"
                                 << "notEndsWith(-)";
    QTest::newRow("comma and parentheses") << "contains(a,(b))"
                                           << "type 0 | 'a,(b)' 2 | min 2 0 off | max 2 0 off"
                                           << "contains(a,(b))";
    QTest::newRow("empty text") << "equalTo()"
                                << "type 0 | '' 0 | min 2 0 off | max 2 0 off"
                                << "equalTo()";
    QTest::newRow("no test") << ""
                             << "type 0 | '' 0 | min 2 0 off | max 2 0 off"
                             << "equalTo()";
    QTest::newRow("unknown test") << "between(1)"
                                  << "type 0 | '1' 0 | min 2 0 off | max 2 0 off"
                                  << "equalTo(1)";
    QTest::newRow("at least, no upper bound") << "range(notLessThan(1),unLimit)"
                                              << "type 1 | '' 0 | min 1 1 | max 2 0 off"
                                              << "range(notLessThan(1),unLimit)";
    QTest::newRow("above and below") << "range(greaterThan(0),lessThan(100))"
                                     << "type 1 | '' 0 | min 0 0 | max 0 100"
                                     << "range(greaterThan(0),lessThan(100))";
    QTest::newRow("no lower bound, at most") << "range(unLimit,notGreaterThan(999999999))"
                                             << "type 1 | '' 0 | min 2 0 off | max 1 999999999"
                                             << "range(unLimit,notGreaterThan(999999999))";
    QTest::newRow("unknown bound") << "range(over(5),lessThan(7))"
                                   << "type 1 | '' 0 | min 2 0 off | max 0 7"
                                   << "range(unLimit,lessThan(7))";
}

// A stored condition shows in the widgets, apply stays off until the user
// changes something, and applying stores what is shown.
void EditConditionsDialogTest::storedConditionRoundTrip()
{
    QFETCH(QString, stored);
    QFETCH(QString, widgets);
    QFETCH(QString, applied);

    OutputModeModel model;
    const QModelIndex cell = conditionsCell(model, {"contains(z)", stored});
    EditConditionsDialog dialog(&model, cell);
    child<QListWidget>(&dialog, "itemListWidget")->setCurrentRow(1);
    QCOMPARE(shown(&dialog), widgets);
    QVERIFY(!applyButton(&dialog)->isEnabled());

    applyButton(&dialog)->setEnabled(true); // as any edit would
    applyButton(&dialog)->click();
    QCOMPARE(model.item(0).condRules, (QStringList{"contains(z)", applied}));
}

void EditConditionsDialogTest::builtConditions_data()
{
    QTest::addColumn<QVariantMap>("widgets");
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QString>("passing");
    QTest::addColumn<QString>("failing"); // null: every value passes

    auto number = [](int min, int minKind, int max, int maxKind) {
        return QVariantMap{{"typeComboBox", 1},
                           {"minSpinBox", min},
                           {"minComboBox", minKind},
                           {"maxSpinBox", max},
                           {"maxComboBox", maxKind}};
    };
    QTest::newRow("above and below")
        << number(0, 0, 100, 0) << "range(greaterThan(0),lessThan(100))"
        << "99"
        << "100";
    QTest::newRow("at least and at most")
        << number(5, 1, 5, 1) << "range(notLessThan(5),notGreaterThan(5))"
        << " 5 "
        << "4";
    QTest::newRow("unlimited both ways") << number(7, 2, 9, 2) << "range(unLimit,unLimit)"
                                         << "abc" << QString();
    // Applied as it comes, a number test keeps every value.
    QTest::newRow("number test untouched")
        << QVariantMap{{"typeComboBox", 1}} << "range(unLimit,unLimit)"
        << "-5" << QString();
    QTest::newRow("text with comma")
        << QVariantMap{{"findLineEdit", "a,b"}, {"findComboBox", 2}} << "contains(a,b)"
        << "xa,by"
        << "ab";
    QTest::newRow("text not starting")
        << QVariantMap{{"findLineEdit", "090"}, {"findComboBox", 5}} << "notStartsWith(090)"
        << "080"
        << "0901";
}

// What the widgets build is stored at once and evaluates in the engine as the
// widgets say.
void EditConditionsDialogTest::builtConditions()
{
    QFETCH(QVariantMap, widgets);
    QFETCH(QString, condition);
    QFETCH(QString, passing);
    QFETCH(QString, failing);

    OutputModeModel model;
    const QModelIndex cell = conditionsCell(model, {"", "equalTo(x)"});
    EditConditionsDialog dialog(&model, cell);
    child<QListWidget>(&dialog, "itemListWidget")->setCurrentRow(0);
    for (auto it = widgets.cbegin(); it != widgets.cend(); ++it) {
        QWidget *widget = child<QWidget>(&dialog, qPrintable(it.key()));
        if (auto *combo = qobject_cast<QComboBox *>(widget))
            combo->setCurrentIndex(it.value().toInt());
        else if (auto *spin = qobject_cast<QSpinBox *>(widget))
            spin->setValue(it.value().toInt());
        else
            qobject_cast<QLineEdit *>(widget)->setText(it.value().toString());
    }
    QVERIFY(applyButton(&dialog)->isEnabled());
    applyButton(&dialog)->click();

    QCOMPARE(model.item(0).condRules, (QStringList{condition, "equalTo(x)"}));
    QVERIFY(!applyButton(&dialog)->isEnabled());
    QCOMPARE(dialog.statusBar()->currentMessage(), QStringLiteral("Setting has saved"));
    QVERIFY(evaluateCondition(condition, passing));
    QVERIFY(failing.isNull() || !evaluateCondition(condition, failing));
}

void EditConditionsDialogTest::applyEnabling()
{
    OutputModeModel model;
    EditConditionsDialog dialog(&model, conditionsCell(model, {""}));
    child<QListWidget>(&dialog, "itemListWidget")->setCurrentRow(0);
    auto *apply = applyButton(&dialog);
    auto *text = child<QLineEdit>(&dialog, "findLineEdit");
    auto *test = child<QComboBox>(&dialog, "findComboBox");
    auto *type = child<QComboBox>(&dialog, "typeComboBox");

    test->setCurrentIndex(3); // no text yet
    QVERIFY(!apply->isEnabled());
    text->setText("a");
    QVERIFY(apply->isEnabled());
    text->clear(); // an empty text may be stored
    QVERIFY(apply->isEnabled());
    test->setCurrentIndex(4);
    QVERIFY(!apply->isEnabled());
    type->setCurrentIndex(1);
    QVERIFY(apply->isEnabled());
    QCOMPARE(child<QWidget>(&dialog, "conditionPages")->property("currentIndex").toInt(), 1);
    type->setCurrentIndex(0);
    QVERIFY(!apply->isEnabled());

    auto *minKind = child<QComboBox>(&dialog, "minComboBox");
    auto *minValue = child<QSpinBox>(&dialog, "minSpinBox");
    minValue->setValue(12);
    QVERIFY(apply->isEnabled());
    minKind->setCurrentIndex(2);
    QCOMPARE(minValue->value(), 0);
    QVERIFY(!minValue->isEnabled());
    minKind->setCurrentIndex(1);
    QVERIFY(minValue->isEnabled());
}

// Apply can be enabled before any row is chosen; it then stores nothing.
void EditConditionsDialogTest::applyWithoutRowStoresNothing()
{
    OutputModeModel model;
    const QModelIndex cell = conditionsCell(model, {"equalTo(a)", "equalTo(b)"});
    const OutputItem before = model.item(0);
    EditConditionsDialog dialog(&model, cell);
    child<QListWidget>(&dialog, "itemListWidget")->setCurrentRow(-1);
    child<QLineEdit>(&dialog, "findLineEdit")->setText("x");
    applyButton(&dialog)->click();
    QCOMPARE(model.item(0), before);
}

void EditConditionsDialogTest::otherRowDiscardsEdit()
{
    OutputModeModel model;
    EditConditionsDialog dialog(&model, conditionsCell(model, {"equalTo(a)", "equalTo(b)"}));
    auto *list = child<QListWidget>(&dialog, "itemListWidget");
    list->setCurrentRow(0);
    child<QLineEdit>(&dialog, "findLineEdit")->setText("changed");
    list->setCurrentRow(1);
    list->setCurrentRow(0);
    QCOMPARE(shown(&dialog), QStringLiteral("type 0 | 'a' 0 | min 2 0 off | max 2 0 off"));
    QCOMPARE(model.item(0).condRules, (QStringList{"equalTo(a)", "equalTo(b)"}));
}

void EditConditionsDialogTest::deleteRemovesCondition()
{
    OutputModeModel model;
    const QModelIndex cell = conditionsCell(model, {"equalTo(a)", "equalTo(b)", "equalTo(c)"});
    EditConditionsDialog dialog(&model, cell);
    auto *list = child<QListWidget>(&dialog, "itemListWidget");
    list->setCurrentRow(1);
    child<QAbstractButton>(&dialog, "delButton")->click();

    const OutputItem item = model.item(0);
    QCOMPARE(item.conditions, (QStringList{"c0", "c2"}));
    QCOMPARE(item.condRules, (QStringList{"equalTo(a)", "equalTo(c)"}));
    QCOMPARE(item.condNums, (QList<int>{0, 2}));
    QCOMPARE(item.condSources, kinds({1, 1}));
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(1)->text(), QStringLiteral("c2"));
    // The fields show the condition that is now current.
    QCOMPARE(list->currentRow(), 1);
    QCOMPARE(child<QLineEdit>(&dialog, "findLineEdit")->text(), QStringLiteral("c"));
}

void EditConditionsDialogTest::okAndClose_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("shownIndex");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");

    QTest::newRow("ok stores OR") << "AND" << 0 << "okButton"
                                  << "OR";
    QTest::newRow("close keeps AND") << "AND" << 0 << "cancelButton"
                                     << "AND";
    QTest::newRow("OR shown, ok stores AND") << "OR" << 1 << "okButton"
                                             << "AND";
    QTest::newRow("empty shown as AND, close keeps it") << "" << 0 << "cancelButton"
                                                        << "";
}

// OK stores only the combination (switched here); applied conditions stay
// stored whichever button closes the dialog.
void EditConditionsDialogTest::okAndClose()
{
    QFETCH(QString, stored);
    QFETCH(int, shownIndex);
    QFETCH(QString, button);
    QFETCH(QString, result);

    OutputModeModel model;
    EditConditionsDialog dialog(&model, conditionsCell(model, {"equalTo(a)"}, stored));
    auto *combination = child<QComboBox>(&dialog, "combinationComboBox");
    QCOMPARE(combination->currentIndex(), shownIndex);
    child<QListWidget>(&dialog, "itemListWidget")->setCurrentRow(0);
    child<QLineEdit>(&dialog, "findLineEdit")->setText("b");
    applyButton(&dialog)->click();
    child<QLineEdit>(&dialog, "findLineEdit")->setText("not applied");
    combination->setCurrentIndex(1 - shownIndex);

    child<QAbstractButton>(&dialog, qPrintable(button))->click();
    QCOMPARE(model.item(0).condCombination, result);
    QCOMPARE(model.item(0).condRules, QStringList{"equalTo(b)"});
}

// A drop on the Conditions row adds a condition; the editor then opens on it.
void EditConditionsDialogTest::selectLastRowAfterDrop()
{
    OutputModeModel model;
    const QModelIndex cell = conditionsCell(model, {"equalTo(a)"});
    QMimeData mime;
    mime.setData(ItemDragPayload::mimeType(), ItemDragPayload::encode({{kind(1), 4, "電話番号"}}));
    QVERIFY(model.dropMimeData(&mime, Qt::CopyAction, -1, -1, cell));

    EditConditionsDialog dialog(&model, cell);
    dialog.selectLastRow();
    auto *list = child<QListWidget>(&dialog, "itemListWidget");
    QCOMPARE(list->currentRow(), 1);
    QCOMPARE(list->currentItem()->text(), QStringLiteral("電話番号"));
    QCOMPARE(shown(&dialog), QStringLiteral("type 0 | '' 0 | min 2 0 off | max 2 0 off"));
    QVERIFY(!applyButton(&dialog)->isEnabled());
}

QTEST_MAIN(EditConditionsDialogTest)
#include "tst_gui_editconditionsdialog.moc"

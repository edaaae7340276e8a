#include "editors/PdfRuleDialog.h"
#include "editors/RuleDialog.h"
#include "editors/models/OutputModeModel.h"
#include "editors/models/PdfSetModel.h"
#include "language/RuleApplication.h"
#include "support/ChildWidget.h"
#include "support/FakeDesktop.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBox>
#include <QtTest>

namespace {

// Sets widgets of the dialog by object name: the index of a tool box or combo
// box, the value of a spin box, the text of a line edit, the check of a button.
void setWidgets(QWidget *dialog, const QVariantMap &values)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        QWidget *widget = dialog->findChild<QWidget *>(it.key());
        QVERIFY2(widget, qPrintable(it.key()));
        if (auto *toolBox = qobject_cast<QToolBox *>(widget))
            toolBox->setCurrentIndex(it.value().toInt());
        else if (auto *combo = qobject_cast<QComboBox *>(widget))
            combo->setCurrentIndex(it.value().toInt());
        else if (auto *spin = qobject_cast<QSpinBox *>(widget))
            spin->setValue(it.value().toInt());
        else if (auto *edit = qobject_cast<QLineEdit *>(widget))
            edit->setText(it.value().toString());
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            button->setChecked(it.value().toBool());
    }
}

QStringList texts(QListWidget *list)
{
    QStringList result;
    for (int row = 0; row < list->count(); ++row)
        result.append(list->item(row)->text());
    return result;
}

void click(QWidget *dialog, const char *button)
{
    child<QAbstractButton>(dialog, button)->click();
}

// An output model with one item holding these rule lists; returns its Rules cell.
QModelIndex rulesCell(OutputModeModel &model, const QStringList &rules,
                      const QStringList &afterRules)
{
    OutputItem item;
    item.rules = rules;
    item.afterRules = afterRules;
    model.replaceItem(model.appendItem().column(), item);
    return model.index(OutputModeModel::RulesRow, 0);
}

} // namespace

class RuleDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void pages_data();
    void pages();
    void commaIsRefused_data();
    void commaIsRefused();
    void coupling();
    void addDeleteMove();
    void okAndCancel_data();
    void okAndCancel();
    void statementRules();
    void preview();
    void statusTips();
};

void RuleDialogTest::pages_data()
{
    QTest::addColumn<QVariantMap>("widgets");
    QTest::addColumn<QString>("rule"); // empty: nothing is added
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("result"); // the value after the rule, as the engine applies it

    auto length = [](int count, int direction, int action) {
        return QVariantMap{{"toolBox", 0},
                           {"lengthSpinBox", count},
                           {"lengthComboBox", direction},
                           {"lengthComboBox2", action}};
    };
    QTest::newRow("left") << length(3, 0, 0) << "left(3)"
                          << "abcdef"
                          << "abc";
    QTest::newRow("right") << length(3, 1, 0) << "right(3)"
                           << "abcdef"
                           << "def";
    QTest::newRow("cutLeft") << length(2, 0, 1) << "cutLeft(2)"
                             << "abcdef"
                             << "cdef";
    QTest::newRow("cutRight") << length(3, 1, 1) << "cutRight(3)"
                              << "abcdef"
                              << "abc";
    QTest::newRow("breakLine from start") << length(5, 0, 2) << "breakLine(5)"
                                          << "abcdefghijkl"
                                          << "abcde\nfghij\nkl";
    QTest::newRow("breakLine from end") << length(5, 1, 2) << "breakLine(5)"
                                        << "abcdefg"
                                        << "abcde\nfg";
    QTest::newRow("length 0") << length(0, 0, 0) << ""
                              << ""
                              << "";

    auto radio = [](int page, const char *button) {
        return QVariantMap{{"toolBox", page}, {QLatin1String(button), true}};
    };
    QTest::newRow("LF") << radio(1, "lfRadioButton") << "newLine(LF)"
                        << "a\r\nb"
                        << "a\nb";
    QTest::newRow("CRLF") << radio(1, "crlfRadioButton") << "newLine(CRLF)"
                          << "a\nb"
                          << "a\r\nb";
    QTest::newRow("REMOVE") << radio(1, "removeCrlfRradioButton") << "newLine(REMOVE)"
                            << "a\rb\nc"
                            << "abc";
    QTest::newRow("no new line") << QVariantMap{{"toolBox", 1}} << ""
                                 << ""
                                 << "";

    auto insert = [](int position, const QString &text) {
        return QVariantMap{{"toolBox", 2}, {"insertComboBox", position}, {"insertLineEdit", text}};
    };
    QTest::newRow("append") << insert(1, "-") << "append(-)"
                            << "abc"
                            << "abc-";
    QTest::newRow("prepend parentheses") << insert(0, "(x)") << "prepend((x))"
                                         << "abc"
                                         << "(x)abc";
    QTest::newRow("prepend blank") << insert(0, " ") << "prepend( )"
                                   << "abc"
                                   << " abc";
    QTest::newRow("insert nothing") << insert(1, "") << ""
                                    << ""
                                    << "";

    auto find = [](const QString &search, int test, int scope, int action,
                   const QString &replacement = QString()) {
        return QVariantMap{{"toolBox", 3},         {"findEdit", search},
                           {"findBox", test},      {"scopeComboBox", scope},
                           {"replaceBox", action}, {"replaceEdit", replacement}};
    };
    QTest::newRow("equalTo replace empty")
        << find("N/A", 0, 0, 2) << "find(equalTo(N/A),fullString,replace())"
        << "N/A"
        << "";
    QTest::newRow("notEqualTo delete")
        << find("a", 1, 0, 1) << "find(notEqualTo(a),fullString,delete)"
        << "b"
        << "";
    QTest::newRow("contains matched delete")
        << find("-", 2, 1, 1) << "find(contains(-),matchedString,delete)"
        << "0120-44-55"
        << "01204455";
    QTest::newRow("notContains print")
        << find("x", 3, 0, 0) << "find(notContains(x),fullString,print)"
        << "abc"
        << "abc";
    QTest::newRow("startsWith matched delete")
        << find("TEL:", 4, 1, 1) << "find(startsWith(TEL:),matchedString,delete)"
        << "TEL:0312"
        << "0312";
    QTest::newRow("notStartsWith matched replace")
        << find("A", 5, 1, 2, "B") << "find(notStartsWith(A),matchedString,replace(B))"
        << "CAT"
        << "CBT";
    QTest::newRow("endsWith matched replace")
        << find("様", 6, 1, 2, "さん") << "find(endsWith(様),matchedString,replace(さん))"
        << "山田様"
        << "山田さん";
    QTest::newRow("notEndsWith delete")
        << find("-", 7, 0, 1) << "find(notEndsWith(-),fullString,delete)"
        << "a-b"
        << "";
    QTest::newRow("parentheses in search and replacement")
        << find("(1)", 2, 1, 2, "[2])") << "find(contains((1)),matchedString,replace([2])))"
        << "a(1)b"
        << "a[2])b";
    QTest::newRow("replacement ignored unless replacing")
        << find("x", 2, 1, 0, "a,b") << "find(contains(x),matchedString,print)"
        << "axb"
        << "x";
    QTest::newRow("find nothing") << find("", 0, 0, 0) << ""
                                  << ""
                                  << "";

    QTest::newRow("lowerCase") << radio(4, "lowercaseRadioButton") << "charType(lowerCase)"
                               << "AbC"
                               << "abc";
    QTest::newRow("upperCase") << radio(4, "uppercaseRadioButton") << "charType(upperCase)"
                               << "abc"
                               << "ABC";
    QTest::newRow("fullWidth") << radio(4, "fullWidthRadioButton") << "charType(fullWidth)"
                               << "ｶﾞ1"
                               << "ガ１";
    QTest::newRow("halfWidth") << radio(4, "halfWidthRadioButton") << "charType(halfWidth)"
                               << "ガ１"
                               << "ｶﾞ1";
    QTest::newRow("hirakana") << radio(4, "hirakanaRadioButton") << "charType(hirakana)"
                              << "カナ"
                              << "かな";
    QTest::newRow("katakana") << radio(4, "katakanaRadioButton") << "charType(katakana)"
                              << "かな"
                              << "カナ";
    QTest::newRow("no character type") << QVariantMap{{"toolBox", 4}} << ""
                                       << ""
                                       << "";

    QTest::newRow("trim") << radio(5, "trimRadioButton") << "trim"
                          << "  a b  "
                          << "a b";
    QTest::newRow("simplified") << radio(5, "simplifiedRadioButton") << "simplified"
                                << "  a   b  "
                                << "a b";
    QTest::newRow("no blank rule") << QVariantMap{{"toolBox", 5}} << ""
                                   << ""
                                   << "";
}

// Every page writes its exact rule string, and the engine reads that string as
// the page means it.
void RuleDialogTest::pages()
{
    QFETCH(QVariantMap, widgets);
    QFETCH(QString, rule);
    QFETCH(QString, value);
    QFETCH(QString, result);

    OutputModeModel model;
    RuleDialog dialog(&model, rulesCell(model, {"r1"}, {"a1"}));
    setWidgets(&dialog, widgets);
    FakeDesktop desktop;
    dialog.setDesktop(&desktop);
    const QList<FakeDesktop::Warning> &warnings = desktop.warnings;
    auto *before = child<QListWidget>(&dialog, "beforeListWidget");
    auto *after = child<QListWidget>(&dialog, "afterListWidget");

    click(&dialog, "addBeforeButton");
    click(&dialog, "addAfterButton");
    click(&dialog, "addAfterButton"); // the pages keep their state
    QVERIFY(warnings.isEmpty());
    if (rule.isEmpty()) {
        QCOMPARE(texts(before), QStringList{"r1"});
        QCOMPARE(texts(after), QStringList{"a1"});
        return;
    }
    QCOMPARE(texts(before), (QStringList{"r1", rule}));
    QCOMPARE(texts(after), (QStringList{"a1", rule, rule}));
    QCOMPARE(applyRule(rule, value), result);
}

void RuleDialogTest::commaIsRefused_data()
{
    QTest::addColumn<QVariantMap>("widgets");
    QTest::addColumn<QString>("field");

    QTest::newRow("insert") << QVariantMap{{"toolBox", 2}, {"insertLineEdit", "a,b"}}
                            << "insertLineEdit";
    QTest::newRow("search") << QVariantMap{{"toolBox", 3}, {"findEdit", "a,b"}} << "findEdit";
    QTest::newRow("replacement") << QVariantMap{{"toolBox", 3},
                                                {"findEdit", "a"},
                                                {"replaceBox", 2},
                                                {"replaceEdit", ","}}
                                 << "replaceEdit";
}

void RuleDialogTest::commaIsRefused()
{
    QFETCH(QVariantMap, widgets);
    QFETCH(QString, field);

    OutputModeModel model;
    const QModelIndex cell = rulesCell(model, {"r1"}, {});
    RuleDialog dialog(&model, cell);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    setWidgets(&dialog, widgets);
    FakeDesktop desktop;
    dialog.setDesktop(&desktop);
    const QList<FakeDesktop::Warning> &warnings = desktop.warnings;

    click(&dialog, "addBeforeButton");
    click(&dialog, "addAfterButton");
    QCOMPARE(warnings.size(), 2);
    QCOMPARE(warnings.first().title, QStringLiteral("Error"));
    QCOMPARE(warnings.first().text, QStringLiteral("Character ',' cannot be included."));
    QVERIFY(child<QLineEdit>(&dialog, qPrintable(field))->hasFocus());
    QCOMPARE(texts(child<QListWidget>(&dialog, "beforeListWidget")), QStringList{"r1"});
    QCOMPARE(child<QListWidget>(&dialog, "afterListWidget")->count(), 0);
    QCOMPARE(child<QLineEdit>(&dialog, qPrintable(field))->text(), widgets.value(field).toString());

    click(&dialog, "okButton");
    QCOMPARE(model.item(0).rules, QStringList{"r1"});
    QVERIFY(model.item(0).afterRules.isEmpty());
}

void RuleDialogTest::coupling()
{
    OutputModeModel model;
    RuleDialog dialog(&model, rulesCell(model, {}, {}));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto *replaceBox = child<QComboBox>(&dialog, "replaceBox");
    auto *replaceEdit = child<QLineEdit>(&dialog, "replaceEdit");
    auto *replaceLabel = child<QWidget>(&dialog, "replaceLabel");
    child<QToolBox>(&dialog, "toolBox")->setCurrentIndex(3);

    QVERIFY(!replaceEdit->isEnabled());
    QVERIFY(!replaceLabel->isEnabled());
    replaceBox->setCurrentIndex(2);
    QVERIFY(replaceEdit->isEnabled());
    QVERIFY(replaceLabel->isEnabled());
    QVERIFY(replaceEdit->hasFocus());
    replaceBox->setCurrentIndex(1);
    QVERIFY(!replaceEdit->isEnabled());
    QVERIFY(!replaceLabel->isEnabled());

    auto *direction = child<QComboBox>(&dialog, "lengthComboBox");
    auto *action = child<QComboBox>(&dialog, "lengthComboBox2");
    action->setCurrentIndex(2);
    QVERIFY(!direction->isEnabled());
    action->setCurrentIndex(1);
    QVERIFY(direction->isEnabled());
}

void RuleDialogTest::addDeleteMove()
{
    OutputModeModel model;
    RuleDialog dialog(&model, rulesCell(model, {"b1"}, {"a1", "a2"}));
    auto *before = child<QListWidget>(&dialog, "beforeListWidget");
    auto *after = child<QListWidget>(&dialog, "afterListWidget");

    // Without a current item, delete and move do nothing.
    before->setCurrentRow(-1);
    after->setCurrentRow(-1);
    for (const char *button :
         {"delBeforeButton", "delAfterButton", "moveDownButton", "moveUpButton"})
        click(&dialog, button);
    QCOMPARE(texts(before), QStringList{"b1"});
    QCOMPARE(texts(after), (QStringList{"a1", "a2"}));

    before->setCurrentRow(0);
    click(&dialog, "moveDownButton");
    QCOMPARE(before->count(), 0);
    QCOMPARE(texts(after), (QStringList{"a1", "a2", "b1"}));

    after->setCurrentRow(0);
    click(&dialog, "moveUpButton");
    QCOMPARE(texts(before), QStringList{"a1"});
    QCOMPARE(texts(after), (QStringList{"a2", "b1"}));

    after->setCurrentRow(1);
    click(&dialog, "delAfterButton");
    before->setCurrentRow(0);
    click(&dialog, "delBeforeButton");
    QCOMPARE(before->count(), 0);
    QCOMPARE(texts(after), QStringList{"a2"});

    // Both lists reorder by dragging within themselves.
    QCOMPARE(before->dragDropMode(), QAbstractItemView::InternalMove);
    QCOMPARE(after->dragDropMode(), QAbstractItemView::InternalMove);
}

void RuleDialogTest::okAndCancel_data()
{
    QTest::addColumn<QString>("button"); // empty: the window's close control
    QTest::addColumn<bool>("emptyLists");
    QTest::addColumn<QStringList>("rules");
    QTest::addColumn<QStringList>("afterRules");

    const QStringList stored{"b1", "b2"};
    const QStringList storedAfter{"a1"};
    QTest::newRow("ok") << "okButton" << false << QStringList{"b2", "trim"}
                        << QStringList{"a1", "b1"};
    QTest::newRow("ok with emptied lists") << "okButton" << true << QStringList() << QStringList();
    QTest::newRow("cancel") << "cancelButton" << false << stored << storedAfter;
    QTest::newRow("close") << "" << false << stored << storedAfter;
}

// OK writes both lists top to bottom through the edit and user roles; cancel
// and close write nothing.
void RuleDialogTest::okAndCancel()
{
    QFETCH(QString, button);
    QFETCH(bool, emptyLists);
    QFETCH(QStringList, rules);
    QFETCH(QStringList, afterRules);

    OutputModeModel model;
    RuleDialog dialog(&model, rulesCell(model, {"b1", "b2"}, {"a1"}));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *before = child<QListWidget>(&dialog, "beforeListWidget");
    auto *after = child<QListWidget>(&dialog, "afterListWidget");
    if (emptyLists) {
        before->clear();
        after->clear();
    } else {
        before->setCurrentRow(0);
        click(&dialog, "moveDownButton");
        setWidgets(&dialog, {{"toolBox", 5}, {"trimRadioButton", true}});
        click(&dialog, "addBeforeButton");
    }

    if (button.isEmpty())
        dialog.close();
    else
        click(&dialog, qPrintable(button));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(button == "okButton" ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(model.item(0).rules, rules);
    QCOMPARE(model.item(0).afterRules, afterRules);
}

void RuleDialogTest::statementRules()
{
    PdfSetModel model;
    const QModelIndex cell = model.index(PdfSetModel::RuleRow, 0);
    model.setData(cell, QStringList{"r1"});

    PdfRuleDialog cancelled(&model, cell);
    setWidgets(&cancelled, {{"toolBox", 2}, {"insertLineEdit", "x"}});
    click(&cancelled, "addButton");
    QCOMPARE(texts(child<QListWidget>(&cancelled, "listWidget")),
             (QStringList{"r1", "prepend(x)"}));
    click(&cancelled, "cancelButton");
    QCOMPARE(model.field(0).rules, QStringList{"r1"});

    PdfRuleDialog dialog(&model, cell);
    FakeDesktop desktop;
    dialog.setDesktop(&desktop);
    const QList<FakeDesktop::Warning> &warnings = desktop.warnings;
    auto *list = child<QListWidget>(&dialog, "listWidget");
    QCOMPARE(list->dragDropMode(), QAbstractItemView::InternalMove);
    setWidgets(&dialog, {{"toolBox", 3}, {"findEdit", "a,b"}});
    click(&dialog, "addButton");
    QCOMPARE(warnings.size(), 1);
    setWidgets(&dialog, {{"toolBox", 0}, {"lengthSpinBox", 4}});
    click(&dialog, "addButton");
    list->setCurrentRow(0);
    click(&dialog, "delButton");
    click(&dialog, "okButton");
    QCOMPARE(model.field(0).rules, QStringList{"left(4)"});
}

// The sample line follows every change of the lists, with line ends visible.
void RuleDialogTest::preview()
{
    OutputModeModel model;
    RuleDialog dialog(
        &model, rulesCell(model, {"left(10)"}, {"find(contains(/),matchedString,replace(-))"}));
    dialog.setSampleValue("2024/05/01 09:12:33");
    auto *before = child<QLineEdit>(&dialog, "beforeResultLineEdit");
    auto *after = child<QLineEdit>(&dialog, "afterResultLineEdit");
    QVERIFY(before->isReadOnly());
    QCOMPARE(before->text(), QStringLiteral("2024/05/01"));
    QCOMPARE(after->text(), QStringLiteral("2024-05-01"));

    setWidgets(&dialog, {{"lengthSpinBox", 6}, {"lengthComboBox2", 2}});
    click(&dialog, "addBeforeButton");
    QCOMPARE(before->text(), QStringLiteral("2024/0\\n5/01"));
    QCOMPARE(after->text(), QStringLiteral("2024-0\\n5-01"));

    auto *afterList = child<QListWidget>(&dialog, "afterListWidget");
    afterList->setCurrentRow(0);
    click(&dialog, "delAfterButton");
    QCOMPARE(after->text(), QStringLiteral("2024/0\\n5/01"));

    // A drag within the list ends as a move of its rows.
    auto *beforeList = child<QListWidget>(&dialog, "beforeListWidget");
    beforeList->insertItem(0, beforeList->takeItem(1));
    QCOMPARE(before->text(), QStringLiteral("2024/0\\n5/0"));

    child<QLineEdit>(&dialog, "sampleLineEdit")->setText("ab\r\n");
    QCOMPARE(before->text(), QStringLiteral("ab\\r\\n"));

    PdfSetModel statement;
    const QModelIndex cell = statement.index(PdfSetModel::RuleRow, 0);
    statement.setData(cell, QStringList{"append( 様)"});
    PdfRuleDialog pdfDialog(&statement, cell);
    pdfDialog.setSampleValue("髙橋 一郎");
    QCOMPARE(child<QLineEdit>(&pdfDialog, "resultLineEdit")->text(),
             QStringLiteral("髙橋 一郎 様"));
}

void RuleDialogTest::statusTips()
{
    OutputModeModel model;
    RuleDialog dialog(&model, rulesCell(model, {}, {}));
    auto *findBox = child<QComboBox>(&dialog, "findBox");
    QStatusTipEvent tip(findBox->statusTip());
    QApplication::sendEvent(findBox, &tip);
    QCOMPARE(dialog.statusBar()->currentMessage(), QStringLiteral("검색 방법을 선택합니다"));
    QCOMPARE(dialog.layout()->itemAt(dialog.layout()->count() - 1)->widget(), dialog.statusBar());
}

QTEST_MAIN(RuleDialogTest)
#include "tst_gui_ruledialog.moc"

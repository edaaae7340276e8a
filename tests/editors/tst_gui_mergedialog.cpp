#include "editors/MergeDialog.h"
#include "editors/models/OutputModeModel.h"
#include "support/ChildWidget.h"
#include "support/FakeDesktop.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QStackedWidget>
#include <QtTest>

namespace {

QModelIndex mergeCell(OutputModeModel &model, const QString &merge, const QString &separator)
{
    OutputItem item;
    item.merge = merge;
    item.mergeSeparator = separator;
    model.replaceItem(model.appendItem().column(), item);
    return model.index(OutputModeModel::MergeRow, 0);
}

// The shown state, in one comparable line.
QString shown(QWidget *dialog)
{
    return QStringLiteral("type %1 %2 | separator %3 '%4' lf %5 crlf %6")
        .arg(child<QComboBox>(dialog, "mergeTypeComboBox")->currentIndex())
        .arg(child<QWidget>(dialog, "separatorGroupBox")->isEnabled() ? "on" : "off")
        .arg(child<QComboBox>(dialog, "separatorComboBox")->currentIndex())
        .arg(child<QLineEdit>(dialog, "separatorLineEdit")->text())
        .arg(child<QAbstractButton>(dialog, "lfRadioButton")->isChecked())
        .arg(child<QAbstractButton>(dialog, "crlfRadioButton")->isChecked());
}

} // namespace

class MergeDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void opening_data();
    void opening();
    void ok_data();
    void ok();
    void newLineCodeRequired();
    void separatorPageFollowsTheChoice_data();
    void separatorPageFollowsTheChoice();
    void cancelStoresNothing();
};

void MergeDialogTest::opening_data()
{
    QTest::addColumn<QString>("merge");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("widgets");

    QTest::newRow("string /") << "STRING"
                              << "/"
                              << "type 1 on | separator 0 '/' lf 0 crlf 0";
    QTest::newRow("string CRLF") << "STRING"
                                 << "\r\n"
                                 << "type 1 on | separator 1 '' lf 0 crlf 1";
    QTest::newRow("string LF") << "STRING"
                               << "\n"
                               << "type 1 on | separator 1 '' lf 1 crlf 0";
    QTest::newRow("string CR") << "STRING"
                               << "\r"
                               << "type 1 on | separator 0 '\r' lf 0 crlf 0";
    QTest::newRow("number") << "NUMBER"
                            << ""
                            << "type 2 off | separator 0 '' lf 0 crlf 0";
    QTest::newRow("no") << "NO"
                        << ""
                        << "type 0 off | separator 0 '' lf 0 crlf 0";
    QTest::newRow("empty") << ""
                           << ""
                           << "type 0 off | separator 0 '' lf 0 crlf 0";
    QTest::newRow("unknown") << "string"
                             << "/"
                             << "type 0 off | separator 0 '' lf 0 crlf 0";
}

void MergeDialogTest::opening()
{
    QFETCH(QString, merge);
    QFETCH(QString, separator);
    QFETCH(QString, widgets);

    OutputModeModel model;
    MergeDialog dialog(&model, mergeCell(model, merge, separator));
    QCOMPARE(shown(&dialog), widgets);
}

void MergeDialogTest::ok_data()
{
    QTest::addColumn<QString>("merge");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QVariantMap>("widgets");
    QTest::addColumn<QStringList>("stored");

    QTest::newRow("string / unchanged") << "STRING"
                                        << "/" << QVariantMap() << QStringList{"STRING", "/"};
    QTest::newRow("string CRLF unchanged") << "STRING"
                                           << "\r\n"
                                           << QVariantMap() << QStringList{"STRING", "\r\n"};
    QTest::newRow("empty becomes NO") << ""
                                      << "" << QVariantMap() << QStringList{"NO", ""};
    QTest::newRow("string to number drops separator")
        << "STRING"
        << "," << QVariantMap{{"mergeTypeComboBox", 2}} << QStringList{"NUMBER", ""};
    QTest::newRow("string to no") << "STRING"
                                  << "/" << QVariantMap{{"mergeTypeComboBox", 0}}
                                  << QStringList{"NO", ""};
    QTest::newRow("no to string with comma")
        << "NO"
        << "" << QVariantMap{{"mergeTypeComboBox", 1}, {"separatorLineEdit", ", "}}
        << QStringList{"STRING", ", "};
    QTest::newRow("no to string with empty separator")
        << "NO"
        << "" << QVariantMap{{"mergeTypeComboBox", 1}} << QStringList{"STRING", ""};
    QTest::newRow("text to LF") << "STRING"
                                << "/"
                                << QVariantMap{{"separatorComboBox", 1}, {"lfRadioButton", true}}
                                << QStringList{"STRING", "\n"};
    QTest::newRow("LF to text keeps no line end")
        << "STRING"
        << "\n"
        << QVariantMap{{"separatorComboBox", 0}, {"separatorLineEdit", "-"}}
        << QStringList{"STRING", "-"};
}

void MergeDialogTest::ok()
{
    QFETCH(QString, merge);
    QFETCH(QString, separator);
    QFETCH(QVariantMap, widgets);
    QFETCH(QStringList, stored);

    OutputModeModel model;
    const QModelIndex cell = mergeCell(model, merge, separator);
    MergeDialog dialog(&model, cell);
    for (auto it = widgets.cbegin(); it != widgets.cend(); ++it) {
        QWidget *widget = child<QWidget>(&dialog, qPrintable(it.key()));
        if (auto *combo = qobject_cast<QComboBox *>(widget))
            combo->setCurrentIndex(it.value().toInt());
        else if (auto *edit = qobject_cast<QLineEdit *>(widget))
            edit->setText(it.value().toString());
        else
            qobject_cast<QAbstractButton *>(widget)->setChecked(it.value().toBool());
    }
    child<QAbstractButton>(&dialog, "okButton")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(model.mergeOption(cell), stored);
}

void MergeDialogTest::newLineCodeRequired()
{
    OutputModeModel model;
    const QModelIndex cell = mergeCell(model, "NO", "");
    MergeDialog dialog(&model, cell);
    FakeDesktop desktop;
    dialog.setDesktop(&desktop);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    child<QComboBox>(&dialog, "mergeTypeComboBox")->setCurrentIndex(1);
    child<QComboBox>(&dialog, "separatorComboBox")->setCurrentIndex(1);
    child<QAbstractButton>(&dialog, "okButton")->click();

    QStringList warnings;
    for (const FakeDesktop::Warning &warning : desktop.warnings)
        warnings.append(warning.title + ": " + warning.text);
    QCOMPARE(warnings, QStringList{"Error: Select new line code."});
    QVERIFY(dialog.isVisible());
    QCOMPARE(model.mergeOption(cell), (QStringList{"NO", ""}));
}

void MergeDialogTest::separatorPageFollowsTheChoice_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("other");

    QTest::newRow("text, then new line") << "/"
                                         << "textSeparatorPage"
                                         << "newLineSeparatorPage";
    QTest::newRow("new line, then text") << "\r\n"
                                         << "newLineSeparatorPage"
                                         << "textSeparatorPage";
}

// The separator box shows the page for the kind the user picks, and the
// first page again when the user picks the first kind back.
void MergeDialogTest::separatorPageFollowsTheChoice()
{
    QFETCH(QString, separator);
    QFETCH(QString, first);
    QFETCH(QString, other);

    OutputModeModel model;
    MergeDialog dialog(&model, mergeCell(model, "STRING", separator));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *combo = child<QComboBox>(&dialog, "separatorComboBox");
    auto *pages = child<QStackedWidget>(&dialog, "separateStackedWidget");
    auto visiblePage = [&] {
        QWidget *page = pages->currentWidget();
        return page->isVisible() ? page->objectName() : QString();
    };
    QCOMPARE(visiblePage(), first);

    combo->setFocus();
    const int start = combo->currentIndex();
    QTest::keyClick(combo, start == 0 ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(visiblePage(), other);
    QVERIFY(!child<QWidget>(&dialog, qPrintable(first))->isVisible());
    QTest::keyClick(combo, start == 0 ? Qt::Key_Up : Qt::Key_Down);
    QCOMPARE(combo->currentIndex(), start);
    QCOMPARE(visiblePage(), first);
}

void MergeDialogTest::cancelStoresNothing()
{
    OutputModeModel model;
    const QModelIndex cell = mergeCell(model, "STRING", "/");
    MergeDialog dialog(&model, cell);
    child<QComboBox>(&dialog, "mergeTypeComboBox")->setCurrentIndex(2);
    child<QAbstractButton>(&dialog, "cancelButton")->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(model.mergeOption(cell), (QStringList{"STRING", "/"}));
}

QTEST_MAIN(MergeDialogTest)
#include "tst_gui_mergedialog.moc"

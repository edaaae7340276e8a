#include "app/InfoDialog.h"
#include "app/MainWindow.h"
#include "editors/ConfigDialog.h"
#include "editors/ConvertSettingDialog.h"
#include "editors/DescriptionDelegate.h"
#include "editors/EditConditionsDialog.h"
#include "editors/EditOutputItemsDialog.h"
#include "editors/KeySelectDialog.h"
#include "editors/MergeDialog.h"
#include "editors/OutputPreview.h"
#include "editors/PdfRuleDialog.h"
#include "editors/RuleDialog.h"
#include "editors/models/OutputModeModel.h"
#include "editors/models/PdfSetModel.h"
#include "settings/ConvertSettingStore.h"
#include "startup/ProgramFiles.h"
#include "startup/StartupTranslation.h"
#include "support/ChildWidget.h"
#include "support/FakeDesktop.h"
#include "support/TestWorkingFolder.h"
#include "updater/UpdateDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QSettings>
#include <QSizeGrip>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStringListModel>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolBox>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>
#include <functional>
#include <map>
#include <memory>

namespace {

QString plain(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

int textWidth(const QWidget *widget, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, widget->fontMetrics().horizontalAdvance(line));
    return widest;
}

int iconRoom(const QIcon &icon, const QSize &size)
{
    return icon.isNull() ? 0 : size.width() + 4;
}

// What an item view's delegate leaves around an entry's text.
int itemMargins(const QWidget *view)
{
    return 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
}

// The room a button's style gives its label, and the label's width.
QPair<int, int> buttonRoom(QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<QCheckBox *>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<QRadioButton *>(button))
        contents = QStyle::SE_RadioButtonContents;
    const int room = button->style()->subElementRect(contents, &option, button).width();
    return {room, textWidth(button, plain(button->text())) +
                      iconRoom(button->icon(), button->iconSize())};
}

// The room for the text of a closed combo box, as its style draws the label.
int comboRoom(QComboBox *combo)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    option.subControls = QStyle::SC_All;
    return combo->style()
               ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
               .width() -
           2;
}

// The room a status bar gives its message: from its left margin to the size grip.
int messageRoom(QStatusBar *bar)
{
    const QSizeGrip *grip = bar->findChild<QSizeGrip *>();
    const int right = grip && grip->isVisible() ? grip->x() : bar->width() - 12;
    return right - 6;
}

// Every text of a shown window that its widget cuts off, and a window whose
// contents need more room than it has: one line each, naming the widget.
QStringList cutTexts(QWidget *window)
{
    QStringList cut;
    auto report = [&cut](const QWidget *widget, const QString &text, int needed, int room) {
        if (needed > room)
            cut << QStringLiteral("%1 %2 \"%3\": needs %4, has %5")
                       .arg(QLatin1String(widget->metaObject()->className()), widget->objectName(),
                            text)
                       .arg(needed)
                       .arg(room);
    };
    const QSize needed = window->minimumSizeHint();
    if (needed.width() > window->width() || needed.height() > window->height())
        cut << QStringLiteral("window needs %1x%2, has %3x%4")
                   .arg(needed.width())
                   .arg(needed.height())
                   .arg(window->width())
                   .arg(window->height());

    // A status tip shows in the status bar while the pointer is on its widget.
    QSet<QString> tips;
    for (const QAction *action : window->findChildren<QAction *>())
        tips << action->statusTip();
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->isVisibleTo(window))
            tips << widget->statusTip();
    }
    tips.remove(QString());
    if (QStatusBar *statusBar = window->findChild<QStatusBar *>()) {
        for (const QString &tip : qAsConst(tips))
            report(statusBar, tip, textWidth(statusBar, tip), messageRoom(statusBar));
    }

    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window))
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (label->text().isEmpty())
                continue;
            const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                              -label->margin(), -label->margin());
            if (label->wordWrap())
                report(label, label->text(), label->heightForWidth(label->width()),
                       label->height());
            else if (Qt::mightBeRichText(label->text()))
                report(label, label->text(), label->minimumSizeHint().width(), label->width());
            else
                report(label, label->text(), textWidth(label, label->text()), room.width());
        } else if (auto *tool = qobject_cast<QToolButton *>(widget)) {
            if (tool->toolButtonStyle() != Qt::ToolButtonIconOnly && !tool->text().isEmpty())
                report(tool, tool->text(), tool->sizeHint().width(), tool->width());
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            const QPair<int, int> room = buttonRoom(button);
            report(button, button->text(), room.second, room.first);
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            if (qobject_cast<QFontComboBox *>(combo) || combo->isEditable())
                continue;
            for (int i = 0; i < combo->count(); ++i)
                report(combo, combo->itemText(i),
                       textWidth(combo, combo->itemText(i)) +
                           iconRoom(combo->itemIcon(i), combo->iconSize()),
                       comboRoom(combo));
        } else if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                QStyleOptionTab option;
                option.initFrom(tabs);
                option.rect = tabs->tabRect(i);
                option.text = tabs->tabText(i);
                option.icon = tabs->tabIcon(i);
                option.iconSize = tabs->iconSize();
                option.shape = tabs->shape();
                const QRect text =
                    tabs->style()->subElementRect(QStyle::SE_TabBarTabText, &option, tabs);
                report(tabs, tabs->tabText(i), textWidth(tabs, plain(tabs->tabText(i))),
                       text.width());
            }
        } else if (auto *list = qobject_cast<QListView *>(widget)) {
            // A wrapping list gives a long entry the lines it needs.
            if (list->wordWrap())
                continue;
            const QAbstractItemModel *model = list->model();
            for (int row = 0; row < model->rowCount(list->rootIndex()); ++row) {
                const QModelIndex entry = model->index(row, list->modelColumn(), list->rootIndex());
                const QString text = entry.data().toString();
                report(
                    list, text,
                    textWidth(list, text) +
                        iconRoom(entry.data(Qt::DecorationRole).value<QIcon>(), list->iconSize()) +
                        itemMargins(list),
                    list->viewport()->width());
            }
        } else if (auto *table = qobject_cast<QTableView *>(widget)) {
            // A cell may cut its text if its tool tip shows the whole of it.
            // Cells that show a description instead of the stored text are
            // measured with what they show.
            const QAbstractItemModel *model = table->model();
            QStyleOptionViewItem option;
            option.initFrom(table);
            option.font = table->font();
            for (int row = 0; row < model->rowCount(); ++row) {
                for (int column = 0; column < model->columnCount(); ++column) {
                    const QModelIndex cell = model->index(row, column);
                    QAbstractItemDelegate *delegate = table->itemDelegate(cell);
                    const auto *words = qobject_cast<DescriptionDelegate *>(delegate);
                    const QString described = words ? words->description(cell) : QString();
                    const QString text = described.isEmpty() ? cell.data().toString() : described;
                    const QString tip =
                        words ? words->toolTip(cell) : cell.data(Qt::ToolTipRole).toString();
                    if (!tip.contains(text))
                        report(table, text, delegate->sizeHint(option, cell).width(),
                               table->columnWidth(column));
                }
            }
        } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            // A value shown whole; an empty field keeps room to type in.
            QStyleOptionFrame option;
            option.initFrom(edit);
            const QMargins margins = edit->textMargins();
            const int room =
                edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).width() -
                margins.left() - margins.right() - 4;
            if (edit->text().isEmpty() && edit->maximumWidth() == QWIDGETSIZE_MAX)
                report(edit, QString(), edit->sizeHint().width(), edit->width());
            else if (edit->isReadOnly() || !edit->text().isEmpty())
                report(edit, edit->text(), textWidth(edit, edit->text()), room);
        }
    }
    return cut;
}

bool copyDemo(const QString &to)
{
    const QDir demo(QStringLiteral(TEST_SOURCE_DIR "/examples/demo"));
    for (const QString &name : demo.entryList(QDir::Files)) {
        if (!QFile::copy(demo.filePath(name), QDir(to).filePath(name)))
            return false;
    }
    return true;
}

// The updater's window once its version check has answered.
std::unique_ptr<QWidget> updater(const QByteArray &versionDocumentUrl, int page)
{
    const QByteArray previous = qgetenv("ROWSMITH_UPDATE_URL");
    qputenv("ROWSMITH_UPDATE_URL", versionDocumentUrl);
    auto dialog = std::make_unique<UpdateDialog>(std::make_unique<FakeDesktop>());
    dialog->setCurrentVersion(QStringLiteral("1.00"));
    auto *pages = child<QStackedWidget>(dialog.get(), "stackedWidget");
    auto *check = child<QLabel>(dialog.get(), "versionCheckLabel");
    const QString checking = check->text();
    const QDeadlineTimer deadline(10000);
    while (pages->currentIndex() == 0 && check->text() == checking && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    qputenv("ROWSMITH_UPDATE_URL", previous);
    pages->setCurrentIndex(page);
    return dialog;
}

} // namespace

// Every window of the program and the updater, in Japanese and in Korean, at
// the size it opens with: no text is wider than the room its widget gives it.
class GuiLayoutTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void nothingIsCut_data();
    void nothingIsCut();

private:
    using Opener = std::function<std::unique_ptr<QWidget>()>;
    std::map<QString, Opener> windows();

    QTemporaryDir preferences_;
    std::unique_ptr<TestWorkingFolder> folder_;
};

void GuiLayoutTest::initTestCase()
{
    QVERIFY(preferences_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, preferences_.path());
    folder_ = std::make_unique<TestWorkingFolder>();
    QVERIFY(copyDemo(folder_->path()));
}

std::map<QString, GuiLayoutTest::Opener> GuiLayoutTest::windows()
{
    // The editors open on items of the demo setting, as the convert setting
    // dialog opens them: the item with the longest example value for the rules.
    const ConvertSetting setting =
        ConvertSettingStore::load(ConvertSettingStore::settingNames()[0]);
    const CompanyInfo company = CompanyInfo::read();
    auto output = std::make_shared<OutputModeModel>();
    for (const OutputItem &item : setting.outputItems)
        output->replaceItem(output->appendItem().column(), item);
    auto itemWhere = [&setting](const std::function<int(const OutputItem &)> &score) {
        int best = 0;
        for (int i = 0; i < setting.outputItems.size(); ++i) {
            if (score(setting.outputItems.at(i)) > score(setting.outputItems.at(best)))
                best = i;
        }
        return best;
    };
    const int ruled = itemWhere([&](const OutputItem &item) {
        return item.rules.isEmpty() ? -1
                                    : OutputPreview::sourceValue(item, setting.ex1, company).size();
    });
    const int conditioned = itemWhere([](const OutputItem &item) { return item.condRules.size(); });
    const int merged = itemWhere([](const OutputItem &item) { return item.mergesStrings(); });
    const int joined = itemWhere([](const OutputItem &item) { return item.mappings.size(); });
    const QString ruledSample =
        OutputPreview::sourceValue(setting.outputItems.value(ruled), setting.ex1, company);
    const StatementField name = setting.statementFields.value(StatementFields::Name);
    const QString nameSample = OutputPreview::sourceValue(name, setting.ex1);
    const QStringList heads = setting.heads;
    auto names = std::make_shared<QStringListModel>(ConvertSettingStore::settingNames());

    auto conditions = [output, conditioned](int type) {
        auto dialog = std::make_unique<EditConditionsDialog>(
            output.get(), output->index(OutputModeModel::ConditionsRow, conditioned));
        dialog->selectLastRow();
        child<QComboBox>(dialog.get(), "typeComboBox")->setCurrentIndex(type);
        return dialog;
    };
    auto merge = [output, merged](int separator) {
        auto dialog = std::make_unique<MergeDialog>(
            output.get(), output->index(OutputModeModel::MergeRow, merged));
        child<QComboBox>(dialog.get(), "mergeTypeComboBox")->setCurrentIndex(1);
        child<QComboBox>(dialog.get(), "separatorComboBox")->setCurrentIndex(separator);
        return dialog;
    };
    auto convertSetting = [names](const char *tab) {
        auto dialog = std::make_unique<ConvertSettingDialog>(names.get());
        dialog->load(names->index(0));
        auto *tabs = child<QTabWidget>(dialog.get(), "outputTabWidget");
        tabs->setCurrentWidget(child<QWidget>(dialog.get(), tab));
        return dialog;
    };
    return {
        {"main window",
         [] {
             auto desktop = std::make_unique<FakeDesktop>();
             desktop->openAnswers.enqueue(
                 {QStringLiteral("orders.csv"), QStringLiteral("order-lines.csv")});
             auto window = std::make_unique<MainWindow>(std::move(desktop));
             child<QToolButton>(window.get(), "addButton")->click();
             return window;
         }},
        {"company info", [names] { return std::make_unique<ConfigDialog>(names.get()); }},
        {"company info: settings",
         [names] {
             auto dialog = std::make_unique<ConfigDialog>(names.get());
             child<QTabWidget>(dialog.get(), "tabWidget")->setCurrentIndex(1);
             return dialog;
         }},
        {"convert setting: CSV", [convertSetting] { return convertSetting("csvFileTab"); }},
        {"convert setting: statement", [convertSetting] { return convertSetting("pdfTab"); }},
        {"output items",
         [output, joined] {
             return std::make_unique<EditOutputItemsDialog>(
                 output.get(), output->index(OutputModeModel::OutputRow, joined));
         }},
        {"rules",
         [output, ruled, ruledSample] {
             auto dialog = std::make_unique<RuleDialog>(
                 output.get(), output->index(OutputModeModel::RulesRow, ruled));
             dialog->setSampleValue(ruledSample);
             return dialog;
         }},
        {"statement rules",
         [name, nameSample] {
             auto *statement = new PdfSetModel;
             const QModelIndex cell = statement->index(PdfSetModel::RuleRow, StatementFields::Name);
             statement->setData(cell, name.rules);
             auto dialog = std::make_unique<PdfRuleDialog>(statement, cell);
             statement->setParent(dialog.get());
             dialog->setSampleValue(nameSample);
             return dialog;
         }},
        {"conditions: text", [conditions] { return conditions(0); }},
        {"conditions: number", [conditions] { return conditions(1); }},
        {"merge: text separator", [merge] { return merge(0); }},
        {"merge: new line", [merge] { return merge(1); }},
        {"key select",
         [heads] { return std::make_unique<KeySelectDialog>(heads, heads.mid(0, 6), 0, 0); }},
        {"about", [] { return std::make_unique<InfoDialog>(); }},
        {"updater: versions",
         [] {
             QFile document(QStringLiteral(TEST_SOURCE_DIR "/examples/update/latest.xml"));
             document.open(QIODevice::ReadOnly);
             return updater("data:application/xml;base64," + document.readAll().toBase64(), 1);
         }},
        {"updater: no connection", [] { return updater("http://127.0.0.1:9/", 0); }},
        {"updater: failed update",
         [] {
             // The longest texts the update page shows, on a long file name.
             auto dialog = updater("http://127.0.0.1:9/", 2);
             const QString file = QStringLiteral("languages/lang_updater_jp.qm");
             auto text = [](const char *source) {
                 return QCoreApplication::translate("UpdateDialog", source);
             };
             child<QLabel>(dialog.get(), "statusLabel")
                 ->setText(text("Downloading file '%1'...").arg(file));
             child<QLabel>(dialog.get(), "resultLabel")
                 ->setText(text("Failed to copy downloaded file '%1'").arg(file) +
                           QLatin1Char('\n') +
                           text("Some files of the previous version could not be "
                                "put back. Please install Rowsmith again."));
             return dialog;
         }},
    };
}

void GuiLayoutTest::nothingIsCut_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    const QStringList names = {"main window",
                               "company info",
                               "company info: settings",
                               "convert setting: CSV",
                               "convert setting: statement",
                               "output items",
                               "rules",
                               "statement rules",
                               "conditions: text",
                               "conditions: number",
                               "merge: text separator",
                               "merge: new line",
                               "key select",
                               "about",
                               "updater: versions",
                               "updater: no connection",
                               "updater: failed update"};
    for (const auto &[tag, language] : {std::pair{"ja", "Japanese"}, std::pair{"ko", "Korean"}}) {
        for (const QString &window : names)
            QTest::addRow("%s: %s", tag, qPrintable(window)) << language << window;
    }
}

void GuiLayoutTest::nothingIsCut()
{
    QFETCH(QString, language);
    QFETCH(QString, window);

    // As the programs' start-ups load them.
    QTranslator own, updater, qt;
    QVERIFY(loadTranslation(own, language, programFileFolders()));
    QVERIFY(
        loadTranslation(updater, language, programFileFolders(), QStringLiteral("lang_updater")));
    loadQtTranslation(qt, language, programFileFolders());
    for (QTranslator *translator : {&own, &updater, &qt})
        QCoreApplication::installTranslator(translator);
    auto removeTranslators = qScopeGuard([&] {
        for (QTranslator *translator : {&own, &updater, &qt})
            QCoreApplication::removeTranslator(translator);
    });

    const auto opener = windows().at(window);
    std::unique_ptr<QWidget> shown = opener();
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
    QStringList cut = cutTexts(shown.get());
    // The rule editors' tool box shows one page at a time.
    for (QToolBox *pages : shown->findChildren<QToolBox *>()) {
        for (int page = 1; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            QTest::qWait(0);
            cut << cutTexts(shown.get());
        }
    }
    cut.removeDuplicates();
    for (const QString &text : cut)
        qWarning("%s", qPrintable(text));
    QVERIFY2(cut.isEmpty(), qPrintable(window + QStringLiteral(" cuts texts off")));
}

QTEST_MAIN(GuiLayoutTest)
#include "tst_gui_layout.moc"

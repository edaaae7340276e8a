#include "editors/RuleToolBox.h"

#include "editors/WordBox.h"
#include "language/FindRule.h"
#include "language/RuleKeyword.h"
#include "language/TextTest.h"
#include "ui_RuleToolBox.h"

namespace {

enum Page
{
    LengthPage,
    NewLinePage,
    InsertPage,
    FindPage,
    CharacterTypePage,
    BlankPage
};

using Operation = RuleKeyword::Operation;

// A length action's operations counted from the start and from the end.
QVariant fromStartAndEnd(Operation fromStart, Operation fromEnd)
{
    return QVariantList{int(fromStart), int(fromEnd)};
}

// Search, scope and action are separated by "," inside a find rule, so a
// text holding one would be read as other parts.
bool hasComma(const QLineEdit *edit)
{
    return edit->text().contains(QLatin1Char(','));
}

// The rule of the checked button; empty when none is checked.
QString checkedRule(std::initializer_list<std::pair<const QRadioButton *, Operation>> buttons)
{
    for (const auto &[button, operation] : buttons) {
        if (button->isChecked())
            return RuleKeyword::rule(operation);
    }
    return QString();
}

} // namespace

RuleToolBox::RuleToolBox(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::RuleToolBox>())
{
    ui->setupUi(this);
    ui->lengthComboBox2->addItem(tr("남기기"), fromStartAndEnd(Operation::Left, Operation::Right));
    ui->lengthComboBox2->addItem(tr("잘라내기"),
                                 fromStartAndEnd(Operation::CutLeft, Operation::CutRight));
    ui->lengthComboBox2->addItem(tr("개행"),
                                 fromStartAndEnd(Operation::BreakLine, Operation::BreakLine));
    ui->insertComboBox->addItem(tr("처음"), int(Operation::Prepend));
    ui->insertComboBox->addItem(tr("끝"), int(Operation::Append));
    WordBox::addWords(ui->findBox, TextTest::words());
    WordBox::addWords(ui->scopeComboBox, FindRule::scopeWords());
    WordBox::addWords(ui->replaceBox, FindRule::actionWords());
}

RuleToolBox::~RuleToolBox() = default;

RuleToolBox::Rule RuleToolBox::currentRule() const
{
    switch (ui->toolBox->currentIndex()) {
    case LengthPage:
        return {lengthRule()};
    case NewLinePage:
        return {newLineRule()};
    case InsertPage:
        return insertRule();
    case FindPage:
        return findRule();
    case CharacterTypePage:
        return {characterTypeRule()};
    case BlankPage:
        return {blankRule()};
    default:
        return {};
    }
}

void RuleToolBox::on_replaceBox_currentIndexChanged(int index)
{
    const bool replaces = WordBox::kindAt(ui->replaceBox, index, FindRule::actionWords(),
                                          FindRule::Action::Unknown) == FindRule::Action::Replace;
    ui->replaceLabel->setEnabled(replaces);
    ui->replaceEdit->setEnabled(replaces);
    if (replaces)
        ui->replaceEdit->setFocus();
}

void RuleToolBox::on_lengthComboBox2_currentIndexChanged(int index)
{
    // A line break has no direction.
    const QVariantList operations = ui->lengthComboBox2->itemData(index).toList();
    ui->lengthComboBox->setEnabled(operations.value(0) != operations.value(1));
}

QString RuleToolBox::lengthRule() const
{
    const int count = ui->lengthSpinBox->value();
    if (count == 0)
        return QString();
    const int end = ui->lengthComboBox->currentIndex() == 0 ? 0 : 1;
    const auto operation =
        Operation(ui->lengthComboBox2->currentData().toList().value(end).toInt());
    return RuleKeyword::rule(operation, QString::number(count));
}

QString RuleToolBox::newLineRule() const
{
    return checkedRule({{ui->lfRadioButton, Operation::NewLineToLf},
                        {ui->crlfRadioButton, Operation::NewLineToCrLf},
                        {ui->removeCrlfRradioButton, Operation::NewLineRemove}});
}

RuleToolBox::Rule RuleToolBox::insertRule() const
{
    const QString text = ui->insertLineEdit->text();
    if (text.isEmpty())
        return {};
    if (hasComma(ui->insertLineEdit))
        return {QString(), ui->insertLineEdit};
    const bool atStart = ui->insertComboBox->currentIndex() == 0;
    return {RuleKeyword::rule(atStart ? Operation::Prepend : Operation::Append, text)};
}

RuleToolBox::Rule RuleToolBox::findRule() const
{
    const QString search = ui->findEdit->text();
    if (search.isEmpty())
        return {};
    if (hasComma(ui->findEdit))
        return {QString(), ui->findEdit};

    const auto action =
        WordBox::currentKind(ui->replaceBox, FindRule::actionWords(), FindRule::Action::Unknown);
    if (action == FindRule::Action::Replace && hasComma(ui->replaceEdit))
        return {QString(), ui->replaceEdit};
    const QString test =
        ui->findBox->currentData().toString() + QLatin1Char('(') + search + QLatin1Char(')');
    const auto scope =
        WordBox::currentKind(ui->scopeComboBox, FindRule::scopeWords(), FindRule::Scope::Unknown);
    return {RuleKeyword::rule(Operation::Find,
                              FindRule::argument(test, scope, action, ui->replaceEdit->text()))};
}

QString RuleToolBox::characterTypeRule() const
{
    return checkedRule({{ui->lowercaseRadioButton, Operation::LowerCase},
                        {ui->uppercaseRadioButton, Operation::UpperCase},
                        {ui->fullWidthRadioButton, Operation::FullWidth},
                        {ui->halfWidthRadioButton, Operation::HalfWidth},
                        {ui->hirakanaRadioButton, Operation::Hiragana},
                        {ui->katakanaRadioButton, Operation::Katakana}});
}

QString RuleToolBox::blankRule() const
{
    return checkedRule({{ui->trimRadioButton, Operation::Trim},
                        {ui->simplifiedRadioButton, Operation::Simplified}});
}

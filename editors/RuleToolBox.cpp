#include "editors/RuleToolBox.h"

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

enum LengthAction
{
    Keep,
    Cut,
    BreakLine
};

enum FindAction
{
    Print,
    Delete,
    Replace
};

// Search, scope and action are separated by "," inside a find rule, so a
// text holding one would be read as other parts.
bool hasComma(const QLineEdit *edit)
{
    return edit->text().contains(QLatin1Char(','));
}

QString call(const QString &name, const QString &argument)
{
    return name + QLatin1Char('(') + argument + QLatin1Char(')');
}

} // namespace

RuleToolBox::RuleToolBox(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::RuleToolBox>())
{
    ui->setupUi(this);
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
    const bool replaces = index == Replace;
    ui->replaceLabel->setEnabled(replaces);
    ui->replaceEdit->setEnabled(replaces);
    if (replaces)
        ui->replaceEdit->setFocus();
}

void RuleToolBox::on_lengthComboBox2_currentIndexChanged(int index)
{
    // A line break has no direction.
    ui->lengthComboBox->setEnabled(index != BreakLine);
}

QString RuleToolBox::lengthRule() const
{
    const int count = ui->lengthSpinBox->value();
    if (count == 0)
        return QString();
    const bool fromStart = ui->lengthComboBox->currentIndex() == 0;
    QString name;
    switch (ui->lengthComboBox2->currentIndex()) {
    case Keep:
        name = fromStart ? QStringLiteral("left") : QStringLiteral("right");
        break;
    case Cut:
        name = fromStart ? QStringLiteral("cutLeft") : QStringLiteral("cutRight");
        break;
    default:
        name = QStringLiteral("breakLine");
        break;
    }
    return call(name, QString::number(count));
}

QString RuleToolBox::newLineRule() const
{
    if (ui->lfRadioButton->isChecked())
        return QStringLiteral("newLine(LF)");
    if (ui->crlfRadioButton->isChecked())
        return QStringLiteral("newLine(CRLF)");
    if (ui->removeCrlfRradioButton->isChecked())
        return QStringLiteral("newLine(REMOVE)");
    return QString();
}

RuleToolBox::Rule RuleToolBox::insertRule() const
{
    const QString text = ui->insertLineEdit->text();
    if (text.isEmpty())
        return {};
    if (hasComma(ui->insertLineEdit))
        return {QString(), ui->insertLineEdit};
    const bool atStart = ui->insertComboBox->currentIndex() == 0;
    return {call(atStart ? QStringLiteral("prepend") : QStringLiteral("append"), text)};
}

RuleToolBox::Rule RuleToolBox::findRule() const
{
    const QString search = ui->findEdit->text();
    if (search.isEmpty())
        return {};
    if (hasComma(ui->findEdit))
        return {QString(), ui->findEdit};

    QString action;
    switch (ui->replaceBox->currentIndex()) {
    case Print:
        action = QStringLiteral("print");
        break;
    case Delete:
        action = QStringLiteral("delete");
        break;
    default:
        if (hasComma(ui->replaceEdit))
            return {QString(), ui->replaceEdit};
        action = call(QStringLiteral("replace"), ui->replaceEdit->text());
        break;
    }
    const QString test =
        call(TextTest::names().value(qMax(0, ui->findBox->currentIndex())), search);
    const QString scope = ui->scopeComboBox->currentIndex() == 0 ? QStringLiteral("fullString")
                                                                 : QStringLiteral("matchedString");
    return {
        call(QStringLiteral("find"), test + QLatin1Char(',') + scope + QLatin1Char(',') + action)};
}

QString RuleToolBox::characterTypeRule() const
{
    const std::pair<const QRadioButton *, const char *> kinds[] = {
        {ui->lowercaseRadioButton, "lowerCase"}, {ui->uppercaseRadioButton, "upperCase"},
        {ui->fullWidthRadioButton, "fullWidth"}, {ui->halfWidthRadioButton, "halfWidth"},
        {ui->hirakanaRadioButton, "hirakana"},   {ui->katakanaRadioButton, "katakana"}};
    for (const auto &kind : kinds) {
        if (kind.first->isChecked())
            return call(QStringLiteral("charType"), QLatin1String(kind.second));
    }
    return QString();
}

QString RuleToolBox::blankRule() const
{
    // Stored without parentheses.
    if (ui->trimRadioButton->isChecked())
        return QStringLiteral("trim");
    if (ui->simplifiedRadioButton->isChecked())
        return QStringLiteral("simplified");
    return QString();
}

#include "editors/DescriptionDelegate.h"

#include "language/RuleDescription.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

DescriptionDelegate::DescriptionDelegate(Describe describe, Shown shown, QObject *parent)
    : QStyledItemDelegate(parent), describe_(std::move(describe)), shown_(shown)
{}

void DescriptionDelegate::describeRuleList(QAbstractItemView *list)
{
    const auto describe = [](const QModelIndex &index) {
        return RuleDescription::rule(index.data().toString());
    };
    list->setItemDelegate(new DescriptionDelegate(describe, Shown::ToolTipOnly, list));
}

QString DescriptionDelegate::toolTip(const QModelIndex &index) const
{
    const QString description = describe_(index);
    const QString tip = index.data(Qt::ToolTipRole).toString();
    if (description.isEmpty() || tip.isEmpty())
        return description + tip;
    return description + QLatin1String("\n\n") + tip;
}

bool DescriptionDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                    const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString text = toolTip(index);
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), text, view->viewport(), view->visualRect(index));
    return true;
}

void DescriptionDelegate::initStyleOption(QStyleOptionViewItem *option,
                                          const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (shown_ != Shown::TextAndToolTip)
        return;
    QString description = describe_(index);
    // As the base class does with the model's text: the style breaks lines
    // only at line separators.
    if (!description.isEmpty())
        option->text = description.replace(QLatin1Char('\n'), QChar::LineSeparator);
}

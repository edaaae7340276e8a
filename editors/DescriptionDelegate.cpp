#include "editors/DescriptionDelegate.h"

#include "language/RuleDescription.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QListView>
#include <QRegularExpression>
#include <QToolTip>

DescriptionDelegate::DescriptionDelegate(Describe describe, Shown shown, QObject *parent)
    : QStyledItemDelegate(parent), describe_(std::move(describe)), shown_(shown)
{}

void DescriptionDelegate::describeRuleList(QListView *list)
{
    // A long stored rule wraps inside the list instead of running under its edge.
    list->setWordWrap(true);
    list->setResizeMode(QListView::Adjust);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const auto describe = [](const QModelIndex &index) {
        return RuleDescription::rule(index.data().toString());
    };
    list->setItemDelegate(new DescriptionDelegate(describe, Shown::ToolTipOnly, list));
}

namespace {

bool wrapsEntries(const QWidget *widget)
{
    const auto *list = qobject_cast<const QListView *>(widget);
    return list && list->wordWrap();
}

} // namespace

// A list sizes its entries without a width to wrap at; give it the viewport's.
QSize DescriptionDelegate::sizeHint(const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const
{
    if (!wrapsEntries(option.widget))
        return QStyledItemDelegate::sizeHint(option, index);
    QStyleOptionViewItem item = option;
    item.rect = QRect(0, 0, static_cast<const QListView *>(option.widget)->viewport()->width(), 1);
    return QStyledItemDelegate::sizeHint(item, index);
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
    if (wrapsEntries(option->widget)) {
        // The style breaks lines only between words, and a stored rule has no
        // blanks: it may break after its commas and parentheses.
        static const QRegularExpression breaks(QStringLiteral("([,()])"));
        option->text.replace(breaks, QStringLiteral("\\1\u200B"));
    }
    if (shown_ != Shown::TextAndToolTip)
        return;
    QString description = describe_(index);
    // As the base class does with the model's text: the style breaks lines
    // only at line separators.
    if (!description.isEmpty())
        option->text = description.replace(QLatin1Char('\n'), QChar::LineSeparator);
}

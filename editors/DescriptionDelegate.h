#pragma once

#include <QStyledItemDelegate>
#include <functional>

class QListView;

// Shows what a stored rule, condition or merge string means: as the tool tip of
// every cell it describes, and, when asked, as the cell's text in place of the
// stored string. The model keeps the stored strings; an empty description
// leaves a cell as the model shows it.
class DescriptionDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using Describe = std::function<QString(const QModelIndex &)>;
    enum class Shown
    {
        ToolTipOnly,
        TextAndToolTip
    };

    DescriptionDelegate(Describe describe, Shown shown, QObject *parent);
    // Gives every entry of a list of rule strings its description as tool tip,
    // and wraps the entries that are wider than the list.
    static void describeRuleList(QListView *list);

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;
    // The description, empty where the cell shows the model's text.
    QString description(const QModelIndex &index) const { return describe_(index); }
    // The text shown as tool tip: the description, then the model's own tip.
    QString toolTip(const QModelIndex &index) const;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    Describe describe_;
    Shown shown_;
};

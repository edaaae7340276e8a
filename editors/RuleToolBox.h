#pragma once

#include <QWidget>
#include <memory>

class QLineEdit;

namespace Ui {
class RuleToolBox;
}

// The six pages from which the rule editors build one rule string: length,
// new-line code, insert, find and replace, character type, blanks.
class RuleToolBox : public QWidget
{
    Q_OBJECT
public:
    // The rule of the current page; empty when the page makes none. A text
    // field holding a "," makes no rule and is named in refused.
    struct Rule
    {
        QString text;
        QLineEdit *refused = nullptr;
    };

    explicit RuleToolBox(QWidget *parent = nullptr);
    ~RuleToolBox() override;

    Rule currentRule() const;

private Q_SLOTS:
    void on_replaceBox_currentIndexChanged(int index);
    void on_lengthComboBox2_currentIndexChanged(int index);

private:
    QString lengthRule() const;
    QString newLineRule() const;
    Rule insertRule() const;
    Rule findRule() const;
    QString characterTypeRule() const;
    QString blankRule() const;

    std::unique_ptr<Ui::RuleToolBox> ui;
};

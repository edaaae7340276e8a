#pragma once

#include <QGroupBox>
#include <memory>

namespace Ui {
class DragGroupBox;
}

// The company information box: eight labels, one per company field, each of
// which starts a drag of its field onto an output item.
class DragGroupBox : public QGroupBox
{
    Q_OBJECT
public:
    explicit DragGroupBox(QWidget *parent = nullptr);
    ~DragGroupBox() override;

    // The source code of a label's company field; -1 for any other name.
    static int sourceCode(const QString &labelName);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    std::unique_ptr<Ui::DragGroupBox> ui;
};

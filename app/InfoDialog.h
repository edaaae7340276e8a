#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class InfoDialog;
}

// The about box: product name, version, build date, the maker's home page
// and the legal notice.
class InfoDialog : public QDialog
{
    Q_OBJECT
public:
    explicit InfoDialog(QWidget *parent = nullptr);
    ~InfoDialog() override;

private:
    std::unique_ptr<Ui::InfoDialog> ui;
};

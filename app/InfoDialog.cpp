#include "app/InfoDialog.h"

#include "ui_InfoDialog.h"

#include <QCoreApplication>

// Outside any namespace, as Q_INIT_RESOURCE requires.
static void initIconResources()
{
    Q_INIT_RESOURCE(rowsmith_icons);
}

InfoDialog::InfoDialog(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::InfoDialog>())
{
    initIconResources();
    ui->setupUi(this);
    ui->versionLabel->setText(tr("Version : ") + QCoreApplication::applicationVersion());
    const QString address = QStringLiteral(ROWSMITH_WEB_ADDRESS);
    ui->urlLabel->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped()));
    ui->urlLabel->setVisible(!address.isEmpty());
}

InfoDialog::~InfoDialog() = default;

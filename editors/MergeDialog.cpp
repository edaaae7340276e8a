#include "editors/MergeDialog.h"

#include "editors/models/OutputModeModel.h"
#include "ui_MergeDialog.h"

namespace {

enum MergeType
{
    NoMerge,
    StringMerge,
    NumberSum
};

enum SeparatorKind
{
    TextSeparator,
    NewLineSeparator
};

const QString lf = QStringLiteral("\n");
const QString crlf = QStringLiteral("\r\n");

} // namespace

MergeDialog::MergeDialog(OutputModeModel *model, const QModelIndex &index, QWidget *parent)
    : Dialog(parent), ui(std::make_unique<Ui::MergeDialog>()), model_(model), index_(index)
{
    ui->setupUi(this);
    addStatusBar();

    const QStringList option = model->mergeOption(index);
    const QString type = option.value(0);
    const QString separator = option.value(1);
    if (type == QLatin1String("STRING")) {
        ui->mergeTypeComboBox->setCurrentIndex(StringMerge);
        if (separator == lf || separator == crlf) {
            ui->separatorComboBox->setCurrentIndex(NewLineSeparator);
            (separator == lf ? ui->lfRadioButton : ui->crlfRadioButton)->setChecked(true);
        } else {
            ui->separatorLineEdit->setText(separator);
        }
    } else if (type == QLatin1String("NUMBER")) {
        ui->mergeTypeComboBox->setCurrentIndex(NumberSum);
    }
}

MergeDialog::~MergeDialog() = default;

void MergeDialog::on_mergeTypeComboBox_currentIndexChanged(int index)
{
    ui->separatorGroupBox->setEnabled(index == StringMerge);
}

void MergeDialog::on_okButton_clicked()
{
    QString type = QStringLiteral("NO");
    QString separator;
    switch (ui->mergeTypeComboBox->currentIndex()) {
    case StringMerge:
        type = QStringLiteral("STRING");
        if (ui->separatorComboBox->currentIndex() == TextSeparator) {
            separator = ui->separatorLineEdit->text();
        } else if (ui->lfRadioButton->isChecked()) {
            separator = lf;
        } else if (ui->crlfRadioButton->isChecked()) {
            separator = crlf;
        } else {
            warn(tr("Select new line code."));
            return;
        }
        break;
    case NumberSum:
        type = QStringLiteral("NUMBER");
        break;
    default:
        break;
    }
    model_->setMerge(index_, type, separator);
    accept();
}

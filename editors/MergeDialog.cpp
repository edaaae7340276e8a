#include "editors/MergeDialog.h"

#include "editors/WordBox.h"
#include "editors/models/OutputModeModel.h"
#include "language/MergeType.h"
#include "ui_MergeDialog.h"

namespace {

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
    // Before the status bar, which sizes the dialog to its contents.
    WordBox::addWords(ui->mergeTypeComboBox, MergeType::words());
    addStatusBar();

    const QStringList option = model->mergeOption(index);
    const MergeType::Kind kind = MergeType::kindOf(option.value(0));
    const QString separator = option.value(1);
    WordBox::select(ui->mergeTypeComboBox, MergeType::words().name(kind));
    if (kind != MergeType::Kind::Strings)
        return;
    if (separator == lf || separator == crlf) {
        ui->separatorComboBox->setCurrentIndex(NewLineSeparator);
        (separator == lf ? ui->lfRadioButton : ui->crlfRadioButton)->setChecked(true);
    } else {
        ui->separatorLineEdit->setText(separator);
    }
}

MergeDialog::~MergeDialog() = default;

void MergeDialog::on_mergeTypeComboBox_currentIndexChanged(int index)
{
    ui->separatorGroupBox->setEnabled(
        WordBox::kindAt(ui->mergeTypeComboBox, index, MergeType::words(), MergeType::Kind::None) ==
        MergeType::Kind::Strings);
}

void MergeDialog::on_okButton_clicked()
{
    const auto kind =
        WordBox::currentKind(ui->mergeTypeComboBox, MergeType::words(), MergeType::Kind::None);
    QString separator;
    if (kind == MergeType::Kind::Strings) {
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
    }
    model_->setMerge(index_, MergeType::words().name(kind), separator);
    accept();
}

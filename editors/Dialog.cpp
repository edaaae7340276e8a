#include "editors/Dialog.h"

#include "editors/OpeningSize.h"
#include "editors/QtDesktop.h"
#include "settings/SettingsFileCheck.h"

#include <QLayout>
#include <QStatusBar>
#include <QStatusTipEvent>

// Outside any namespace, as Q_INIT_RESOURCE requires.
static void initIconResources()
{
    Q_INIT_RESOURCE(rowsmith_icons);
}

Dialog::Dialog(QWidget *parent)
    : QDialog(parent), statusBar_(new QStatusBar(this)), desktop_(QtDesktop::shared())
{
    // The forms name their icons by resource path; the icons live in this library.
    static const bool iconsReady = (initIconResources(), true);
    Q_UNUSED(iconsReady)
}

void Dialog::setDesktop(Desktop *desktop)
{
    desktop_ = desktop;
}

bool Dialog::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        statusBar_->showMessage(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

void Dialog::addStatusBar()
{
    if (layout())
        layout()->addWidget(statusBar_);
    // Where the contents would like more height (a larger font, more rows)
    // they get it rather than being squeezed.
    resize(openingSize(this, statusBar_).expandedTo(QSize(0, sizeHint().height())));
}

void Dialog::warn(const QString &text)
{
    desktop_->warning(this, tr("Error"), text);
}

bool Dialog::settingsFileMayBeSaved()
{
    const SettingsFileCheck file = SettingsFileCheck::now();
    if (file.isReadable())
        return true;
    warn(file.message());
    return false;
}

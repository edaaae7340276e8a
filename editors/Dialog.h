#pragma once

#include <QDialog>

class Desktop;
class QStatusBar;

// Common base of the setting dialogs: a status bar of its own that shows the
// status tips of the dialog's widgets, and the desktop they ask for boxes,
// files and modal runs.
class Dialog : public QDialog
{
    Q_OBJECT
public:
    explicit Dialog(QWidget *parent = nullptr);

    QStatusBar *statusBar() const { return statusBar_; }
    // The opener (and a test) may put its own in, which must outlive the
    // dialog; the default is the real one.
    void setDesktop(Desktop *desktop);
    Desktop *desktop() const { return desktop_; }

protected:
    bool event(QEvent *event) override;
    // Appends the status bar as the last widget of the top-level layout and
    // grows the dialog where the form's size is too small for its contents or
    // its status tips; call once the form is built.
    void addStatusBar();
    // The warning box titled "Error".
    void warn(const QString &text);
    // Before a save: a settings file that cannot be read whole is not written
    // over, and the warning says why. False then.
    bool settingsFileMayBeSaved();

private:
    QStatusBar *statusBar_;
    Desktop *desktop_;
};

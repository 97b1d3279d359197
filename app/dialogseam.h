#pragma once
// Every dialog and message box of the panel goes through this one seam, so
// that tests can answer them without blocking.
#include <QString>

class QDialog;

struct OpenDialogRequest {
    QString filter;     // "Image Files (*.jpg, *.bmp)|*.jpg; *.bmp|..." as the panel writes it
    QString initialDir;
};

class DialogSeam {
public:
    virtual ~DialogSeam() = default;
    // A message box with an OK button.
    virtual void showMessage(const QString &text) = 0;
    // A file-open dialog; the chosen file, or empty when cancelled.
    virtual QString openFile(const OpenDialogRequest &request) = 0;
    // Shows a dialog modally and returns when it closes.
    virtual void showModal(QDialog &dialog) = 0;
};

// The seam in use: the real dialogs unless a test installed its own.
DialogSeam &dialogs();
// Installs a seam for tests; nullptr puts the real dialogs back.
void installDialogSeam(DialogSeam *seam);

// The user's own pictures folder, with a trailing '/': where the picture
// viewer starts until the loaded flight names the simulator's.
QString userPicturesFolder();

// The window's non-visual file-open dialog (OpenDialog1).
class OpenDialog {
public:
    QString Filter;
    QString InitialDir = userPicturesFolder();
    QString FileName;
    // Runs the dialog; true when a file was chosen (then in FileName).
    bool Execute();
};

#include "dialogseam.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

// The panel's filter lists "name|patterns" pairs; Qt wants "name (patterns)".
QString qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        out << parts[i] + QStringLiteral(" (") + patterns.simplified() + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

class RealDialogs : public DialogSeam {
public:
    void showMessage(const QString &text) override
    {
        QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok,
                        QApplication::activeWindow());
        box.exec();
    }
    QString openFile(const OpenDialogRequest &request) override
    {
        // A folder the system does not have starts at home.
        const QString dir = QDir(request.initialDir).exists() ? request.initialDir : QDir::homePath();
        return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), dir, qtFilter(request.filter));
    }
    void showModal(QDialog &dialog) override { dialog.exec(); }
};

RealDialogs g_real;
DialogSeam *g_seam = &g_real;

} // namespace

DialogSeam &dialogs()
{
    return *g_seam;
}

void installDialogSeam(DialogSeam *seam)
{
    g_seam = seam ? seam : &g_real;
}

QString userPicturesFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + QLatin1Char('/');
}

bool OpenDialog::Execute()
{
    const QString chosen = dialogs().openFile({Filter, InitialDir});
    if (chosen.isEmpty())
        return false;
    FileName = chosen;
    return true;
}

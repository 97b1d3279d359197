#pragma once
// Answers the panel's dialogs in tests: message boxes are recorded, file
// dialogs answered from a queue, modal dialogs run a script and close.
#include "dialogseam.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class FakeDialogs : public DialogSeam {
public:
    FakeDialogs() { installDialogSeam(this); }
    ~FakeDialogs() override { installDialogSeam(nullptr); }

    void showMessage(const QString &text) override { messages << text; }
    QString openFile(const OpenDialogRequest &request) override
    {
        requests << request;
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    void showModal(QDialog &dialog) override
    {
        ++modals;
        shown << dialog.windowTitle();
        if (whileModal)
            whileModal(dialog);
    }

    QStringList messages;
    QStringList files;
    QList<OpenDialogRequest> requests;
    QStringList shown;
    int modals = 0;
    std::function<void(QDialog &)> whileModal;
};

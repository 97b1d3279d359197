// Process entry: one panel window and the message loop. No command line is read.
#include "program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return runPanel(app);
}

// Handlers whose bodies arrive with their own panel areas. Each area's
// connect function binds nothing until the area lands, and each handler does
// nothing; an area's file takes its connect function and handlers from here.
#include "uACMainForm.h"

// APU panel
void TfrmACMain::connectApu() {}
void TfrmACMain::sbtnBatFixMouseDown(QObject *, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TfrmACMain::sbtnBatFixDblClick(QObject *) {}
void TfrmACMain::sbtnAPUClick(QObject *) {}
void TfrmACMain::TimerAPUTimer(QObject *) {}
void TfrmACMain::knbAPUChange(QObject *) {}
void TfrmACMain::knbAPUClick(QObject *) {}
void TfrmACMain::lAPUOffClick(QObject *) {}
void TfrmACMain::lAPUOnClick(QObject *) {}
void TfrmACMain::lAPUStartClick(QObject *) {}

// Keyboard shortcuts
void TfrmACMain::connectKeyboard() {}
void TfrmACMain::FormKeyDown(int, Qt::KeyboardModifiers) {}

// Mouse-wheel adjustment
void TfrmACMain::connectWheel() {}
void TfrmACMain::FormMouseWheel(QObject *, Qt::KeyboardModifiers, int, QPoint, bool &) {}

// Picture viewer and slide show
void TfrmACMain::connectViewer() {}
void TfrmACMain::Image1DblClick(QObject *) {}
void TfrmACMain::Image1MouseDown(QObject *, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TfrmACMain::cbxImage1Click(QObject *) {}
void TfrmACMain::btnImagePlayExitClick(QObject *) {}
void TfrmACMain::TimerImage1Timer(QObject *) {}

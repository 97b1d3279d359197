#pragma once
// The program's run, apart from main() so that a measurement can start the
// panel exactly as the program does: one panel per user, the window shown
// and activated (its first activation connects it), then the message loop.
class QApplication;

int runPanel(QApplication &app);

// A program that creates the main window and ends without running the event
// loop or destroying the window must still end cleanly: the window goes with
// the QApplication, while Qt's globals are still there. Exit code 0 or a crash.
#include "Unit1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Application->Initialize();
    Application->CreateForm(Form1);
    Form1->show();
    QCoreApplication::processEvents();
    return Form1->isVisible() ? 0 : 1;
}

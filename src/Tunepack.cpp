// The main block: create the main window and run until it is closed.
#include "Unit1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Application->Initialize();
    Application->CreateForm(Form1);
    return Application->Run();
}

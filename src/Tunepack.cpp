// The main block: create the main window and run until it is closed.
#include "Unit1.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/tunepack-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/tunepack-32.png"), QSize(32, 32));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral("tunepack"));
    Application->Initialize();
    Application->CreateForm(Form1);
    return Application->Run();
}

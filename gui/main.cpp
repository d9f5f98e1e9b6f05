// tremida: the expert-system shell with its windows, working on the table files and the
// configuration file of the current folder.

#include "app/TFormGlowne.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TREMIDA"));
    QApplication::setApplicationVersion(QStringLiteral("4.0"));
    tremida::gui::TFormGlowne okno(QDir::currentPath());
    okno.show();
    return app.exec();
}

// tremida: the expert-system shell with its windows, working on the table files and the
// configuration file of the current folder. Started with --wybierz-folder (as the desktop's
// applications menu starts it), it first asks for the working folder and makes it current.

#include "app/TFormGlowne.h"
#include "app/TlumaczeniaQt.h"
#include "app/WyborFolderu.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QSettings>

int main(int argc, char *argv[])
{
    // Qt's own file dialogs rather than the desktop's, so that they speak Polish too.
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TREMIDA"));
    QApplication::setApplicationVersion(QStringLiteral("4.0"));
    QApplication::setDesktopFileName(QStringLiteral("tremida"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tremida")));
    tremida::gui::wczytajTlumaczeniaQt();

    if (QApplication::arguments().contains(QString::fromLatin1(tremida::gui::OpcjaWyborFolderu))) {
        QSettings ustawienia(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("TREMIDA"),
                             QStringLiteral("tremida"));
        if (!tremida::gui::wybierzFolderRoboczy(ustawienia))
            return 0;
    }
    // The context outlives the main window and every window it opens: they hold references to it.
    tremida::gui::KontekstAplikacji kontekst(QDir::currentPath());
    tremida::gui::TFormGlowne okno(kontekst);
    okno.show();
    return app.exec();
}

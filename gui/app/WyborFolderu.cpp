#include "WyborFolderu.h"

#include "Komunikat.h"

#include <QDir>
#include <QFileDialog>
#include <QSettings>

namespace tremida::gui {

std::optional<QString> wybierzFolderRoboczy(QSettings &ustawienia, QWidget *rodzic)
{
    QString poczatek = ustawienia.value(QString::fromLatin1(KluczFolderuRoboczego)).toString();
    if (poczatek.isEmpty() || !QFileInfo(poczatek).isDir())
        poczatek = QDir::currentPath();
    for (;;) {
        // Qt's own dialog, not the desktop's: its texts come from the Polish catalogues
        // whatever the locale.
        QFileDialog dialog(rodzic, QStringLiteral("TREMIDA — wybór folderu roboczego"), poczatek);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        const QString wybrany = dialog.selectedFiles().constFirst();
        if (!QDir::setCurrent(wybrany)) {
            pokazKomunikat(QStringLiteral("Nie można pracować w folderze %1.\n\rWybierz inny folder.")
                               .arg(QDir::toNativeSeparators(wybrany)),
                           rodzic);
            poczatek = wybrany;
            continue;
        }
        const QString folder = QDir::currentPath();
        ustawienia.setValue(QString::fromLatin1(KluczFolderuRoboczego), folder);
        ustawienia.sync();
        return folder;
    }
}

} // namespace tremida::gui

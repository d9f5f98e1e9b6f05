#include "KopiaRobocza.h"

#include "app/ParKonfig.h"
#include "store/Schemat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tremida {

namespace {

std::unique_ptr<QTemporaryDir> katalogTymczasowy()
{
    auto d = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/tremida-proba-XXXXXX"));
    return d->isValid() ? std::move(d) : nullptr;
}

// The names of the files a run works on.
QStringList plikiFolderu()
{
    QStringList p{konfig::NazwaPliku};
    for (Tabela t : WszystkieTabele)
        p << opisTabeli(t).plik();
    return p;
}

bool kopiuj(const QString &z, const QString &do_, QString *blad)
{
    QFile plik(z);
    if (plik.copy(do_))
        return true;
    *blad = QStringLiteral("Nie można sporządzić kopii roboczej pliku %1: %2.")
                .arg(QDir::toNativeSeparators(z), plik.errorString());
    return false;
}

} // namespace

bool TKopiaRobocza::utworz(Baza &zrodlo, QString *blad)
{
    m_wzorzec = katalogTymczasowy();
    if (!m_wzorzec) {
        *blad = QStringLiteral("Nie można założyć folderu tymczasowego kopii roboczej tabel.");
        return false;
    }
    zrodlo.synchronizuj();
    // The read transaction: each attached table read once keeps its file from being changed by
    // another program until the copy is made.
    Transakcja odczyt(zrodlo);
    if (!odczyt.ok()) {
        *blad = zrodlo.blad() ? zrodlo.blad()->tekst() : QStringLiteral("Nie można odczytać tabel.");
        zrodlo.zapomnijBlad();
        return false;
    }
    for (Tabela t : WszystkieTabele) {
        if (zrodlo.czyDolaczona(t) && zrodlo.liczbaRekordow(t) < 0) {
            *blad = QStringLiteral("Nie można odczytać tabeli %1: tabela jest używana przez inny program albo "
                                   "jest uszkodzona.")
                        .arg(opisTabeli(t).plik());
            return false;
        }
    }
    const QDir folder(zrodlo.folder());
    for (const QString &nazwa : plikiFolderu()) {
        const QFileInfo fi(folder.filePath(nazwa));
        // Pipes and devices are never read in place of files.
        if (fi.exists() && fi.isFile() && !kopiuj(fi.filePath(), m_wzorzec->filePath(nazwa), blad))
            return false;
    }
    odczyt.wycofaj();
    return true;
}

std::unique_ptr<TFolderProby> TKopiaRobocza::nowaProba(QString *blad) const
{
    auto proba = std::make_unique<TFolderProby>();
    if (!m_wzorzec || !proba->katalog.isValid()) {
        *blad = QStringLiteral("Nie można założyć folderu tymczasowego kopii roboczej tabel.");
        return nullptr;
    }
    const QDir wzorzec(m_wzorzec->path());
    for (const QString &nazwa : plikiFolderu())
        if (wzorzec.exists(nazwa) && !kopiuj(wzorzec.filePath(nazwa), proba->katalog.filePath(nazwa), blad))
            return nullptr;
    if (!proba->baza.otworz(proba->katalog.path(), blad))
        return nullptr;
    proba->baza.synchronizuj();
    return proba;
}

} // namespace tremida

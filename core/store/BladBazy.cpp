#include "BladBazy.h"

#include <QSqlError>

#include <sqlite3.h>

namespace tremida {

QString przyczynaBleduBazy(int kod, const QString &tekstSilnika)
{
    switch (kod & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("tabela jest używana przez inny program");
    case SQLITE_FULL:
        return QStringLiteral("brak miejsca na dysku");
    case SQLITE_READONLY:
        return QStringLiteral("plik tabeli jest tylko do odczytu");
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("brak uprawnień do pliku tabeli");
    case SQLITE_NOTADB:
        return QStringLiteral("plik nie jest plikiem bazy danych");
    case SQLITE_CORRUPT:
        return QStringLiteral("plik tabeli jest uszkodzony");
    case SQLITE_IOERR:
        return QStringLiteral("błąd dysku przy odczycie lub zapisie pliku");
    case SQLITE_CANTOPEN:
        return QStringLiteral("nie można otworzyć pliku tabeli");
    case SQLITE_NOMEM:
        return QStringLiteral("brak pamięci operacyjnej");
    case SQLITE_TOOBIG:
        return QStringLiteral("wartość jest zbyt duża");
    case SQLITE_SCHEMA:
        return QStringLiteral("budowa tabeli została zmieniona przez inny program");
    case SQLITE_CONSTRAINT:
        return QStringLiteral("zmiana odrzucona przez ograniczenie tabeli (%1)").arg(tekstSilnika);
    case 0:
        // A failure the program found itself: its text is already the user's.
        if (!tekstSilnika.isEmpty())
            return tekstSilnika;
        break;
    default:
        break;
    }
    if (tekstSilnika.isEmpty())
        return QStringLiteral("nieznany błąd bazy danych");
    return QStringLiteral("błąd bazy danych (%1)").arg(tekstSilnika);
}

QString TBladBazy::tekst() const
{
    QString przyczyna = przyczynaBleduBazy(kod, tekstSilnika);
    if (!tabela && ((kod & 0xFF) == SQLITE_BUSY || (kod & 0xFF) == SQLITE_LOCKED))
        przyczyna = QStringLiteral("jedna z tabel jest używana przez inny program");
    const QString plik = tabela ? opisTabeli(*tabela).plik() : QString();
    switch (rodzaj) {
    case RodzajBleduBazy::Odczyt:
        return tabela ? QStringLiteral("Nie można odczytać tabeli %1: %2.").arg(plik, przyczyna)
                      : QStringLiteral("Nie można odczytać tabel bazy danych: %1.").arg(przyczyna);
    case RodzajBleduBazy::Zapis:
        return tabela ? QStringLiteral("Nie można zapisać zmian w tabeli %1: %2.").arg(plik, przyczyna)
                      : QStringLiteral("Nie można zapisać zmian w tabelach bazy danych: %1.").arg(przyczyna);
    case RodzajBleduBazy::Zatwierdzenie:
        return QStringLiteral("Nie można zatwierdzić zmian w tabelach bazy danych: %1. Żadna ze zmian nie została "
                              "zapisana.")
            .arg(przyczyna);
    case RodzajBleduBazy::Rozpoczecie:
        return QStringLiteral("Nie można rozpocząć zapisu do tabel bazy danych: %1.").arg(przyczyna);
    }
    return QString();
}

TBladBazy bladBazy(RodzajBleduBazy rodzaj, std::optional<Tabela> tabela, const QSqlError &e)
{
    TBladBazy b;
    b.rodzaj = rodzaj;
    b.tabela = tabela;
    b.kod = e.nativeErrorCode().toInt();
    b.tekstSilnika = e.databaseText().isEmpty() ? e.driverText() : e.databaseText();
    return b;
}

QString komunikatBleduBazy(const TBladBazy &b, const QString &ogon)
{
    return ogon.isEmpty() ? b.tekst() : b.tekst() + QStringLiteral("\n\r") + ogon;
}

} // namespace tremida

#include "BladBazy.h"

#include <QSqlError>

#include <sqlite3.h>

namespace tremida {

namespace {

// The cause said to the user for each primary result code of the engine.
struct PrzyczynaKodu {
    int kod;
    const char16_t *tekst;
};
constexpr PrzyczynaKodu przyczynyKodow[] = {
    {SQLITE_BUSY, u"tabela jest używana przez inny program"},
    {SQLITE_LOCKED, u"tabela jest używana przez inny program"},
    {SQLITE_FULL, u"brak miejsca na dysku"},
    {SQLITE_READONLY, u"plik tabeli jest tylko do odczytu"},
    {SQLITE_PERM, u"brak uprawnień do pliku tabeli"},
    {SQLITE_AUTH, u"brak uprawnień do pliku tabeli"},
    {SQLITE_NOTADB, u"plik nie jest plikiem bazy danych"},
    {SQLITE_CORRUPT, u"plik tabeli jest uszkodzony"},
    {SQLITE_IOERR, u"błąd dysku przy odczycie lub zapisie pliku"},
    {SQLITE_CANTOPEN, u"nie można otworzyć pliku tabeli"},
    {SQLITE_NOMEM, u"brak pamięci operacyjnej"},
    {SQLITE_TOOBIG, u"wartość jest zbyt duża"},
    {SQLITE_SCHEMA, u"budowa tabeli została zmieniona przez inny program"},
};

} // namespace

QString przyczynaBleduBazy(int kod, const QString &tekstSilnika)
{
    const int glowny = kod & 0xFF;
    for (const PrzyczynaKodu &p : przyczynyKodow)
        if (p.kod == glowny)
            return QString::fromUtf16(p.tekst);
    if (glowny == SQLITE_CONSTRAINT)
        return QStringLiteral("zmiana odrzucona przez ograniczenie tabeli (%1)").arg(tekstSilnika);
    // A failure the program found itself (code 0): its text is already the user's.
    if (glowny == 0 && !tekstSilnika.isEmpty())
        return tekstSilnika;
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

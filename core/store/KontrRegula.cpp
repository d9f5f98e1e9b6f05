#include "KontrRegula.h"

#include "Baza.h"

namespace tremida {

std::optional<TRekReg> regulaOKodzie(Baza &baza, int idReg, QString *blad)
{
    if (const auto r = rekordOKluczu(baza, Tabela::Reguly, idReg, blad))
        return TRekReg::z(*r);
    return std::nullopt;
}

std::optional<QString> kontrolaPoZatwierdzeniuReguly(const TRekReg &r, int maxPozReg)
{
    if (r.PozReg <= 0)
        return QStringLiteral("Wartość poziomu reguły błędna. Popraw.");
    if (r.PozReg > maxPozReg)
        return QStringLiteral("Poziom reguły przekracza wartość maksymalną zdefiniowaną w pliku konfiguracyjnym.\n\r"
                              "Wejdź w tryb edycji rekordu i zmniejsz wartość poziomu. Możesz też alternatywnie\n\r"
                              "powiększyć wartość maksymalną w pliku konfiguracyjnym.");
    if (r.CFReg < 0.0 || r.CFReg > 1.0)
        return QStringLiteral("CF reguły zpoza przedziału [0,1]. Wejdź w tryb edycji rekordu i popraw wartość.");
    if (r.InstrReg.trimmed().isEmpty())
        return QStringLiteral("Nie wprowadziłeś instrukcji i/lub zaleceń dla użytkownika, wynikających z konkluzji "
                              "reguły.\n\r"
                              "Istnienie tych instrukcji i/lub zaleceń nie warunkuje co prawda procesu wnioskowania,\n\r"
                              "jednak jest konieczne z merytorycznego punktu widzenia. Wejdź w tryb edycji rekordu\n\r"
                              "i dopisz te instrukcje i/lub zalecenia, aktualnie, lub najpóźniej przed startem procesu\n\r"
                              "wnioskowania.");
    return std::nullopt;
}

} // namespace tremida

#include "PrzebiegProbny.h"

#include "inference/DostepWnios.h"
#include "store/Konwersje.h"
#include "store/Slowa.h"

namespace tremida {

namespace {

// The user of a trial run: answers as scripted, everything shown is recorded.
class TUzytkownikProby : public TUzytkownikSkryptowy {
public:
    TUzytkownikProby(Baza &baza, const TParKonfig &konfig, TWynikProby &wynik)
        : TUzytkownikSkryptowy(baza, konfig), m_wynik(wynik)
    {
    }
    void komunikat(const QString &tekst) override { m_wynik.komunikaty << tekst; }
    void czytajFakt(TKontekstCzytFakt &kontekst) override
    {
        m_wynik.pytania << kontekst.fakt.IdFakt;
        TUzytkownikSkryptowy::czytajFakt(kontekst);
    }
    void pokazKonkluzje(const TWizKonkl &w) override
    {
        m_wynik.konkluzje << TKonkluzjaProby{w.idReg, w.konklReg, w.cfKonkl, w.cfZagreg, w.rodzFakt};
    }

private:
    TWynikProby &m_wynik;
};

bool bezWartosci(const TZmianaFaktu &z)
{
    return z.wartosci.size() == 1 && z.wartosci.first().wartosc == slowa::BrakWartosci;
}

bool wartoscTypu(const TRekFakt &f, const QString &w, const QList<TRekWartFaktWylicz> &slowaWart)
{
    if (f.TypFakt == slowa::Rzeczywisty)
        return tekstNaReal(w).has_value();
    if (f.TypFakt == slowa::Calkowity)
        return tekstNaInt(w).has_value();
    if (f.TypFakt == slowa::Logiczny)
        return w.toUpper() == slowa::True || w.toUpper() == slowa::False;
    for (const TRekWartFaktWylicz &s : slowaWart)
        if (s.WartFaktWylicz == w)
            return true;
    return false;
}

// Writes the changed values into the copy, as reading them from a file would (a logical value
// in upper case, both the current and the previous value); the other values of a changed
// enumerated fact become "nie", and "???" takes every value away. False after a failed write.
bool zapiszZmiany(Baza &baza, const QList<TZmianaFaktu> &zmiany)
{
    Transakcja t(baza);
    if (!t.ok() || !t.zajmij({Tabela::Fakty, Tabela::WartFaktWylicz}))
        return false;
    for (const TZmianaFaktu &z : zmiany) {
        auto f = dostep::fakt(baza, z.idFakt);
        if (!f)
            return false;
        const bool brak = bezWartosci(z);
        const TOdpowiedz pierwsza = z.wartosci.value(0);
        const double cf = brak ? 0.0 : tekstNaReal(pierwsza.cf).value_or(0.0);
        if (f->TypFakt == slowa::Wyliczeniowy) {
            bool ok = true;
            for (TRekWartFaktWylicz w : dostep::wartosciFaktu(baza, f->IdFakt)) {
                w.CzyFaktMaWartAkt = brak ? slowa::BrakWartosci : slowa::Nie;
                w.CFWartFaktWyliczAkt = brak ? 0.0 : 1.0;
                for (const TOdpowiedz &o : z.wartosci)
                    if (!brak && o.wartosc == w.WartFaktWylicz) {
                        w.CzyFaktMaWartAkt = slowa::Tak;
                        w.CFWartFaktWyliczAkt = tekstNaReal(o.cf).value_or(0.0);
                    }
                ok = ok && dostep::zapiszWartWylicz(baza, w);
            }
            if (!ok)
                return false;
            // A multi-valued fact keeps its values in the value rows only.
            if (f->CzyWielWart != slowa::Nie && !brak)
                continue;
        }
        const QString wart = f->TypFakt == slowa::Logiczny ? pierwsza.wartosc.toUpper() : pierwsza.wartosc;
        f->WartFakt = brak ? slowa::BrakWartosci : wart;
        f->WartPoprzFakt = f->WartFakt;
        f->CFWartFakt = cf;
        f->CFWartPoprzFakt = cf;
        if (!dostep::zapiszWartFaktu(baza, *f))
            return false;
    }
    return !t.zakoncz();
}

} // namespace

std::optional<QString> sprawdzZmiany(Baza &baza, int kodSyst, QList<TZmianaFaktu> &zmiany)
{
    QList<int> zmienione;
    for (TZmianaFaktu &z : zmiany) {
        const QString kod = QString::number(z.idFakt);
        if (zmienione.contains(z.idFakt))
            return QStringLiteral("Fakt o kodzie %1 jest zmieniany więcej niż raz.").arg(kod);
        zmienione << z.idFakt;
        const auto f = dostep::fakt(baza, z.idFakt);
        if (!f)
            return QStringLiteral("Faktu o kodzie %1 nie ma w tabeli faktów.").arg(kod);
        if (f->KodSyst != kodSyst)
            return QStringLiteral("Fakt o kodzie %1 nie należy do systemu %2.").arg(kod).arg(kodSyst);
        z.nazwa = f->NazFakt;
        if (f->RodzFakt != slowa::Wprowadzany)
            return QStringLiteral("Fakt o kodzie %1 nie jest faktem wprowadzanym; zmieniać można tylko wartości "
                                  "faktów wprowadzanych.")
                .arg(kod);
        if (z.wartosci.isEmpty())
            return QStringLiteral("Nie podano wartości faktu o kodzie %1.").arg(kod);
        if (bezWartosci(z))
            continue;
        const bool wielu = f->TypFakt == slowa::Wyliczeniowy && f->CzyWielWart != slowa::Nie;
        if (z.wartosci.size() > 1 && !wielu)
            return QStringLiteral("Fakt o kodzie %1 nie jest faktem wyliczeniowym wielowartościowym; podaj jedną jego "
                                  "wartość.")
                .arg(kod);
        const QList<TRekWartFaktWylicz> slowaWart =
            f->TypFakt == slowa::Wyliczeniowy ? dostep::wartosciFaktu(baza, f->IdFakt) : QList<TRekWartFaktWylicz>();
        for (const TOdpowiedz &o : z.wartosci) {
            if (o.wartosc == slowa::BrakWartosci)
                return QStringLiteral("Wartość ??? faktu o kodzie %1 nie może być podana razem z innymi.").arg(kod);
            if (!wartoscTypu(*f, o.wartosc, slowaWart))
                return QStringLiteral("Wartość \"%2\" nie jest wartością faktu o kodzie %1 (typ faktu: %3).")
                    .arg(kod, o.wartosc, f->TypFakt);
            const auto cf = tekstNaReal(o.cf);
            if (!cf || *cf < 0.0 || *cf > 1.0)
                return QStringLiteral("CF \"%2\" wartości faktu o kodzie %1 nie jest liczbą z przedziału [0,1].")
                    .arg(kod, o.cf);
        }
    }
    if (const auto b = baza.blad()) {
        const QString tekst = b->tekst();
        baza.zapomnijBlad();
        return tekst;
    }
    return std::nullopt;
}

TWynikProby PrzeprowadzProbe(const TKopiaRobocza &kopia, const TParKonfig &konfig, const TSkryptPrzebiegu &skrypt,
                             const TOdpowiedzi &odpowiedzi, const QList<TZmianaFaktu> &zmiany,
                             const std::function<void(Baza &)> &poPrzebiegu)
{
    TWynikProby wynik;
    const auto folder = kopia.nowaProba(&wynik.blad);
    if (!folder)
        return wynik;
    TUzytkownikProby uzytkownik(folder->baza, konfig, wynik);
    uzytkownik.odpowiedzi = odpowiedzi;
    uzytkownik.zOdpowiedzi = true;
    for (const TZmianaFaktu &z : zmiany)
        uzytkownik.odpowiedzi[z.idFakt] = bezWartosci(z) ? QList<TOdpowiedz>() : z.wartosci;
    bool zmianyZapisane = true;
    const auto przedWeryfikacja = [&](TSesjaWnios &) {
        zmianyZapisane = zmiany.isEmpty() || zapiszZmiany(folder->baza, zmiany);
        return zmianyZapisane;
    };
    wynik.przebieg = PrzeprowadzPrzebieg(folder->baza, konfig, skrypt, uzytkownik, przedWeryfikacja);
    if (!zmianyZapisane) {
        wynik.blad = folder->baza.blad() ? folder->baza.blad()->tekst()
                                         : QStringLiteral("Nie można zapisać zmienionych wartości faktów.");
        return wynik;
    }
    if (wynik.przebieg.koniec == KoniecPrzebiegu::BrakSystemu) {
        wynik.blad = QStringLiteral("W tabeli systemów nie ma systemu o kodzie %1.").arg(skrypt.kodSyst);
        return wynik;
    }
    if (poPrzebiegu)
        poPrzebiegu(folder->baza);
    wynik.wykonana = true;
    return wynik;
}

} // namespace tremida

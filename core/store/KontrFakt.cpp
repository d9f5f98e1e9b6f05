#include "KontrFakt.h"

#include "Baza.h"
#include "Konwersje.h"
#include "Slowa.h"
#include "WolnyKod.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace tremida {

namespace {

const QString NL = QStringLiteral("\n\r");

QString liczbaWartosciSlowo(int n) { return n == 1 ? QStringLiteral("wartość") : QStringLiteral("wartości"); }

bool czyLogiczna(const QString &t)
{
    const QString u = t.toUpper();
    return u == slowa::True || u == slowa::False;
}

} // namespace

bool czyPoprawnaWartoscFaktu(const QString &typFakt, const QString &wartosc)
{
    if (typFakt == slowa::Rzeczywisty)
        return tekstNaReal(wartosc).has_value();
    if (typFakt == slowa::Calkowity)
        return tekstNaInt(wartosc).has_value();
    if (typFakt == slowa::Logiczny)
        return czyLogiczna(wartosc);
    return true;
}

WynikKontrFakt kontrolaPoZatwierdzeniuFaktu(const TRekFakt &f)
{
    WynikKontrFakt w;
    if (f.TypFakt == slowa::Wyliczeniowy) {
        const bool wybor = !f.CzyWielWart.isEmpty();
        if (f.LiczWart && wybor) {
            if (*f.LiczWart >= 1 && *f.LiczWart <= 20)
                w.komunikaty << QStringLiteral(
                    "Wprowadziłeś/edytowałeś wyliczeniowy typ faktu. Powinieneś wejść w następnej kolejności\n\r"
                    "do tabeli wartości faktów wyliczeniowych celem zdefiniowania/zweryfikowania/skorygowania\n\r"
                    "wartości wprowadzonego/edytowanego faktu. W przeciwnym razie baza wiedzy może okazać\n\r"
                    "się niespójna.");
            else
                w.komunikaty << QStringLiteral("Liczba wartości faktu zpoza dopuszczalnego przedziału [1,20].\n\r"
                                               "Dokonaj korekty rekordu.");
        }
        if (!f.LiczWart)
            w.komunikaty << QStringLiteral("Jeśli wybrałeś wyliczeniowy typ faktu, to musisz wprowadzić liczbę jego "
                                           "wartości.\n\rDokonaj korekty rekordu.");
        if (!wybor)
            w.komunikaty << QStringLiteral("Jeśli wybrałeś wyliczeniowy typ faktu, to musisz okreslić \n\rczy jest on "
                                           "wielowartościowy, czy nie. Dokonaj korekty rekordu.");
        return w;
    }
    if (f.RodzFakt != slowa::Wprowadzany
        || (f.TypFakt != slowa::Rzeczywisty && f.TypFakt != slowa::Calkowity && f.TypFakt != slowa::Logiczny))
        return w;
    if (f.WartFakt.isEmpty()) {
        w.brakWartosci = true;
        return w;
    }
    if (f.WartFakt == slowa::BrakWartosci) {
        w.zerujCF = true;
        return w;
    }
    if (!czyPoprawnaWartoscFaktu(f.TypFakt, f.WartFakt)) {
        w.komunikaty << QStringLiteral(
            "Błędna postać wartości faktu. Wejdź w tryb edycji rekordu i popraw wartość.");
        return w;
    }
    if (!f.CFWartFakt) {
        // An empty CF is no number at all; say so instead of a conversion error.
        w.komunikaty << QStringLiteral("Nie wprowadziłeś CF wartości faktu. Wejdź w tryb edycji rekordu i dopisz "
                                       "wartość.");
        return w;
    }
    if (!(*f.CFWartFakt >= 0) || *f.CFWartFakt > 1)
        w.komunikaty << QStringLiteral(
            "CF wartości faktu zpoza przedziału [0,1]. Wejdź w tryb edycji rekordu i popraw wartość.");
    return w;
}

namespace {

// The end of both messages about a fact holding `n` values where the facts table declares
// `liczWart`: the declared number and what to do about the difference.
QString niezgodnoscZTabelaFaktow(int n, int liczWart)
{
    return QStringLiteral("w stosunku do tabeli faktów (") + intNaTekst(liczWart) + QStringLiteral(" wartości).") + NL
           + QStringLiteral("Usuń niezgodność, albo korygując liczbę wartości w tabeli faktów,") + NL
           + (liczWart < n
                  ? QStringLiteral("albo kasując zbędny rekord (rekordy) w tabeli wartości faktów wyliczeniowych.")
                  : QStringLiteral("albo dopisując nowy rekord (rekordy) w tabeli wartości faktów wyliczeniowych."));
}

} // namespace

std::optional<QString> kontrolaPrzedWizualizacjaWartosci(int n, int liczWart, bool posredni)
{
    if (n == 0)
        return QStringLiteral("W tabeli wartości faktów wyliczeniowych brak rekordów z wartościami bieżącego "
                              "faktu.\n\rOtwórz tę tabelę, a następnie wprowadź do niej wartości ")
               + (posredni ? QStringLiteral("biezącego") : QStringLiteral("bieżącego")) + QStringLiteral(" faktu.");
    if (n != liczWart)
        return QStringLiteral("Stwierdzono niezgodność liczby wartości bieżącego faktu w tabeli wartości faktów "
                              "wyliczeniowych (")
               + intNaTekst(n) + QStringLiteral(" wartości)") + NL + niezgodnoscZTabelaFaktow(n, liczWart);
    return std::nullopt;
}

bool czyPowtorzoneWartosci(const QList<TRekWartFaktWylicz> &w)
{
    for (qsizetype i = 0; i < w.size(); ++i)
        for (qsizetype j = i + 1; j < w.size(); ++j)
            if (w[i].WartFaktWylicz == w[j].WartFaktWylicz)
                return true;
    return false;
}

namespace {
const QString KomPowtorzenie = QStringLiteral(
    "Stwierdzono pokrywanie się dwóch lub więcej wartości jednego i tego samego, bieżącego faktu\n\r"
    "wyliczeniowego. Jest to niedopuszczalne. Wejdź w tryb edycji tabeli i zmień wartość (wartości)\n\r"
    "bieżącego faktu.");
}

std::optional<QString> kontrolaWartosciFaktu(const TRekFakt &f, const QList<TRekWartFaktWylicz> &w)
{
    const int liczWart = f.LiczWart.value_or(0);
    const int n = static_cast<int>(w.size());
    const QString kod = intNaTekst(f.IdFakt);
    if (n == 0)
        return QStringLiteral("W tabeli wartości faktów wyliczeniowych brak rekordów z wartościami faktu o kodzie ")
               + kod + QStringLiteral(".") + NL
               + QStringLiteral("Wpisz nowe rekordy z wartościami faktu w zadekretowanej liczbie ")
               + intNaTekst(liczWart) + QStringLiteral(" wartości.");
    if (n != liczWart)
        return QStringLiteral("Stwierdzono niezgodność liczby wartości faktu o kodzie ") + kod
               + QStringLiteral(" w tabeli wartości faktów") + NL + QStringLiteral("wyliczeniowych (") + intNaTekst(n)
               + u' ' + liczbaWartosciSlowo(n) + QStringLiteral(") ") + niezgodnoscZTabelaFaktow(n, liczWart);
    if (f.CzyWielWart == slowa::Nie) {
        if (f.RodzFakt == slowa::Wprowadzany) {
            int tak = 0;
            for (const auto &v : w)
                if (v.CzyFaktMaWartAkt == slowa::Tak && ++tak >= 2)
                    return QStringLiteral("Fakt o kodzie ") + kod
                           + QStringLiteral(" jest faktem wprowadzanym wyliczeniowym jednowartościowym.") + NL
                           + QStringLiteral("Tymczasem stwierdzono, że zostały do niego przypisane co najmniej dwie "
                                            "wartości.")
                           + NL + QStringLiteral("Jest to niedopuszczalne. Skoryguj przypisanie wartości do faktu.");
        } else {
            auto komunikat = [&](const QString &iteracja) {
                return QStringLiteral("Fakt o kodzie ") + kod
                       + QStringLiteral(" jest faktem pośrednim lub końcowym, wyliczeniowym jednowartościowym.") + NL
                       + QStringLiteral("Tymczasem stwierdzono, że zostały do niego przypisane co najmniej dwie "
                                        "wartości w ")
                       + iteracja + QStringLiteral(" iteracji wnioskowania.") + NL
                       + QStringLiteral("Świadczy to o sprzeczności w bazie reguł systemu eksperckiego. Usuń "
                                        "sprzeczność.");
            };
            int takAkt = 0, takPoprz = 0;
            for (const auto &v : w) {
                if (v.CzyFaktMaWartAkt == slowa::Tak && ++takAkt >= 2)
                    return komunikat(QStringLiteral("aktualnej"));
                if (v.CzyFaktMaWartPoprz == slowa::Tak && ++takPoprz >= 2)
                    return komunikat(QStringLiteral("poprzedniej"));
            }
        }
    }
    if (czyPowtorzoneWartosci(w))
        return KomPowtorzenie;
    return std::nullopt;
}

std::optional<QString> kontrolaPoUsunieciuWartosci(int n, int liczWart)
{
    if (n >= liczWart)
        return std::nullopt;
    return QStringLiteral("Po skasowaniu rekordu, liczba wartości faktu w tabeli (") + intNaTekst(n) + u' '
           + liczbaWartosciSlowo(n) + QStringLiteral(") jest") + NL
           + QStringLiteral("mniejsza niż liczba wartości zadeklarowana w tabeli faktów (") + intNaTekst(liczWart)
           + QStringLiteral(" wartości).") + NL
           + QStringLiteral("Usuń niezgodność, albo korygując liczbę wartości w tabeli faktów,") + NL
           + QStringLiteral("albo dopisując rekord (rekordy) w tabeli wartości faktów wyliczeniowych.");
}

QStringList kontrolaPoZatwierdzeniuWartosci(const QList<TRekWartFaktWylicz> &w, int liczWart)
{
    QStringList k;
    const int n = static_cast<int>(w.size());
    if (n > liczWart)
        k << QStringLiteral("Po wprowadzeniu rekordu, liczba wartości faktu w tabeli (") + intNaTekst(n)
                 + QStringLiteral(" wartości)") + NL
                 + QStringLiteral("przekracza liczbę wartości zadeklarowaną w tabeli faktów (") + intNaTekst(liczWart)
                 + QStringLiteral(" wartości).") + NL
                 + QStringLiteral("Usuń niezgodność, albo korygując liczbę wartości w tabeli faktów,") + NL
                 + QStringLiteral("albo kasując zbędny rekord (rekordy) w tabeli wartości faktów") + NL
                 + QStringLiteral("wyliczeniowych.");
    if (czyPowtorzoneWartosci(w))
        k << KomPowtorzenie;
    return k;
}

std::optional<QString> kontrolaStalej(const TRekStala &s, const std::optional<TRekFakt> &arg)
{
    if (s.RodzStala == slowa::Obliczana) {
        if (!arg)
            return QStringLiteral("Argumentu stałej obliczanej (faktu o kodzie %1) nie znaleziono w tabeli faktów. "
                                  "Wejdź w tryb edycji rekordu i usuń błąd.")
                .arg(s.KodArgStala);
        if (arg->TypFakt == slowa::Wyliczeniowy)
            return QStringLiteral("Argumentem stałej obliczanej nie może być fakt typu wyliczeniowego. Wejdź w tryb "
                                  "edycji rekordu i usuń błąd.");
        if (s.TypStala == slowa::Logiczna) {
            if (arg->TypFakt != slowa::Logiczny)
                return QStringLiteral("Argumentem stałej obliczanej typu logicznego nie może być fakt innego typu niż "
                                      "też logiczny. Wejdź w tryb edycji rekordu i usuń błąd.");
            return std::nullopt;
        }
        if (s.TypStala == slowa::Rzeczywista || s.TypStala == slowa::Calkowita) {
            if (arg->TypFakt == slowa::Logiczny)
                return QStringLiteral("Argumentem stałej obliczanej typu numerycznego, tj. całkowitego lub "
                                      "rzeczywistego, może być fakt, jednak też tylko typu numerycznego, tj. "
                                      "całkowitego lub rzeczywistego. Wejdź w tryb edycji rekordu i usuń błąd.");
            if (s.WartParAStala.isEmpty())
                return QStringLiteral("Nie wprowadziłeś wartości parametru A. Wejdź w tryb edycji rekordu i dopisz "
                                      "wartość.");
            if (!tekstNaReal(s.WartParAStala))
                return QStringLiteral("Błędna postać parametru A. Wejdź w tryb edycji rekordu i popraw wartość.");
            if (s.WartParBStala.isEmpty())
                return QStringLiteral("Nie wprowadziłeś wartości parametru B. Wejdź w tryb edycji rekordu i dopisz "
                                      "wartość.");
            if (!tekstNaReal(s.WartParBStala))
                return QStringLiteral("Błędna postać parametru B. Wejdź w tryb edycji rekordu i popraw wartość.");
        }
        return std::nullopt;
    }
    if (s.RodzStala != slowa::Prosta)
        return std::nullopt;
    if (s.WartStalaProsta.isEmpty())
        return QStringLiteral("Nie wprowadziłeś wartości stałej. Wejdź w tryb edycji rekordu i dopisz wartość.");
    bool ok = true;
    if (s.TypStala == slowa::Rzeczywista)
        ok = tekstNaReal(s.WartStalaProsta).has_value();
    else if (s.TypStala == slowa::Calkowita)
        ok = tekstNaInt(s.WartStalaProsta).has_value();
    else if (s.TypStala == slowa::Logiczna)
        ok = czyLogiczna(s.WartStalaProsta);
    if (!ok)
        return QStringLiteral("Błędna postać wartości stałej. Wejdź w tryb edycji rekordu i popraw wartość.");
    return std::nullopt;
}

QList<TRekWartFaktWylicz> wartosciFaktu(Baza &baza, int kodFakt)
{
    QList<TRekWartFaktWylicz> w;
    if (!baza.czyDolaczona(Tabela::WartFaktWylicz))
        return w;
    QSqlQuery q = baza.zapytanie();
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT * FROM wartoscifaktowwyliczeniowych WHERE KodFakt=:ParKodFaktWylicz "
                             "ORDER BY IdWartFaktWylicz"));
    q.bindValue(QStringLiteral(":ParKodFaktWylicz"), kodFakt);
    if (q.exec())
        while (q.next())
            w << TRekWartFaktWylicz::z(q.record());
    return w;
}

std::optional<TRekFakt> faktOKodzie(Baza &baza, int idFakt)
{
    if (!baza.czyDolaczona(Tabela::Fakty))
        return std::nullopt;
    if (const auto r = rekordOKluczu(baza, Tabela::Fakty, idFakt))
        return TRekFakt::z(*r);
    return std::nullopt;
}

std::optional<int> kopiujWartosciFaktu(Baza &baza, TWolnyKod &wolnyKod, int kodZrodla, int kodNowego, QString *blad)
{
    const QList<TRekWartFaktWylicz> zrodlo = wartosciFaktu(baza, kodZrodla);
    if (zrodlo.isEmpty())
        return 0;
    Transakcja t(baza);
    if (!t.ok()) {
        if (blad)
            *blad = QStringLiteral("Nie można rozpocząć zapisu do bazy danych.");
        return std::nullopt;
    }
    for (TRekWartFaktWylicz w : zrodlo) {
        const auto klucz = wolnyKod.znajdz(baza, Tabela::WartFaktWylicz);
        if (!klucz || *klucz > TWolnyKod::MaksKlucz) {
            if (blad)
                *blad = QStringLiteral("Brak wolnego kodu w tabeli wartości faktów wyliczeniowych.");
            return std::nullopt;
        }
        w.IdWartFaktWylicz = *klucz;
        w.KodFakt = kodNowego;
        w.DataRek = QString();
        if (!wstawRekord(baza, Tabela::WartFaktWylicz, w.wartosci(), blad))
            return std::nullopt;
    }
    if (!t.zatwierdz()) {
        if (blad)
            *blad = QStringLiteral("Nie można zapisać wartości faktu w tabeli wartości faktów wyliczeniowych.");
        return std::nullopt;
    }
    return static_cast<int>(zrodlo.size());
}

} // namespace tremida

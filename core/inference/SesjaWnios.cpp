#include "SesjaWnios.h"

#include "DostepWnios.h"
#include "KomunikatyWnios.h"
#include "store/Baza.h"
#include "store/DataRek.h"
#include "store/Rekordy.h"
#include "store/Slowa.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <limits>

namespace tremida {

bool TSesjaWnios::czyMieszane() const
{
    switch (Tryb) {
    case TrybSesji::Mieszane:
    case TrybSesji::MieszaneWstecz1:
    case TrybSesji::MieszaneWPrzod:
    case TrybSesji::MieszaneWstecz2:
        return true;
    default:
        return false;
    }
}

QString komunikatWybranoSystem()
{
    return QStringLiteral(
        "System ekspercki (baza wiedzy) do procesu wnioskowania został wybrany. Celem kontynuacji procesu "
        "wnioskowania, jeśli masz zorganizowany i zapisany na dysk plik tekstowy wartości faktów wprowadzanych, to "
        "wybierz teraz opcję menu głównego Wnioskowanie-Wczytanie z pliku wartości faktów wprowadzanych. Jeśli "
        "natomiast taki plik nie istnieje, to wybierz od razu opcję menu głównego Wnioskowanie-Weryfikacja bazy "
        "wiedzy.");
}

std::optional<QString> WybierzSystem(Baza &baza, int idSyst, TSesjaWnios &sesja, QString *blad)
{
    if (!baza.czyWTransakcji())
        baza.zapomnijBlad();
    const auto syst = dostep::system(baza, idSyst);
    const int licznik = syst ? dostep::maksKrokTraj(baza) : 0;
    if (baza.blad()) {
        if (blad)
            *blad = komunikatBleduBazy(*baza.blad(), ogon::Opcja);
        return std::nullopt;
    }
    if (!syst)
        return std::nullopt;
    sesja.KodSyst = syst->IdSyst;
    sesja.NazSyst = syst->NazSyst;
    sesja.LicznikKrokow = licznik;
    sesja.LinieOpisu.fill(QString());
    sesja.KontynuacjaZadana = false;
    return komunikatWybranoSystem();
}

namespace kom {
QString H3()
{
    return QStringLiteral("Brak reguł zadekretowanych do wnioskowania w przód. Nastąpi wyjście z opcji.");
}

QString H4()
{
    return QStringLiteral("Odczytany, maksymalny poziom reguły w bazie reguł przekracza wartość maksymalną\n\r"
                          "zdefiniowaną w pliku konfiguracyjnym. Nastąpi przerwanie procesu wnioskowania.");
}
} // namespace kom

namespace {

QString filtr(Kierunek k)
{
    switch (k) {
    case Kierunek::WPrzod:
        return QStringLiteral(" AND (KierWniReg='w przod' OR KierWniReg='oba')");
    case Kierunek::Wstecz:
        return QStringLiteral(" AND (KierWniReg='wstecz' OR KierWniReg='oba')");
    case Kierunek::Wszystkie:
        break;
    }
    return QString();
}

} // namespace

bool zresetujReguly(Baza &baza, int kodSyst, Kierunek kierunek)
{
    QSqlQuery q = baza.zapytanie();
    q.prepare(QStringLiteral("UPDATE reguly SET CzyBieUdzWeWnios='tak', CzyOdpal='nie', CFKonklReg=0 "
                             "WHERE KodSyst=:ParIdSyst") +
              filtr(kierunek));
    q.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
    return baza.zapisz(q, Tabela::Reguly);
}

int maksPoziomReg(Baza &baza, int kodSyst, Kierunek kierunek)
{
    QSqlQuery q = baza.zapytanie();
    q.prepare(QStringLiteral("SELECT MAX(PozReg) FROM reguly WHERE KodSyst=:ParIdSyst") + filtr(kierunek));
    q.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
    if (!baza.czytaj(q, Tabela::Reguly) || !q.next() || q.value(0).isNull())
        return 1;
    return std::max(1, q.value(0).toInt());
}

WynikPrzygotowania PrzygotujListeReg(Baza &baza, const TParKonfig &konfig, int kodSyst, Kierunek kierunek,
                                     TListaReg &lista, QStringList *konkluzje, const PokazKomunikat &pokaz)
{
    QSqlQuery ile = baza.zapytanie();
    ile.prepare(QStringLiteral("SELECT COUNT(*) FROM reguly WHERE KodSyst=:ParIdSyst") + filtr(kierunek));
    ile.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
    if (!baza.czytaj(ile, Tabela::Reguly))
        return WynikPrzygotowania::Blad;
    if (!ile.next() || ile.value(0).toInt() == 0)
        return WynikPrzygotowania::Puste;
    ile.finish();
    if (!zresetujReguly(baza, kodSyst, kierunek))
        return WynikPrzygotowania::Blad;
    const int maksPoziom = maksPoziomReg(baza, kodSyst, kierunek);
    if (baza.blad())
        return WynikPrzygotowania::Blad;
    if (maksPoziom > konfig.MaxPozReg) {
        pokaz(kom::H4());
        return WynikPrzygotowania::PoziomZaWysoki;
    }
    lista.clear();
    if (konkluzje)
        konkluzje->clear();
    // Levels 1 to the highest; rules below level 1 take no part.
    QSqlQuery q = baza.zapytanie();
    q.prepare(QStringLiteral("SELECT IdReg, KonklReg FROM reguly WHERE KodSyst=:ParIdSyst") + filtr(kierunek) +
              QStringLiteral(" AND PozReg>=1 AND PozReg<=:ParPozReg ORDER BY PozReg, IdReg"));
    q.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
    q.bindValue(QStringLiteral(":ParPozReg"), maksPoziom);
    if (!baza.czytaj(q, Tabela::Reguly))
        return WynikPrzygotowania::Blad;
    while (q.next()) {
        const TPozListyReg poz{q.value(0).toInt(), q.value(1).toString()};
        if (konkluzje && !konkluzje->contains(poz.KonklReg))
            konkluzje->append(poz.KonklReg);
        lista.append(poz);
    }
    return WynikPrzygotowania::Gotowe;
}

bool PrzygotujWnioskowanie(Baza &baza, const TParKonfig &konfig, TSesjaWnios &sesja, Kierunek kierunek,
                           TListaReg &lista, QStringList &konkluzje, const PokazKomunikat &pokaz)
{
    const bool wprzod = kierunek == Kierunek::WPrzod;
    sesja.Tryb = wprzod ? TrybSesji::WPrzod : TrybSesji::Wstecz;
    sesja.HipZdefiniowana = false;
    konkluzje.clear();
    switch (PrzygotujListeReg(baza, konfig, sesja.KodSyst, kierunek, lista, &konkluzje, pokaz)) {
    case WynikPrzygotowania::Puste:
        pokaz(wprzod ? kom::H3() : kom::brakRegulWstecz());
        return false;
    case WynikPrzygotowania::PoziomZaWysoki:
    case WynikPrzygotowania::Blad:
        return false;
    case WynikPrzygotowania::Gotowe:
        break;
    }
    sesja.KontynuacjaZadana = false;
    return true;
}

bool DopiszKrokTraj(Baza &baza, TSesjaWnios &sesja, int idReg, int poziom, int iteracja, const QString &kierunek,
                    const QString &czyOdpal, double cfKonkl, const QString &przyczyna)
{
    if (sesja.LicznikKrokow >= std::numeric_limits<int>::max()) {
        // The step numbers would wrap and collide with old rows: the run does not go on.
        TBladBazy b;
        b.rodzaj = RodzajBleduBazy::Zapis;
        b.tabela = Tabela::Trajektoria;
        b.tekstSilnika = QStringLiteral("numer kroku przekroczyłby największą dopuszczalną wartość %1; usuń wiersze "
                                        "trajektorii o najwyższych numerach kroków")
                             .arg(std::numeric_limits<int>::max());
        baza.zglosBlad(b);
        return false;
    }
    ++sesja.LicznikKrokow;
    return dostep::wstawKrokTraj(baza, sesja.LicznikKrokow, sesja.KodSyst, idReg, poziom, iteracja, kierunek, czyOdpal,
                                 cfKonkl, przyczyna, DataRekTrajDzis());
}

bool UsunTrajSystemu(Baza &baza, int kodSyst)
{
    QSqlQuery q = baza.zapytanie();
    q.prepare(QStringLiteral("DELETE FROM trajektoria WHERE KodSyst=:ParIdSyst"));
    q.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
    return baza.zapisz(q, Tabela::Trajektoria);
}

bool ZresetujBazeWiedzy(Baza &baza, int kodSyst)
{
    for (TRekFakt f : dostep::faktySystemu(baza, kodSyst, {slowa::Posredni, slowa::Koncowy})) {
        f.WartFakt = slowa::BrakWartosci;
        f.WartPoprzFakt = slowa::BrakWartosci;
        f.CFWartFakt = 0.0;
        f.CFWartPoprzFakt = 0.0;
        if (!dostep::zapiszWartFaktu(baza, f))
            return false;
        if (f.TypFakt != slowa::Wyliczeniowy)
            continue;
        for (TRekWartFaktWylicz w : dostep::wartosciFaktu(baza, f.IdFakt)) {
            w.CzyFaktMaWartAkt = slowa::BrakWartosci;
            w.CzyFaktMaWartPoprz = slowa::BrakWartosci;
            w.CFWartFaktWyliczAkt = 0.0;
            w.CFWartFaktWyliczPoprz = 0.0;
            if (!dostep::zapiszWartWylicz(baza, w))
                return false;
        }
    }
    // Input facts keep value and CF; the marks "nzn" of earlier runs are forgotten.
    for (TRekFakt f : dostep::faktySystemu(baza, kodSyst, {slowa::Wprowadzany})) {
        f.WartPoprzFakt = QStringLiteral("");
        if (!dostep::zapiszWartFaktu(baza, f))
            return false;
    }
    return !baza.blad() && UsunTrajSystemu(baza, kodSyst);
}

} // namespace tremida

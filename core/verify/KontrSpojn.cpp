#include "KontrSpojn.h"

#include "IndeksDanychReg.h"
#include "KontrBazy.h"
#include "Odczyt.h"
#include "rules/DaneReg.h"
#include "store/Baza.h"
#include "store/PlikiProgramu.h"
#include "app/ParKonfig.h"
#include "store/Rekordy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>


namespace tremida {

namespace {

// Points of progress of one rule (a fact, a value record and a constant count one).
constexpr int PostepReguly = 5;

// The error file: created anew, UTF-8, every line ended by CR LF. Remembers the first
// failure to write.
class TPlikBledow {
public:
    bool otworz(const QString &nazwa)
    {
        m_plik.setFileName(nazwa);
        m_otwarty = m_plik.open(QIODevice::WriteOnly | QIODevice::Truncate);
        m_ok = m_otwarty;
        return m_ok;
    }
    void pisz(const QString &linia)
    {
        if (!m_otwarty)
            return;
        const QByteArray b = linia.toUtf8() + "\r\n";
        if (m_plik.write(b) != b.size())
            m_ok = false;
    }
    bool zamknij()
    {
        if (!m_otwarty)
            return true;
        if (!m_plik.flush())
            m_ok = false;
        m_plik.close();
        m_otwarty = false;
        return m_ok;
    }
    bool otwarty() const { return m_otwarty; }
    bool ok() const { return m_ok; }
    QString blad() const
    {
        return QStringLiteral("Błąd zapisu pliku %1: %2.\n\rProces kontroli spójności bazy został przerwany.")
            .arg(QDir::toNativeSeparators(m_plik.fileName()), m_plik.errorString());
    }

private:
    QFile m_plik;
    bool m_otwarty = false;
    bool m_ok = true;
};

// The error file is created anew: it may never be a file the program keeps its data in, nor
// a pipe or a device (which would block or take the text nowhere).
std::optional<QString> odmowaPlikuBledow(const Baza &baza, const QString &sciezka)
{
    const QString nazwa = QDir::toNativeSeparators(sciezka);
    const QFileInfo fi(sciezka);
    if (!fi.exists())
        return std::nullopt;
    if (!fi.isFile())
        return QStringLiteral("Plik błędów %1 nie jest zwykłym plikiem.\n\rOpcja nie zostanie zrealizowana.").arg(nazwa);
    if (const auto plik = plikProgramu(baza, sciezka))
        return QStringLiteral("Plik błędów %1 jest plikiem %2 programu; jego zapis zniszczyłby dane.\n\rWybierz "
                              "inną nazwę pliku błędów. Opcja nie zostanie zrealizowana.")
            .arg(nazwa, *plik);
    return std::nullopt;
}

int liczba(Baza &baza, Tabela t) { return baza.czyDolaczona(t) ? std::max(0, baza.liczbaRekordow(t)) : 0; }

} // namespace

QString liniaDatyKontroli(const QDate &data)
{
    static const QStringList dni = {QStringLiteral("niedziela"), QStringLiteral("poniedziałek"),
                                    QStringLiteral("wtorek"),    QStringLiteral("środa"),
                                    QStringLiteral("czwartek"),  QStringLiteral("piątek"),
                                    QStringLiteral("sobota")};
    return QStringLiteral("Data kontroli: ") + QString::number(data.day()).rightJustified(2, u' ') + u'.' +
           QString::number(data.month()).rightJustified(2, u' ') + u'.' +
           QString::number(data.year()).rightJustified(4, u' ') + QStringLiteral(" - ") + dni[data.dayOfWeek() % 7];
}

TWynikSpojn KontrolaSpojnosciBazy(Baza &baza, const TParKonfig &konfig, const QString &plikBledow,
                                  const TWidokSpojn &widok, const QDate &data)
{
    TWynikSpojn w;
    TPlikBledow plik;
    if (!plikBledow.isEmpty()) {
        if (const auto odmowa = odmowaPlikuBledow(baza, plikBledow)) {
            w.bladPliku = true;
            if (widok.komunikat)
                widok.komunikat(*odmowa);
            return w;
        }
        if (plik.otworz(plikBledow)) {
            plik.pisz(TytulKontrSpojn);
            plik.pisz(liniaDatyKontroli(data));
        }
        if (!plik.ok()) {
            w.bladPliku = true;
            const QString blad = plik.blad();
            plik.zamknij();
            if (widok.komunikat)
                widok.komunikat(blad);
            return w;
        }
    }
    auto doMemo = [&](const QString &linia) {
        w.memo.append(linia);
        if (widok.linia)
            widok.linia(linia);
    };
    doMemo(TytulKontrSpojn);

    const int maks = liczba(baza, Tabela::Fakty) + liczba(baza, Tabela::WartFaktWylicz) +
                     liczba(baza, Tabela::Stale) + PostepReguly * liczba(baza, Tabela::Reguly);
    int pozycja = 0;
    auto postep = [&](int krok) {
        pozycja = std::min(maks, pozycja + krok);
        if (widok.postep)
            widok.postep(pozycja, maks);
    };
    if (widok.postep)
        widok.postep(0, maks);

    auto listuj = [&](const QString &tekst, std::optional<int> kodSyst, bool ostrzezenie) {
        ++w.liczbaUsterek;
        QString linia = QStringLiteral("• Błąd nr. ") + QString::number(w.liczbaUsterek) + QStringLiteral(". ");
        if (kodSyst)
            linia += QStringLiteral("Kod systemu: ") + QString::number(*kodSyst) + QStringLiteral(". ");
        linia += tekst;
        (ostrzezenie ? w.zastrzezenia : w.bledy) = true;
        doMemo(linia);
        plik.pisz(linia);
    };

    auto zamknijPlik = [&]() {
        if (!plik.zamknij()) {
            w.bladPliku = true;
            if (widok.komunikat)
                widok.komunikat(plik.blad());
        }
    };

    // Every repair is kept: the transaction only makes the run fast. A failed read or write
    // ends the run and undoes its repairs.
    Transakcja transakcja(baza);
    auto bladBazy = [&]() {
        const auto b = transakcja.zakoncz();
        if (!b)
            return false;
        w.bladBazy = true;
        if (widok.komunikat)
            widok.komunikat(komunikatBleduBazy(*b, ogon::Opcja));
        plik.zamknij();
        return true;
    };
    if (!transakcja.zajmij({Tabela::Fakty, Tabela::WartFaktWylicz})) {
        bladBazy();
        return w;
    }
    const auto systemy = weryf::systemy(baza);
    if (baza.blad()) {
        bladBazy();
        return w;
    }
    if (systemy.isEmpty()) {
        pozycja = maks;
        if (widok.postep)
            widok.postep(maks, maks);
        listuj(QStringLiteral("Tabela systemów eksperckich pusta. Proces wnioskowania nie będzie możliwy."),
               std::nullopt, false);
        if (bladBazy())
            return w;
        zamknijPlik();
        return w;
    }

    // Checks every record of one table, one point of progress each; false when a failed read
    // or write ended the table (the caller then ends the run).
    auto kontrKazdy = [&](const auto &rekordy, const auto &kontrola) {
        for (const auto &rek : rekordy) {
            kontrola(rek);
            if (baza.blad())
                return false;
            postep(1);
        }
        return true;
    };
    // The checks of one system, table after table; a failed read or write ends them, and the
    // run with them.
    auto kontrSystem = [&](const int kod) {
        TKontrBazy kontr(baza, konfig, kod, TrybKontrBazy::Spojnosc,
                         [&](const TUsterkaBazy &u) { listuj(u.tekst, kod, u.ostrzezenie); });
        // Reads one table of the system; an empty one is a finding.
        auto czytajTabele = [&](const auto &odczyt, const QString &pusta) {
            const auto rekordy = odczyt(baza, kod);
            if (!baza.blad() && rekordy.isEmpty())
                listuj(pusta, kod, false);
            return rekordy;
        };
        // Without facts neither constants nor rules can be checked.
        const auto fakty = czytajTabele(
            weryf::fakty, QStringLiteral("Tabela faktów systemu eksperckiego pusta. Proces wnioskowania nie będzie "
                                         "możliwy. Nie jest też możliwa dalsza kontrola stałych i reguł systemu "
                                         "eksperckiego (bazy wiedzy). Nastąpi przejście do kontroli następnego "
                                         "systemu eksperckiego (bazy wiedzy), jeśli istnieje."));
        if (baza.blad() || fakty.isEmpty())
            return;
        if (!kontrKazdy(fakty, [&](const TRekFakt &f) { kontr.kontrFakt(f, [&]() { postep(1); }); }))
            return;

        const auto stale = czytajTabele(
            weryf::stale, QStringLiteral("Tabela stałych bazy wiedzy jest pusta. Nie stanowi to błędu, jeśli w "
                                         "regułach nie występują stałe. Obecność stałych w regułach zostanie "
                                         "sprawdzona dalej, przy kontroli reguł."));
        if (baza.blad())
            return;
        if (!kontrKazdy(stale, [&](const TRekStala &st) { kontr.kontrStala(st); }))
            return;

        const auto reguly = czytajTabele(
            weryf::reguly, QStringLiteral("Tabela reguł bazy wiedzy pusta. Proces wnioskowania nie będzie możliwy. "
                                          "Nastąpi przejście do kontroli następnego systemu eksperckiego (bazy "
                                          "wiedzy), jeśli istnieje."));
        if (baza.blad() || reguly.isEmpty())
            return;
        TDaneReg dane;
        if (!dane.wczytaj(baza, kod) && baza.blad())
            return;
        const TIndeksDanychReg indeks(dane);
        for (const TRekReg &r : reguly) {
            kontr.kontrRegula(r, indeks);
            postep(PostepReguly);
        }
    };
    for (const TRekSyst &s : systemy) {
        if (baza.blad())
            break;
        kontrSystem(s.IdSyst);
    }
    if (bladBazy())
        return w;

    pozycja = maks;
    if (widok.postep)
        widok.postep(maks, maks);
    if (widok.ok)
        widok.ok();
    if (!w.bledy && !w.zastrzezenia)
        w.podsumowanie = QStringLiteral("W bazie danych nie stwierdzono błędów. Nie sformułowano również zastrzeżeń.");
    else if (w.bledy && w.zastrzezenia)
        w.podsumowanie = QStringLiteral("W bazie danych stwierdzono błąd (błędy). Sformułowano również zastrzeżenia.");
    else if (w.bledy)
        w.podsumowanie = QStringLiteral("W bazie danych stwierdzono błąd (błędy).");
    else
        w.podsumowanie = QStringLiteral("W bazie danych nie stwierdzono błędów. Sformułowano jednak zastrzeżenia.");
    const QString linia = QStringLiteral("• ") + w.podsumowanie;
    doMemo(linia);
    plik.pisz(linia);
    zamknijPlik();
    if (widok.komunikat)
        widok.komunikat(w.podsumowanie);
    return w;
}

} // namespace tremida

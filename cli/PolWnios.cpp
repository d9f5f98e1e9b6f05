// Inference from the terminal: infer (forward, backward or mixed inference with scripted or
// typed input-fact values, falsification of the main hypothesis by chosen candidates) and
// trajectory (the steps of a system's last run).

#include "Cli.h"
#include "OpcjePrzebiegu.h"
#include "WypisWyjasnien.h"

#include "inference/PolaWizKonkl.h"
#include "store/Konwersje.h"
#include "store/NaglowkiKolumn.h"
#include "store/Rekordy.h"
#include "store/Slowa.h"
#include "store/Warunki.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cstdio>
#include <cstring>
#include <optional>
#include <unistd.h>

namespace tremida::cli {

namespace {

QByteArray liczbaJson(double d)
{
    const QByteArray a = QJsonDocument(QJsonArray{d}).toJson(QJsonDocument::Compact);
    return a.mid(1, a.size() - 2);
}

// The user of a run in the terminal: messages and conclusions are printed, input facts are
// answered from an answers file, typed at prompts, or left without value.
class TUzytkownikCli : public TUzytkownikSkryptowy {
public:
    TUzytkownikCli(Kontekst &k, bool json) : TUzytkownikSkryptowy(k.baza, k.konfig), m_k(k), m_json(json) {}

    bool interaktywnie = false;

    void komunikat(const QString &tekst) override
    {
        if (m_json)
            m_k.komunikatJson(tekst);
        else
            m_k.komunikat(tekst);
    }

    void czytajFakt(TKontekstCzytFakt &kontekst) override
    {
        if (m_json)
            m_k.zdarzenieJson("{\"event\":\"ask\",\"fact\":" + QByteArray::number(kontekst.fakt.IdFakt) + "}");
        TUzytkownikSkryptowy::czytajFakt(kontekst);
    }

    void pokazKonkluzje(const TWizKonkl &w) override
    {
        if (m_json) {
            m_k.zdarzenieJson("{\"event\":\"conclusion\",\"rule\":" + QByteArray::number(w.idReg) +
                              ",\"conclusion\":" + tekstJson(w.konklReg) + ",\"cf\":" + liczbaJson(w.cfKonkl) +
                              ",\"aggregatedCf\":" + liczbaJson(w.cfZagreg) + ",\"factKind\":" +
                              tekstJson(w.rodzFakt) + "}");
            return;
        }
        QTextStream &o = m_k.out;
        o << "----\n";
        for (const PoleKonkl p : PolaKonkl)
            o << podpisPolaKonkl(p) << ": " << tekstPolaKonkl(w, p) << '\n';
        o << "----\n";
        o.flush();
    }

    void pokazFalsyfikacje(const QString &, const QStringList &kandydaci) override
    {
        if (m_json) {
            QByteArray lista;
            for (const QString &t : kandydaci)
                lista += (lista.isEmpty() ? "" : ",") + tekstJson(t);
            m_k.zdarzenieJson("{\"event\":\"falsification\",\"candidates\":[" + lista + "]}");
            return;
        }
        m_k.out << QStringLiteral("Konkluzje falsyfikujące:\n");
        for (qsizetype i = 0; i < kandydaci.size(); ++i)
            m_k.out << QStringLiteral("  %1. %2\n").arg(i + 1).arg(kandydaci[i]);
        m_k.out.flush();
    }

protected:
    // Without an answers file the value is typed at a prompt on a terminal; an empty answer
    // leaves it without value.
    QList<TOdpowiedz> odpowiedziDla(const TKontekstCzytFakt &kontekst) override
    {
        return interaktywnie ? zapytajTerminal(kontekst) : QList<TOdpowiedz>();
    }

private:
    // Prompts for the value of an input fact; an empty answer leaves it without value.
    QList<TOdpowiedz> zapytajTerminal(const TKontekstCzytFakt &kontekst)
    {
        const TRekFakt &f = kontekst.fakt;
        QTextStream &o = m_k.out;
        QTextStream we(stdin);
        o << QStringLiteral("Fakt %1 (%2): %3\n").arg(f.IdFakt).arg(f.NazFakt, f.PytFakt);
        if (!f.JedWartFakt.isEmpty())
            o << QStringLiteral("Jednostka: %1\n").arg(f.JedWartFakt);
        QList<TOdpowiedz> lista;
        if (f.TypFakt == slowa::Wyliczeniowy) {
            for (const TRekWartFaktWylicz &w : kontekst.wartosci)
                o << QStringLiteral("  %1  %2  [%3]\n").arg(w.IdWartFaktWylicz).arg(w.WartFaktWylicz, w.CzyFaktMaWartAkt);
            o << QStringLiteral("Podaj wartości oznaczane \"tak\" (każda w osobnym wierszu: wartość, tabulator, CF; "
                                "pusty wiersz kończy): ");
            o.flush();
            for (;;) {
                const QString linia = we.readLine();
                if (linia.isEmpty())
                    break;
                const QStringList cz = linia.split(u'\t');
                lista.append({cz.value(0), cz.value(1)});
            }
            return lista;
        }
        o << QStringLiteral("Wartość faktu (pusta lub ??? - wartość nieznana): ");
        o.flush();
        const QString wartosc = we.readLine();
        if (wartosc.isEmpty() || wartosc == slowa::BrakWartosci)
            return lista;
        o << QStringLiteral("CF: ");
        o.flush();
        lista.append({wartosc, we.readLine()});
        return lista;
    }

    Kontekst &m_k;
    bool m_json;
};

} // namespace

int polecenieInfer(Kontekst &k, const QStringList &argumenty)
{
    TOpcjePrzebiegu opcje;
    if (const auto kod = czytajOpcjePrzebiegu(k, QStringLiteral("infer"), argumenty, opcje))
        return *kod;
    const TSkryptPrzebiegu &skrypt = opcje.skrypt;
    const QString &plikOdpowiedzi = opcje.plikOdpowiedzi;
    const bool json = opcje.json;

    TUzytkownikCli uzytkownik(k, json);
    if (!plikOdpowiedzi.isEmpty()) {
        QString blad;
        if (!wczytajOdpowiedzi(plikOdpowiedzi, uzytkownik.odpowiedzi, &blad)) {
            k.err << blad << '\n';
            return Porazka;
        }
        uzytkownik.zOdpowiedzi = true;
    } else {
        uzytkownik.interaktywnie = isatty(fileno(stdin)) != 0;
    }

    const TWynikPrzebiegu wynik = PrzeprowadzPrzebieg(k.baza, k.konfig, skrypt, uzytkownik);
    if (wynik.koniec == KoniecPrzebiegu::BrakSystemu) {
        k.err << QStringLiteral("W tabeli systemów nie ma systemu o kodzie %1.\n").arg(skrypt.kodSyst);
        return Porazka;
    }
    if (json)
        k.zdarzenieJson("{\"event\":\"end\"}");
    return wynik.koniec == KoniecPrzebiegu::Zakonczony ? Sukces : Porazka;
}

int polecenieTrajectory(Kontekst &k, const QStringList &argumenty)
{
    const QString pol = QStringLiteral("trajectory");
    // "SYSTEM [--json]", read as the explanation commands read theirs.
    ArgumentyWyjasnien arg;
    if (const auto blad = czytajArgumentyWyjasnien(k, pol, argumenty, MiejsceKonkluzji::Brak, arg))
        return *blad;
    const std::optional<int> kodSyst = arg.kod;
    const bool json = arg.json;
    if (!kodSyst)
        return bladUzycia(k, pol, QStringLiteral("Podaj kod systemu."));
    if (const auto brak = sprawdzWarunki(tremida::Polecenie::OtwTabTraj, k.baza)) {
        k.komunikat(*brak);
        return Porazka;
    }
    // The steps are read one at a time and written out as they come: a run of millions of
    // steps needs no more memory than one.
    std::optional<QSqlQuery> odczyt = odczytTrajektorii(k.baza, *kodSyst);
    if (!odczyt) {
        k.komunikat(QStringLiteral("Nie można odczytać tabeli trajektoria.db."));
        return Porazka;
    }
    QSqlQuery &q = *odczyt;
    k.out.flush();
    QFile wyjscie;
    wyjscie.open(stdout, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
    QByteArray linia;
    bool zapisane = true;
    auto piszLinie = [&]() { zapisane = zapisane && wyjscie.write(linia) == linia.size(); };
    if (!json) {
        linia = naglowkiKolumnTraj().join(u'\t').toUtf8() + '\n';
        piszLinie();
    }
    // Steps repeat a few texts and CFs over and over: each is converted once.
    QHash<QString, QByteArray> teksty;
    QHash<quint64, QByteArray> liczby;
    auto zTekstu = [&](const QString &t) -> const QByteArray & {
        auto it = teksty.find(t);
        if (it == teksty.end()) {
            if (teksty.size() > 1000)
                teksty.clear();
            // The JSON text goes through the same conversions as a message line does.
            it = teksty.insert(t, json ? QString::fromUtf8(tekstJson(t)).toUtf8() : t.toUtf8());
        }
        return *it;
    };
    auto zLiczby = [&](double d) -> const QByteArray & {
        quint64 bity;
        std::memcpy(&bity, &d, sizeof bity);
        auto it = liczby.find(bity);
        if (it == liczby.end()) {
            if (liczby.size() > 1000)
                liczby.clear();
            it = liczby.insert(bity, json ? liczbaJson(d) : realNaTekst(d).toUtf8());
        }
        return *it;
    };
    std::vector<int> pozycje;
    while (q.next()) {
        if (pozycje.empty()) {
            const QSqlRecord r = q.record();
            for (const char *kolumna : {"IdKrokTraj", "KodSyst", "KodRegTraj", "PozRegTraj", "IterRegTraj",
                                        "KierWniTraj", "CzyOdpalTraj", "CFKonklRegTraj", "PrzyczNieOdpalTraj",
                                        "DataRek"})
                pozycje.push_back(r.indexOf(QLatin1String(kolumna)));
        }
        auto wartosc = [&](int i) { return pozycje[size_t(i)] >= 0 ? q.value(pozycje[size_t(i)]) : QVariant(); };
        auto calk = [&](int i) { return QByteArray::number(wartosc(i).toInt()); };
        auto opcjonalna = [&](int i, const QByteArray &brak) {
            const QVariant v = wartosc(i);
            return v.isNull() ? brak : QByteArray::number(v.toInt());
        };
        const QVariant cf = wartosc(7);
        linia.clear();
        if (json) {
            linia += "{\"IdKrokTraj\":" + calk(0) + ",\"KodSyst\":" + calk(1) + ",\"KodRegTraj\":" + calk(2) +
                     ",\"PozRegTraj\":" + opcjonalna(3, "null") + ",\"IterRegTraj\":" + opcjonalna(4, "null") +
                     ",\"KierWniTraj\":" + zTekstu(wartosc(5).toString()) +
                     ",\"CzyOdpalTraj\":" + zTekstu(wartosc(6).toString()) +
                     ",\"CFKonklRegTraj\":" + (cf.isNull() ? QByteArray("null") : zLiczby(cf.toDouble())) +
                     ",\"PrzyczNieOdpalTraj\":" + zTekstu(wartosc(8).toString()) +
                     ",\"DataRek\":" + zTekstu(wartosc(9).toString()) + "}\n";
        } else {
            linia += calk(0) + '\t' + calk(1) + '\t' + calk(2) + '\t' + opcjonalna(3, {}) + '\t' + opcjonalna(4, {}) +
                     '\t' + zTekstu(wartosc(5).toString()) + '\t' + zTekstu(wartosc(6).toString()) + '\t' +
                     (cf.isNull() ? QByteArray() : zLiczby(cf.toDouble())) + '\t' +
                     zTekstu(wartosc(8).toString()) + '\t' + zTekstu(wartosc(9).toString()) + '\n';
        }
        piszLinie();
    }
    zapisane = wyjscie.flush() && zapisane;
    wyjscie.close();
    // Steps that could not be read to the end are not passed off as the whole trajectory.
    if (q.lastError().isValid()) {
        k.komunikat(QStringLiteral("Nie można odczytać tabeli trajektoria.db."));
        return Porazka;
    }
    if (!zapisane || std::fflush(stdout) != 0) {
        k.err << QStringLiteral("Nie można zapisać kroków trajektorii na standardowe wyjście (brak miejsca na dysku "
                                "albo zamknięty odbiorca).\n");
        k.err.flush();
        return Porazka;
    }
    return Sukces;
}

} // namespace tremida::cli

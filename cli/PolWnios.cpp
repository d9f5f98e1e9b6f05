// Inference from the terminal: infer (forward, backward or mixed inference with scripted or
// typed input-fact values, falsification of the main hypothesis by chosen candidates) and
// trajectory (the steps of a system's last run).

#include "Cli.h"
#include "OpcjePrzebiegu.h"

#include "inference/PolaWizKonkl.h"
#include "store/Konwersje.h"
#include "store/NaglowkiKolumn.h"
#include "store/Rekordy.h"
#include "store/Slowa.h"
#include "store/Warunki.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cstdio>
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
    std::optional<int> kodSyst;
    bool json = false;
    for (const QString &a : argumenty) {
        if (a == u"--json")
            json = true;
        else if (!a.startsWith(u'-') && !kodSyst && tekstNaInt(a))
            kodSyst = tekstNaInt(a);
        else
            return bladUzycia(k, pol, QStringLiteral("Nieznany argument: %1").arg(a));
    }
    if (!kodSyst)
        return bladUzycia(k, pol, QStringLiteral("Podaj kod systemu."));
    if (const auto brak = sprawdzWarunki(tremida::Polecenie::OtwTabTraj, k.baza)) {
        k.komunikat(*brak);
        return Porazka;
    }
    QSqlQuery q = k.baza.zapytanie();
    q.prepare(QStringLiteral("SELECT * FROM trajektoria WHERE KodSyst=:ParIdSyst ORDER BY IdKrokTraj"));
    q.bindValue(QStringLiteral(":ParIdSyst"), *kodSyst);
    if (!q.exec()) {
        k.komunikat(QStringLiteral("Nie można odczytać tabeli trajektoria.db."));
        return Porazka;
    }
    auto opt = [](const std::optional<int> &v) { return v ? QString::number(*v) : QString(); };
    if (!json)
        k.out << naglowkiKolumnTraj().join(u'\t')
              << '\n';
    while (q.next()) {
        const TRekTraj t = TRekTraj::z(q.record());
        if (json) {
            auto n = [](const std::optional<int> &v) { return v ? QByteArray::number(*v) : QByteArray("null"); };
            k.out << QString::fromUtf8(
                "{\"IdKrokTraj\":" + QByteArray::number(t.IdKrokTraj) + ",\"KodSyst\":" +
                QByteArray::number(t.KodSyst) + ",\"KodRegTraj\":" + QByteArray::number(t.KodRegTraj) +
                ",\"PozRegTraj\":" + n(t.PozRegTraj) + ",\"IterRegTraj\":" + n(t.IterRegTraj) +
                ",\"KierWniTraj\":" + tekstJson(t.KierWniTraj) + ",\"CzyOdpalTraj\":" + tekstJson(t.CzyOdpalTraj) +
                ",\"CFKonklRegTraj\":" + (t.CFKonklRegTraj ? liczbaJson(*t.CFKonklRegTraj) : QByteArray("null")) +
                ",\"PrzyczNieOdpalTraj\":" + tekstJson(t.PrzyczNieOdpalTraj) + ",\"DataRek\":" +
                tekstJson(t.DataRek) + "}")
                  << '\n';
        } else {
            k.out << QStringList{QString::number(t.IdKrokTraj), QString::number(t.KodSyst),
                                 QString::number(t.KodRegTraj), opt(t.PozRegTraj), opt(t.IterRegTraj),
                                 t.KierWniTraj, t.CzyOdpalTraj,
                                 t.CFKonklRegTraj ? realNaTekst(*t.CFKonklRegTraj) : QString(),
                                 t.PrzyczNieOdpalTraj, t.DataRek}
                         .join(u'\t')
                  << '\n';
        }
    }
    return Sukces;
}

} // namespace tremida::cli

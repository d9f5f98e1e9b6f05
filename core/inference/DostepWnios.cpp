#include "DostepWnios.h"

#include "store/Baza.h"
#include "store/WstawianieWsadowe.h"

#include <QSqlQuery>
#include <QHash>
#include <QSqlRecord>
#include <QVariant>

namespace tremida::dostep {

namespace {

// A read that fails is recorded in the database as the work's failure (the run then stops
// with its message) and gives what a read that found nothing gives.
template <typename Rek>
QList<Rek> wszystkie(Baza &baza, QSqlQuery &q, Tabela t)
{
    QList<Rek> wynik;
    if (baza.czytaj(q, t))
        wynik = rekordyZapytania<Rek>(q);
    q.finish();
    return wynik;
}

template <typename Rek>
std::optional<Rek> pierwszy(Baza &baza, QSqlQuery &q, Tabela t)
{
    std::optional<Rek> wynik;
    if (baza.czytaj(q, t) && q.next())
        wynik = Rek::z(q.record());
    q.finish();
    return wynik;
}

QVariant opt(const std::optional<double> &v) { return v ? QVariant(*v) : QVariant(); }
QVariant txt(const QString &s) { return s.isNull() ? QVariant() : QVariant(s); }

// Records read during the current transaction. A record is served from here only while the
// connection's change count is the one seen when the store was last known to be exact. A
// write made by this file puts what it wrote into the remembered record when the engine
// changed exactly that row and nothing else (no trigger of another program wrote besides),
// and drops the record otherwise; then the count is taken again. Any other write (a bulk
// reset) empties the store. The names of a system's facts and constants are read once, all
// together, so a lookup by name costs the same whatever the size of the base.
// Numbers the stores of every connection: a store takes a new one when it is made.
quint64 nastepnaWersja()
{
    static quint64 ostatnia = 0;
    return ++ostatnia;
}

struct TOdczyty : Baza::PamiecOdczytow {
    qint64 licznik = -1;
    const quint64 pokolenie = nastepnaWersja(); // never changes: the store's own number
    QHash<int, std::shared_ptr<const TRekFakt>> fakty;
    // The places handed out by miejsceFaktu, kept equal to `fakty` (empty when it has none).
    QHash<int, std::shared_ptr<TMiejsceFaktu>> miejscaFaktow;
    int systemNazw = 0; // the system whose fact names are in faktyWgNazwy, 0 for none
    QHash<QString, int> faktyWgNazwy;
    QHash<int, QList<TRekWartFaktWylicz>> wartosci;
    int systemStalych = 0; // the system whose constants are in staleWgNazwy, 0 for none
    QHash<QString, std::shared_ptr<const TRekStala>> staleWgNazwy;
    QHash<int, std::shared_ptr<const TRekReg>> reguly;
    bool regulySystemu = false; // whether the rules of a system were read into `reguly` at once
    // What the aggregation of a conclusion's CF reads, for every rule of one system: the
    // rules by conclusion text (in key order) and the fired mark and CF of each.
    struct TStanReguly {
        QString czyOdpal;
        double cfKonkl = 0.0;
    };
    int systemStanow = 0; // the system whose rules are in stanyRegul, 0 for none
    QHash<int, TStanReguly> stanyRegul;
    QHash<QString, QList<int>> regulyWgKonkl;
    // Whether the multimedia table was found to hold no file (not asked yet: no value). Its
    // rows cannot change under a transaction that has read it.
    std::optional<bool> bezIlustracji;
};

// The store valid for this moment, or none outside a transaction (another program may
// write between two reads then).
TOdczyty *odczyty(Baza &baza)
{
    if (!baza.czyWTransakcji())
        return nullptr;
    auto &slot = baza.pamiecOdczytow();
    const qint64 teraz = baza.licznikZmian();
    // The store is this file's own: nothing else is ever kept in the slot.
    auto *p = static_cast<TOdczyty *>(slot.get());
    if (!p || p->licznik != teraz) {
        slot = std::make_unique<TOdczyty>();
        p = static_cast<TOdczyty *>(slot.get());
        p->licznik = teraz;
    }
    return p;
}

// Runs a write of this file: the store is checked before it (so earlier foreign writes
// still empty it); after it `zmien` updates what the write changed, told whether the write
// changed exactly one row and nothing besides, and the store is exact again.
template <typename Zmien>
bool zapisz(Baza &baza, QSqlQuery &q, Tabela t, Zmien zmien)
{
    TOdczyty *p = odczyty(baza);
    const qint64 przed = baza.licznikZmian();
    const bool ok = baza.zapisz(q, t);
    if (p) {
        const qint64 po = baza.licznikZmian();
        zmien(*p, ok && baza.zmianyOstatniegoZapisu() == 1 && po - przed == 1);
        p->licznik = po;
    }
    return ok;
}

template <typename K, typename V, typename Czytaj>
V zPamieci(Baza &baza, QHash<K, V> TOdczyty::*mapa, const K &klucz, Czytaj czytaj)
{
    TOdczyty *p = odczyty(baza);
    if (!p)
        return czytaj();
    auto &m = p->*mapa;
    const auto it = m.constFind(klucz);
    if (it != m.constEnd())
        return *it;
    V v = czytaj();
    m.insert(klucz, v);
    return v;
}

// Whether writing text `b` over the read text `a` would leave the column as it is. A null
// text read may stand for NULL or for an empty text, so it is always written.
bool teSame(const QString &a, const QString &b) { return !a.isNull() && !b.isNull() && a == b; }

// The remembered record of `klucz` when it is exact now, for a write that would change nothing.
template <typename V>
const V *zapamietany(Baza &baza, QHash<int, std::shared_ptr<const V>> TOdczyty::*mapa, int klucz)
{
    TOdczyty *p = odczyty(baza);
    if (!p)
        return nullptr;
    const auto it = (p->*mapa).constFind(klucz);
    return it != (p->*mapa).constEnd() ? it->get() : nullptr;
}

// After a write of some columns of the record `klucz`: the remembered record with the written
// columns (`wpisz` copies them in) when the write is known exact, otherwise none.
template <typename V, typename Wpisz>
void poZapisie(QHash<int, std::shared_ptr<const V>> &mapa, int klucz, bool dokladny, Wpisz wpisz)
{
    const auto it = mapa.find(klucz);
    if (it == mapa.end())
        return;
    if (!dokladny || !*it) {
        mapa.erase(it);
        return;
    }
    auto nowy = std::make_shared<V>(**it);
    wpisz(*nowy);
    *it = std::move(nowy);
}

std::shared_ptr<const TRekFakt> czytajFakt(Baza &baza, int idFakt)
{
    QSqlQuery &q = baza.przygotowane(QStringLiteral("SELECT * FROM fakty WHERE IdFakt=:ParIdFakt"));
    q.bindValue(QStringLiteral(":ParIdFakt"), idFakt);
    const auto f = pierwszy<TRekFakt>(baza, q, Tabela::Fakty);
    return f ? std::make_shared<const TRekFakt>(*f) : nullptr;
}

// The code of the first fact of the system, in table order, named `nazwa`; 0 for none.
int kodFaktuONazwie(Baza &baza, int kodSyst, const QString &nazwa)
{
    TOdczyty *p = odczyty(baza);
    if (!p || kodSyst <= 0) {
        QSqlQuery &q = baza.przygotowane(QStringLiteral(
            "SELECT IdFakt FROM fakty WHERE KodSyst=:ParIdSyst AND NazFakt=:ParNazFakt ORDER BY IdFakt LIMIT 1"));
        q.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
        q.bindValue(QStringLiteral(":ParNazFakt"), nazwa);
        int wynik = 0;
        if (baza.czytaj(q, Tabela::Fakty) && q.next())
            wynik = q.value(0).toInt();
        q.finish();
        return wynik;
    }
    if (p->systemNazw != kodSyst) {
        p->faktyWgNazwy.clear();
        // The whole records come with the names: a run looks up the facts its rules name, and
        // one read of the system's rows costs less than a read per fact. A record already
        // remembered is the same row as read now.
        QSqlQuery &q = baza.przygotowane(QStringLiteral("SELECT * FROM fakty WHERE KodSyst=:ParIdSyst ORDER BY IdFakt"));
        q.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
        if (baza.czytaj(q, Tabela::Fakty)) {
            dlaRekordow<TRekFakt>(q, [&](TRekFakt f) {
                if (!p->faktyWgNazwy.contains(f.NazFakt))
                    p->faktyWgNazwy.insert(f.NazFakt, f.IdFakt);
                if (!p->fakty.contains(f.IdFakt))
                    p->fakty.insert(f.IdFakt, std::make_shared<const TRekFakt>(std::move(f)));
            });
        }
        q.finish();
        // A read that failed leaves no names: every later lookup finds nothing, as the read did.
        p->systemNazw = kodSyst;
    }
    return p->faktyWgNazwy.value(nazwa, 0);
}

} // namespace

quint64 pokolenieOdczytow(Baza &baza)
{
    const TOdczyty *p = odczyty(baza);
    return p ? p->pokolenie : 0;
}

std::shared_ptr<const TRekFakt> faktDzielony(Baza &baza, int idFakt)
{
    return zPamieci(baza, &TOdczyty::fakty, idFakt, [&] { return czytajFakt(baza, idFakt); });
}

std::shared_ptr<const TMiejsceFaktu> miejsceFaktu(Baza &baza, int idFakt)
{
    auto rekord = faktDzielony(baza, idFakt);
    TOdczyty *p = odczyty(baza);
    if (!p || !rekord)
        return nullptr;
    auto &miejsce = p->miejscaFaktow[idFakt];
    if (!miejsce)
        miejsce = std::make_shared<TMiejsceFaktu>();
    miejsce->rekord = std::move(rekord);
    return miejsce;
}

std::optional<TRekFakt> fakt(Baza &baza, int idFakt)
{
    const auto f = faktDzielony(baza, idFakt);
    return f ? std::optional<TRekFakt>(*f) : std::nullopt;
}

std::shared_ptr<const TRekFakt> faktONazwieDzielony(Baza &baza, int kodSyst, const QString &nazwa)
{
    const int id = kodFaktuONazwie(baza, kodSyst, nazwa);
    return id ? faktDzielony(baza, id) : nullptr;
}

std::optional<TRekFakt> faktONazwie(Baza &baza, int kodSyst, const QString &nazwa)
{
    const auto f = faktONazwieDzielony(baza, kodSyst, nazwa);
    return f ? std::optional<TRekFakt>(*f) : std::nullopt;
}

QList<TRekFakt> faktySystemu(Baza &baza, int kodSyst, const QStringList &rodzaje)
{
    QSqlQuery &q = baza.przygotowane(QStringLiteral("SELECT * FROM fakty WHERE KodSyst=:ParIdSyst ORDER BY IdFakt"));
    q.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
    QList<TRekFakt> wynik;
    for (const TRekFakt &f : wszystkie<TRekFakt>(baza, q, Tabela::Fakty))
        if (rodzaje.contains(f.RodzFakt))
            wynik.append(f);
    return wynik;
}

QList<TRekWartFaktWylicz> wartosciFaktu(Baza &baza, int idFakt)
{
    return zPamieci(baza, &TOdczyty::wartosci, idFakt, [&] {
        QSqlQuery &q = baza.przygotowane(QStringLiteral(
            "SELECT * FROM wartoscifaktowwyliczeniowych WHERE KodFakt=:ParKodFaktWylicz ORDER BY IdWartFaktWylicz"));
        q.bindValue(QStringLiteral(":ParKodFaktWylicz"), idFakt);
        return wszystkie<TRekWartFaktWylicz>(baza, q, Tabela::WartFaktWylicz);
    });
}

std::optional<TRekWartFaktWylicz> wartoscWylicz(Baza &baza, int idWartFaktWylicz)
{
    QSqlQuery &q = baza.przygotowane(QStringLiteral("SELECT * FROM wartoscifaktowwyliczeniowych "
                                                    "WHERE IdWartFaktWylicz=:ParKodWartFaktWylicz"));
    q.bindValue(QStringLiteral(":ParKodWartFaktWylicz"), idWartFaktWylicz);
    return pierwszy<TRekWartFaktWylicz>(baza, q, Tabela::WartFaktWylicz);
}

std::shared_ptr<const TRekStala> stalaONazwieDzielona(Baza &baza, int kodSyst, const QString &nazwa)
{
    TOdczyty *p = odczyty(baza);
    if (!p || kodSyst <= 0) {
        QSqlQuery &q = baza.przygotowane(QStringLiteral(
            "SELECT * FROM stale WHERE KodSyst=:ParIdSyst AND NazStala=:ParNazStala ORDER BY IdStala LIMIT 1"));
        q.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
        q.bindValue(QStringLiteral(":ParNazStala"), nazwa);
        const auto s = pierwszy<TRekStala>(baza, q, Tabela::Stale);
        return s ? std::make_shared<const TRekStala>(*s) : nullptr;
    }
    if (p->systemStalych != kodSyst) {
        p->staleWgNazwy.clear();
        QSqlQuery &q = baza.przygotowane(QStringLiteral("SELECT * FROM stale WHERE KodSyst=:ParIdSyst ORDER BY IdStala"));
        q.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
        for (const TRekStala &s : wszystkie<TRekStala>(baza, q, Tabela::Stale))
            if (!p->staleWgNazwy.contains(s.NazStala))
                p->staleWgNazwy.insert(s.NazStala, std::make_shared<const TRekStala>(s));
        p->systemStalych = kodSyst;
    }
    return p->staleWgNazwy.value(nazwa);
}

std::optional<TRekStala> stalaONazwie(Baza &baza, int kodSyst, const QString &nazwa)
{
    const auto s = stalaONazwieDzielona(baza, kodSyst, nazwa);
    return s ? std::optional<TRekStala>(*s) : std::nullopt;
}

std::optional<TRekSyst> system(Baza &baza, int idSyst)
{
    QSqlQuery &q = baza.przygotowane(QStringLiteral("SELECT * FROM systemyeksperckie WHERE IdSyst=:ParIdSyst"));
    q.bindValue(QStringLiteral(":ParIdSyst"), idSyst);
    return pierwszy<TRekSyst>(baza, q, Tabela::Systemy);
}

std::shared_ptr<const TRekReg> regulaDzielona(Baza &baza, int idReg)
{
    TOdczyty *p = odczyty(baza);
    if (p) {
        // A rule examined again is served at once: the same store, one lookup.
        const auto it = p->reguly.constFind(idReg);
        if (it != p->reguly.constEnd())
            return *it;
    }
    // The first rule looked up brings the rows of its whole system: a run examines them all,
    // and one read costs less than a read per rule. A record already remembered is the same
    // row as read now; a record dropped later is read again on its own.
    if (p && !p->regulySystemu) {
        p->regulySystemu = true;
        QSqlQuery &q = baza.przygotowane(QStringLiteral(
            "SELECT * FROM reguly WHERE KodSyst=(SELECT KodSyst FROM reguly WHERE IdReg=:ParIdReg) ORDER BY IdReg"));
        q.bindValue(QStringLiteral(":ParIdReg"), idReg);
        if (baza.czytaj(q, Tabela::Reguly)) {
            dlaRekordow<TRekReg>(q, [&](TRekReg r) {
                if (!p->reguly.contains(r.IdReg))
                    p->reguly.insert(r.IdReg, std::make_shared<const TRekReg>(std::move(r)));
            });
        }
        q.finish();
    }
    return zPamieci(baza, &TOdczyty::reguly, idReg, [&]() -> std::shared_ptr<const TRekReg> {
        QSqlQuery &q = baza.przygotowane(QStringLiteral("SELECT * FROM reguly WHERE IdReg=:ParIdReg"));
        q.bindValue(QStringLiteral(":ParIdReg"), idReg);
        const auto r = pierwszy<TRekReg>(baza, q, Tabela::Reguly);
        return r ? std::make_shared<const TRekReg>(*r) : nullptr;
    });
}

int liczbaIlustracji(Baza &baza, int kodElem, const QString &coIlustr, const QString &rodzajPliku)
{
    TOdczyty *p = odczyty(baza);
    if (p && !p->bezIlustracji.has_value() && baza.czyDolaczona(Tabela::PlikiMult)) {
        // A failed read settles nothing: every element is then looked up as before.
        QSqlQuery &q = baza.przygotowane(QStringLiteral("SELECT COUNT(*) FROM plikimultimedialne"));
        if (q.exec() && q.next())
            p->bezIlustracji = q.value(0).toLongLong() == 0;
        q.finish();
    }
    if (p && p->bezIlustracji.value_or(false))
        return 0;
    return int(plikiIlustrujace(baza, kodElem, coIlustr, rodzajPliku).size());
}

std::optional<TRekReg> regula(Baza &baza, int idReg)
{
    const auto r = regulaDzielona(baza, idReg);
    return r ? std::optional<TRekReg>(*r) : std::nullopt;
}

bool zapiszWartFaktu(Baza &baza, const TRekFakt &f)
{
    // A write that would leave the row as it is, is not made.
    if (const TRekFakt *b = zapamietany(baza, &TOdczyty::fakty, f.IdFakt);
        b && teSame(b->WartFakt, f.WartFakt) && teSame(b->WartPoprzFakt, f.WartPoprzFakt) &&
        b->CFWartFakt == f.CFWartFakt && b->CFWartPoprzFakt == f.CFWartPoprzFakt)
        return true;
    QSqlQuery &q = baza.przygotowane(QStringLiteral(
        "UPDATE fakty SET WartFakt=:ParWartFakt, WartPoprzFakt=:ParWartPoprzFakt, CFWartFakt=:ParCFWartFakt, "
        "CFWartPoprzFakt=:ParCFWartPoprzFakt WHERE IdFakt=:ParIdFakt"));
    q.bindValue(QStringLiteral(":ParWartFakt"), txt(f.WartFakt));
    q.bindValue(QStringLiteral(":ParWartPoprzFakt"), txt(f.WartPoprzFakt));
    q.bindValue(QStringLiteral(":ParCFWartFakt"), opt(f.CFWartFakt));
    q.bindValue(QStringLiteral(":ParCFWartPoprzFakt"), opt(f.CFWartPoprzFakt));
    q.bindValue(QStringLiteral(":ParIdFakt"), f.IdFakt);
    return zapisz(baza, q, Tabela::Fakty, [&](TOdczyty &p, bool dokladny) {
        poZapisie(p.fakty, f.IdFakt, dokladny, [&](TRekFakt &r) {
            r.WartFakt = f.WartFakt;
            r.WartPoprzFakt = f.WartPoprzFakt;
            r.CFWartFakt = f.CFWartFakt;
            r.CFWartPoprzFakt = f.CFWartPoprzFakt;
        });
        if (const auto it = p.miejscaFaktow.constFind(f.IdFakt); it != p.miejscaFaktow.constEnd())
            (*it)->rekord = p.fakty.value(f.IdFakt);
    });
}

bool zapiszWartWylicz(Baza &baza, const TRekWartFaktWylicz &w)
{
    QSqlQuery &q = baza.przygotowane(QStringLiteral(
        "UPDATE wartoscifaktowwyliczeniowych SET CzyFaktMaWartAkt=:ParAkt, CFWartFaktWyliczAkt=:ParCFAkt, "
        "CzyFaktMaWartPoprz=:ParPoprz, CFWartFaktWyliczPoprz=:ParCFPoprz WHERE IdWartFaktWylicz=:ParIdWart"));
    q.bindValue(QStringLiteral(":ParAkt"), txt(w.CzyFaktMaWartAkt));
    q.bindValue(QStringLiteral(":ParCFAkt"), opt(w.CFWartFaktWyliczAkt));
    q.bindValue(QStringLiteral(":ParPoprz"), txt(w.CzyFaktMaWartPoprz));
    q.bindValue(QStringLiteral(":ParCFPoprz"), opt(w.CFWartFaktWyliczPoprz));
    q.bindValue(QStringLiteral(":ParIdWart"), w.IdWartFaktWylicz);
    return zapisz(baza, q, Tabela::WartFaktWylicz, [&](TOdczyty &p, bool dokladny) {
        // The row is found by its own code: when the remembered rows of its fact hold it, the
        // written columns go into it; otherwise every fact's value rows are read again.
        const auto it = p.wartosci.find(w.KodFakt);
        if (dokladny && it != p.wartosci.end()) {
            for (TRekWartFaktWylicz &r : *it) {
                if (r.IdWartFaktWylicz != w.IdWartFaktWylicz)
                    continue;
                r.CzyFaktMaWartAkt = w.CzyFaktMaWartAkt;
                r.CFWartFaktWyliczAkt = w.CFWartFaktWyliczAkt;
                r.CzyFaktMaWartPoprz = w.CzyFaktMaWartPoprz;
                r.CFWartFaktWyliczPoprz = w.CFWartFaktWyliczPoprz;
                return;
            }
        }
        p.wartosci.clear();
    });
}

bool zapiszStanReguly(Baza &baza, const TRekReg &r)
{
    if (const TRekReg *b = zapamietany(baza, &TOdczyty::reguly, r.IdReg);
        b && teSame(b->CzyOdpal, r.CzyOdpal) && teSame(b->CzyBieUdzWeWnios, r.CzyBieUdzWeWnios) &&
        b->CFKonklReg == r.CFKonklReg)
        return true;
    QSqlQuery &q = baza.przygotowane(QStringLiteral(
        "UPDATE reguly SET CzyOdpal=:ParCzyOdpal, CzyBieUdzWeWnios=:ParCzyBieUdz, CFKonklReg=:ParCFKonklReg "
        "WHERE IdReg=:ParIdReg"));
    q.bindValue(QStringLiteral(":ParCzyOdpal"), txt(r.CzyOdpal));
    q.bindValue(QStringLiteral(":ParCzyBieUdz"), txt(r.CzyBieUdzWeWnios));
    q.bindValue(QStringLiteral(":ParCFKonklReg"), opt(r.CFKonklReg));
    q.bindValue(QStringLiteral(":ParIdReg"), r.IdReg);
    return zapisz(baza, q, Tabela::Reguly, [&](TOdczyty &p, bool dokladny) {
        poZapisie(p.reguly, r.IdReg, dokladny, [&](TRekReg &z) {
            z.CzyOdpal = r.CzyOdpal;
            z.CzyBieUdzWeWnios = r.CzyBieUdzWeWnios;
            z.CFKonklReg = r.CFKonklReg;
        });
        if (const auto it = p.stanyRegul.find(r.IdReg); it != p.stanyRegul.end()) {
            if (!dokladny) {
                p.systemStanow = 0;
                return;
            }
            it->czyOdpal = r.CzyOdpal;
            it->cfKonkl = r.CFKonklReg.value_or(0.0);
        }
    });
}

QList<double> cfOdpalonych(Baza &baza, int kodSyst, const QString &konkl)
{
    QList<double> wynik;
    TOdczyty *p = odczyty(baza);
    if (!p) {
        QSqlQuery &q = baza.przygotowane(QStringLiteral(
            "SELECT CFKonklReg FROM reguly WHERE KodSyst=:ParIdSyst AND CzyOdpal='tak' "
            "AND KonklReg=:ParKonkl COLLATE BINARY ORDER BY IdReg"));
        q.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
        // The conclusion texts are compared exactly, letter case included.
        q.bindValue(QStringLiteral(":ParKonkl"), konkl);
        if (baza.czytaj(q, Tabela::Reguly)) {
            while (q.next())
                wynik.append(q.value(0).toDouble());
        }
        q.finish();
        return wynik;
    }
    if (p->systemStanow != kodSyst) {
        p->stanyRegul.clear();
        p->regulyWgKonkl.clear();
        QSqlQuery &q = baza.przygotowane(QStringLiteral(
            "SELECT IdReg, KonklReg, CzyOdpal, CFKonklReg FROM reguly WHERE KodSyst=:ParIdSyst ORDER BY IdReg"));
        q.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
        if (baza.czytaj(q, Tabela::Reguly)) {
            while (q.next()) {
                const int id = q.value(0).toInt();
                p->stanyRegul.insert(id, {q.value(2).toString(), q.value(3).toDouble()});
                p->regulyWgKonkl[q.value(1).toString()].append(id);
            }
        }
        q.finish();
        p->systemStanow = kodSyst;
    }
    for (int id : p->regulyWgKonkl.value(konkl)) {
        const TOdczyty::TStanReguly &s = p->stanyRegul[id];
        if (s.czyOdpal == QLatin1String("tak"))
            wynik.append(s.cfKonkl);
    }
    return wynik;
}

bool wstawKrokTraj(Baza &baza, int idKrok, int kodSyst, int idReg, int poziom, int iteracja,
                   const QString &kierunek, const QString &czyOdpal, double cfKonkl, const QString &przyczyna,
                   const QString &dataRek)
{
    static const QStringList kolumny{QStringLiteral("IdKrokTraj"),     QStringLiteral("KodSyst"),
                                     QStringLiteral("KodRegTraj"),     QStringLiteral("PozRegTraj"),
                                     QStringLiteral("IterRegTraj"),    QStringLiteral("KierWniTraj"),
                                     QStringLiteral("CzyOdpalTraj"),   QStringLiteral("CFKonklRegTraj"),
                                     QStringLiteral("PrzyczNieOdpalTraj"), QStringLiteral("DataRek")};
    // The trajectory is not remembered: a row kept or written changes no remembered record.
    return baza.wstawianie(Tabela::Trajektoria, kolumny)
        .dodaj({idKrok, kodSyst, idReg, poziom, iteracja, kierunek, czyOdpal, cfKonkl, przyczyna, dataRek});
}

int maksKrokTraj(Baza &baza)
{
    QSqlQuery &q = baza.przygotowane(QStringLiteral("SELECT MAX(IdKrokTraj) FROM trajektoria"));
    int wynik = 0;
    if (baza.czytaj(q, Tabela::Trajektoria) && q.next() && !q.value(0).isNull())
        wynik = q.value(0).toInt();
    q.finish();
    return wynik;
}

} // namespace tremida::dostep

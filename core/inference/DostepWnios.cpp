#include "DostepWnios.h"

#include "store/Baza.h"

#include <QSqlQuery>
#include <QHash>
#include <QPair>
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
    if (baza.czytaj(q, t)) {
        while (q.next())
            wynik.append(Rek::z(q.record()));
    }
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
// connection's change count is the one seen when the store was last known to be exact; a
// write made by this file drops the records it changes and moves that count on, any other
// write (an input dialog, a bulk reset) empties the store.
struct TOdczyty : Baza::PamiecOdczytow {
    qint64 licznik = -1;
    QHash<int, std::optional<TRekFakt>> fakty;
    QHash<QPair<int, QString>, std::optional<int>> faktyWgNazwy;
    QHash<int, QList<TRekWartFaktWylicz>> wartosci;
    QHash<QPair<int, QString>, std::optional<TRekStala>> stale;
    QHash<int, std::optional<TRekReg>> reguly;
};

// The store valid for this moment, or none outside a transaction (another program may
// write between two reads then).
TOdczyty *odczyty(Baza &baza)
{
    if (!baza.czyWTransakcji())
        return nullptr;
    auto &slot = baza.pamiecOdczytow();
    const qint64 teraz = baza.licznikZmian();
    auto *p = dynamic_cast<TOdczyty *>(slot.get());
    if (!p || p->licznik != teraz) {
        slot = std::make_unique<TOdczyty>();
        p = static_cast<TOdczyty *>(slot.get());
        p->licznik = teraz;
    }
    return p;
}

// Runs a write of this file: the store is checked before it (so earlier foreign writes
// still empty it), `porzuc` drops what the write changes, and the store is exact again
// after it.
template <typename Porzuc>
bool zapisz(Baza &baza, QSqlQuery &q, Tabela t, Porzuc porzuc)
{
    TOdczyty *p = odczyty(baza);
    const bool ok = baza.zapisz(q, t);
    if (p) {
        porzuc(*p);
        p->licznik = baza.licznikZmian();
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
const V *zapamietany(Baza &baza, QHash<int, std::optional<V>> TOdczyty::*mapa, int klucz)
{
    TOdczyty *p = odczyty(baza);
    if (!p)
        return nullptr;
    const auto it = (p->*mapa).constFind(klucz);
    return it != (p->*mapa).constEnd() && it->has_value() ? &**it : nullptr;
}

} // namespace

std::optional<TRekFakt> fakt(Baza &baza, int idFakt)
{
    return zPamieci(baza, &TOdczyty::fakty, idFakt, [&] {
        QSqlQuery &q = baza.przygotowane(QStringLiteral("SELECT * FROM fakty WHERE IdFakt=:ParIdFakt"));
        q.bindValue(QStringLiteral(":ParIdFakt"), idFakt);
        return pierwszy<TRekFakt>(baza, q, Tabela::Fakty);
    });
}

std::optional<TRekFakt> faktONazwie(Baza &baza, int kodSyst, const QString &nazwa)
{
    const auto id = zPamieci(baza, &TOdczyty::faktyWgNazwy, qMakePair(kodSyst, nazwa), [&] {
        QSqlQuery &q = baza.przygotowane(QStringLiteral(
            "SELECT IdFakt FROM fakty WHERE KodSyst=:ParIdSyst AND NazFakt=:ParNazFakt ORDER BY IdFakt LIMIT 1"));
        q.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
        q.bindValue(QStringLiteral(":ParNazFakt"), nazwa);
        std::optional<int> wynik;
        if (baza.czytaj(q, Tabela::Fakty) && q.next())
            wynik = q.value(0).toInt();
        q.finish();
        return wynik;
    });
    return id ? fakt(baza, *id) : std::nullopt;
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

std::optional<TRekStala> stalaONazwie(Baza &baza, int kodSyst, const QString &nazwa)
{
    return zPamieci(baza, &TOdczyty::stale, qMakePair(kodSyst, nazwa), [&] {
        QSqlQuery &q = baza.przygotowane(QStringLiteral(
            "SELECT * FROM stale WHERE KodSyst=:ParIdSyst AND NazStala=:ParNazStala ORDER BY IdStala LIMIT 1"));
        q.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
        q.bindValue(QStringLiteral(":ParNazStala"), nazwa);
        return pierwszy<TRekStala>(baza, q, Tabela::Stale);
    });
}

std::optional<TRekSyst> system(Baza &baza, int idSyst)
{
    QSqlQuery &q = baza.przygotowane(QStringLiteral("SELECT * FROM systemyeksperckie WHERE IdSyst=:ParIdSyst"));
    q.bindValue(QStringLiteral(":ParIdSyst"), idSyst);
    return pierwszy<TRekSyst>(baza, q, Tabela::Systemy);
}

std::optional<TRekReg> regula(Baza &baza, int idReg)
{
    return zPamieci(baza, &TOdczyty::reguly, idReg, [&] {
        QSqlQuery &q = baza.przygotowane(QStringLiteral("SELECT * FROM reguly WHERE IdReg=:ParIdReg"));
        q.bindValue(QStringLiteral(":ParIdReg"), idReg);
        return pierwszy<TRekReg>(baza, q, Tabela::Reguly);
    });
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
    return zapisz(baza, q, Tabela::Fakty, [&](TOdczyty &p) { p.fakty.remove(f.IdFakt); });
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
    // The row is found by its own code; its fact is not known for sure, so every fact's
    // value rows are read again.
    return zapisz(baza, q, Tabela::WartFaktWylicz, [](TOdczyty &p) { p.wartosci.clear(); });
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
    return zapisz(baza, q, Tabela::Reguly, [&](TOdczyty &p) { p.reguly.remove(r.IdReg); });
}

bool wstawKrokTraj(Baza &baza, int idKrok, int kodSyst, int idReg, int poziom, int iteracja,
                   const QString &kierunek, const QString &czyOdpal, double cfKonkl, const QString &przyczyna,
                   const QString &dataRek)
{
    const QString sql = QStringLiteral(
        "INSERT INTO trajektoria (IdKrokTraj, KodSyst, KodRegTraj, PozRegTraj, IterRegTraj, KierWniTraj, "
        "CzyOdpalTraj, CFKonklRegTraj, PrzyczNieOdpalTraj, DataRek) VALUES (:ParIdKrokTraj, :ParKodSyst, "
        ":ParKodRegTraj, :ParPozRegTraj, :ParIterRegTraj, :ParKierWniTraj, :ParCzyOdpalTraj, :ParCFKonklRegTraj, "
        ":ParPrzyczNieOdpalTraj, :ParDataRek)");
    auto wiazWszystkie = [&](auto &&wiaz) {
        wiaz(":ParIdKrokTraj", idKrok);
        wiaz(":ParKodSyst", kodSyst);
        wiaz(":ParKodRegTraj", idReg);
        wiaz(":ParPozRegTraj", poziom);
        wiaz(":ParIterRegTraj", iteracja);
        wiaz(":ParKierWniTraj", kierunek);
        wiaz(":ParCzyOdpalTraj", czyOdpal);
        wiaz(":ParCFKonklRegTraj", cfKonkl);
        wiaz(":ParPrzyczNieOdpalTraj", przyczyna);
        wiaz(":ParDataRek", dataRek);
    };
    // The trajectory is not remembered: nothing is dropped.
    if (PolecenieSql *p = baza.polecenie(sql)) {
        TOdczyty *pamiec = odczyty(baza);
        wiazWszystkie([p](const char *nazwa, const auto &wartosc) { p->wiaz(nazwa, wartosc); });
        const bool ok = baza.zapisz(*p, Tabela::Trajektoria);
        if (pamiec)
            pamiec->licznik = baza.licznikZmian();
        return ok;
    }
    QSqlQuery &q = baza.przygotowane(sql);
    wiazWszystkie([&q](const char *nazwa, const auto &wartosc) { q.bindValue(QLatin1String(nazwa), wartosc); });
    return zapisz(baza, q, Tabela::Trajektoria, [](TOdczyty &) {});
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

#include "DostepWyjasn.h"

#include "store/Slowa.h"
#include "store/Warunki.h"

#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>

namespace tremida {

namespace wyjasn {

namespace {

// The records of one system read by `sql` with the parameter :ParIdSyst, in the order the
// statement gives. A failed read is recorded in the database and gives what was read.
template <typename Rek>
QList<Rek> rekordySystemu(Baza &baza, Tabela t, const QString &sql, int kodSyst)
{
    QList<Rek> wynik;
    QSqlQuery q = baza.zapytanie();
    q.setForwardOnly(true);
    q.prepare(sql);
    q.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
    if (baza.czytaj(q, t))
        wynik = rekordyZapytania<Rek>(q);
    q.finish();
    return wynik;
}

} // namespace

QList<TRekTraj> krokiSystemu(Baza &baza, int kodSyst, bool tylkoOdpalone)
{
    // A run may have millions of steps: the columns are read by their place, and the few texts
    // the steps repeat (direction, fired mark, reason, date) are kept once and shared.
    QList<TRekTraj> wynik;
    QSqlQuery q = baza.zapytanie();
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT IdKrokTraj, KodSyst, KodRegTraj, PozRegTraj, IterRegTraj, KierWniTraj, "
                             "CzyOdpalTraj, CFKonklRegTraj, PrzyczNieOdpalTraj, DataRek FROM trajektoria "
                             "WHERE KodSyst=:ParIdSyst AND (:ParWszystkie OR CzyOdpalTraj=:ParTak) "
                             "ORDER BY IdKrokTraj"));
    q.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
    q.bindValue(QStringLiteral(":ParWszystkie"), tylkoOdpalone ? 0 : 1);
    q.bindValue(QStringLiteral(":ParTak"), slowa::Tak);
    QHash<QString, QString> teksty;
    auto tekst = [&](int i) {
        const QString t = q.value(i).toString();
        if (t.isNull())
            return t;
        if (teksty.size() > 4096)
            teksty.clear();
        const auto it = teksty.constFind(t);
        return it != teksty.constEnd() ? *it : *teksty.insert(t, t);
    };
    auto opcjonalna = [&](int i) -> std::optional<int> {
        const QVariant v = q.value(i);
        return v.isNull() ? std::nullopt : std::optional<int>(v.toInt());
    };
    if (baza.czytaj(q, Tabela::Trajektoria)) {
        while (q.next()) {
            TRekTraj t;
            t.IdKrokTraj = q.value(0).toInt();
            t.KodSyst = q.value(1).toInt();
            t.KodRegTraj = q.value(2).toInt();
            t.PozRegTraj = opcjonalna(3);
            t.IterRegTraj = opcjonalna(4);
            t.KierWniTraj = tekst(5);
            t.CzyOdpalTraj = tekst(6);
            const QVariant cf = q.value(7);
            if (!cf.isNull())
                t.CFKonklRegTraj = cf.toDouble();
            t.PrzyczNieOdpalTraj = tekst(8);
            t.DataRek = tekst(9);
            wynik.append(std::move(t));
        }
    }
    q.finish();
    return wynik;
}

QList<TRekReg> regulySystemu(Baza &baza, int kodSyst)
{
    return rekordySystemu<TRekReg>(baza, Tabela::Reguly,
                                   QStringLiteral("SELECT * FROM reguly WHERE KodSyst=:ParIdSyst ORDER BY IdReg"), kodSyst);
}

std::optional<QString> warunkiWyjasnien(Baza &baza)
{
    baza.synchronizuj();
    for (Tabela t : {Tabela::Systemy, Tabela::Fakty, Tabela::WartFaktWylicz, Tabela::Stale, Tabela::Reguly,
                     Tabela::Trajektoria}) {
        if (!baza.plikIstnieje(t))
            return komunikatBrakPliku(t);
        if (const auto problem = baza.problemPliku(t))
            return komunikatWadliwyPlik(*problem);
    }
    return std::nullopt;
}

} // namespace wyjasn

TOdczytWyjasn::TOdczytWyjasn(Baza &baza) : m_baza(baza)
{
    if (!m_baza.czyWTransakcji())
        m_wlasna = m_baza.rozpocznijTransakcje();
}

TOdczytWyjasn::~TOdczytWyjasn()
{
    if (!m_wlasna)
        return;
    m_baza.wycofajTransakcje();
    // A failed read of looking is told by the explanation itself and stops nothing else.
    m_baza.zapomnijBlad();
}

std::optional<QString> TOdczytWyjasn::blad() const
{
    if (const auto &b = m_baza.blad())
        return komunikatBleduBazy(*b, ogon::Opcja);
    return std::nullopt;
}

} // namespace tremida

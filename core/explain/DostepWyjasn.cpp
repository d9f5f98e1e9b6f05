#include "DostepWyjasn.h"

#include "store/Warunki.h"

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
        while (q.next())
            wynik.append(Rek::z(q.record()));
    q.finish();
    return wynik;
}

} // namespace

QList<TRekTraj> krokiSystemu(Baza &baza, int kodSyst)
{
    return rekordySystemu<TRekTraj>(
        baza, Tabela::Trajektoria,
        QStringLiteral("SELECT * FROM trajektoria WHERE KodSyst=:ParIdSyst ORDER BY IdKrokTraj"), kodSyst);
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

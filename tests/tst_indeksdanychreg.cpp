// The lookups the check before a run makes by hash answer as a walk of the tables in table
// order: the first row of a name, facts of another system apart, values in their order.

#include "verify/IndeksDanychReg.h"

#include <QtTest>

using namespace tremida;

namespace {

TRekFakt fakt(int id, int syst, const QString &nazwa)
{
    TRekFakt f;
    f.IdFakt = id;
    f.KodSyst = syst;
    f.NazFakt = nazwa;
    return f;
}

TRekStala stala(int id, int syst, const QString &nazwa)
{
    TRekStala s;
    s.IdStala = id;
    s.KodSyst = syst;
    s.NazStala = nazwa;
    return s;
}

TRekWartFaktWylicz wartosc(int id, int kodFakt)
{
    TRekWartFaktWylicz w;
    w.IdWartFaktWylicz = id;
    w.KodFakt = kodFakt;
    return w;
}

} // namespace

class TstIndeksDanychReg : public QObject {
    Q_OBJECT
private slots:
    void jakPrzegladTabel_data();
    void jakPrzegladTabel();
};

void TstIndeksDanychReg::jakPrzegladTabel_data()
{
    QTest::addColumn<int>("syst");
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<int>("faktWgNazwy"); // 0: none
    QTest::addColumn<int>("stalaWgNazwy");
    QTest::addColumn<int>("kodFaktu");
    QTest::addColumn<int>("faktWgKodu"); // IdFakt found, 0: none
    QTest::addColumn<QList<int>>("wartosci");
    QTest::newRow("nazwa jednego faktu") << 1 << "ciśnienie" << 11 << 0 << 11 << 11 << QList<int>{};
    QTest::newRow("nazwa dwóch faktów: pierwszy w tabeli") << 1 << "temperatura" << 10 << 20 << 10 << 10
                                                             << QList<int>{101, 103};
    QTest::newRow("ta sama nazwa w innym systemie") << 2 << "temperatura" << 30 << 0 << 30 << 30 << QList<int>{102};
    QTest::newRow("wielkość liter się liczy") << 1 << "Temperatura" << 12 << 0 << 12 << 12 << QList<int>{};
    QTest::newRow("nieznana nazwa i kod") << 1 << "wilgotność" << 0 << 0 << 99 << 0 << QList<int>{};
    QTest::newRow("stała o dwóch rekordach") << 1 << "próg" << 0 << 21 << 31 << 0 << QList<int>{};
}

void TstIndeksDanychReg::jakPrzegladTabel()
{
    QFETCH(int, syst);
    QFETCH(QString, nazwa);
    QFETCH(int, faktWgNazwy);
    QFETCH(int, stalaWgNazwy);
    QFETCH(int, kodFaktu);
    QFETCH(int, faktWgKodu);
    QFETCH(QList<int>, wartosci);
    TDaneReg dane;
    dane.fakty = {fakt(10, 1, QStringLiteral("temperatura")), fakt(11, 1, QStringLiteral("ciśnienie")),
                  fakt(12, 1, QStringLiteral("temperatura")), fakt(30, 2, QStringLiteral("temperatura"))};
    dane.fakty[2].NazFakt = QStringLiteral("Temperatura");
    dane.fakty.append(fakt(13, 1, QStringLiteral("temperatura"))); // a later row of the same name
    dane.stale = {stala(20, 1, QStringLiteral("temperatura")), stala(21, 1, QStringLiteral("próg")),
                  stala(22, 1, QStringLiteral("próg"))};
    dane.wartosci = {wartosc(101, 10), wartosc(102, 30), wartosc(103, 10)};
    const TIndeksDanychReg indeks(dane);

    const auto f = indeks.faktONazwie(syst, nazwa);
    QCOMPARE(f ? f->IdFakt : 0, faktWgNazwy);
    const auto s = indeks.stalaONazwie(syst, nazwa);
    QCOMPARE(s ? s->IdStala : 0, stalaWgNazwy);
    const auto k = indeks.faktOKodzie(kodFaktu);
    QCOMPARE(k ? k->IdFakt : 0, faktWgKodu);
    QList<int> kody;
    for (const TRekWartFaktWylicz &w : indeks.wartosciFaktu(kodFaktu))
        kody.append(w.IdWartFaktWylicz);
    QCOMPARE(kody, wartosci);
}

QTEST_GUILESS_MAIN(TstIndeksDanychReg)
#include "tst_indeksdanychreg.moc"

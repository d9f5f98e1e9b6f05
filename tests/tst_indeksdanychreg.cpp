// The lookups the check before a run makes by hash answer as a walk of the tables in table
// order: the first row of a name, facts of another system apart, values in their order.

#include "support/RekordyReg.h"
#include "verify/IndeksDanychReg.h"

#include <QtTest>

using namespace tremida;
using namespace tremida::test;

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
    const QString temp = QStringLiteral("temperatura");
    const QString prog = QStringLiteral("próg");
    dane.fakty = {fakt(10, temp, {}, {}), fakt(11, QStringLiteral("ciśnienie"), {}, {}),
                  fakt(12, QStringLiteral("Temperatura"), {}, {}), fakt(30, temp, {}, {})};
    dane.fakty[3].KodSyst = 2;
    dane.fakty.append(fakt(13, temp, {}, {})); // a later row of the same name
    dane.stale = {prosta(20, temp, {}, {}), prosta(21, prog, {}, {}), prosta(22, prog, {}, {})};
    dane.wartosci = {wartosc(101, 10, {}), wartosc(102, 30, {}), wartosc(103, 10, {})};
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

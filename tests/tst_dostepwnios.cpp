// Records read during a transaction are remembered; every read must still see each write made
// before it, whichever way it was made.

#include "inference/DostepWnios.h"
#include "store/Baza.h"
#include "support/BazaTestowa.h"

#include <QSqlQuery>
#include <QtTest>

using namespace tremida;
using namespace tremida::test;

class TstDostepWnios : public QObject {
    Q_OBJECT
private slots:
    void odczytWidziZapis_data();
    void odczytWidziZapis();
    void zapisBezZmianyZostawiaTabele();
    void miejsceFaktuPoZapisie_data();
    void miejsceFaktuPoZapisie();
    void liczbaIlustracji();
};

void TstDostepWnios::odczytWidziZapis_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<bool>("wTransakcji");
    QTest::newRow("zapis innym zapytaniem w transakcji")
        << "UPDATE fakty SET WartFakt='90' WHERE IdFakt=1" << true;
    QTest::newRow("zapis innym zapytaniem poza transakcją")
        << "UPDATE fakty SET WartFakt='90' WHERE IdFakt=1" << false;
}

void TstDostepWnios::odczytWidziZapis()
{
    QFETCH(QString, sql);
    QFETCH(bool, wTransakcji);
    BazaTestowa b(QStringLiteral("wnios_kociol.json"));
    Baza &baza = b.baza;
    if (wTransakcji)
        QVERIFY(baza.rozpocznijTransakcje());
    QCOMPARE(dostep::faktONazwie(baza, 1, QStringLiteral("temperatura"))->WartFakt, QStringLiteral("???"));
    QSqlQuery q = baza.zapytanie();
    QVERIFY(q.exec(sql));
    QCOMPARE(dostep::faktONazwie(baza, 1, QStringLiteral("temperatura"))->WartFakt, QStringLiteral("90"));
    QCOMPARE(dostep::fakt(baza, 1)->WartFakt, QStringLiteral("90"));

    // A write of this file is seen too, and the next foreign write after it as well.
    TRekFakt f = *dostep::fakt(baza, 1);
    f.WartFakt = QStringLiteral("95");
    QVERIFY(dostep::zapiszWartFaktu(baza, f));
    QCOMPARE(dostep::fakt(baza, 1)->WartFakt, QStringLiteral("95"));
    QVERIFY(q.exec(QStringLiteral("UPDATE fakty SET WartFakt='100' WHERE IdFakt=1")));
    QCOMPARE(dostep::fakt(baza, 1)->WartFakt, QStringLiteral("100"));
    if (wTransakcji) {
        // A rolled-back transaction leaves nothing remembered of it.
        QVERIFY(baza.wycofajTransakcje());
        QCOMPARE(dostep::fakt(baza, 1)->WartFakt, QStringLiteral("???"));
    }
}

void TstDostepWnios::zapisBezZmianyZostawiaTabele()
{
    BazaTestowa b(QStringLiteral("wnios_kociol.json"));
    Baza &baza = b.baza;
    QVERIFY(baza.rozpocznijTransakcje());
    TRekReg r = *dostep::regula(baza, 1);
    r.CzyOdpal = QStringLiteral("tak");
    r.CzyBieUdzWeWnios = QStringLiteral("nie");
    r.CFKonklReg = 0.5;
    QVERIFY(dostep::zapiszStanReguly(baza, r));
    QVERIFY(dostep::zapiszStanReguly(baza, r)); // the same state again
    QVERIFY(baza.zatwierdzTransakcje());
    const auto poZapisie = dostep::regula(baza, 1);
    QCOMPARE(poZapisie->CzyOdpal, QStringLiteral("tak"));
    QCOMPARE(poZapisie->CzyBieUdzWeWnios, QStringLiteral("nie"));
    QCOMPARE(poZapisie->CFKonklReg, std::optional<double>(0.5));
}

void TstDostepWnios::miejsceFaktuPoZapisie_data()
{
    QTest::addColumn<QString>("wyzwalacz");
    QTest::addColumn<bool>("pelne");
    // The engine's write of exactly that row: the place holds the written record at once.
    QTest::newRow("zapis samego wiersza") << QString() << true;
    // Another program's trigger writes a second row besides: the place is emptied, and the
    // fact read again shows both writes.
    QTest::newRow("wyzwalacz innego programu dopisuje")
        << QStringLiteral("AFTER UPDATE OF WartFakt ON fakty WHEN NEW.IdFakt=1 BEGIN "
                          "UPDATE fakty SET WartPoprzFakt='z wyzwalacza' WHERE IdFakt=1; END")
        << false;
}

void TstDostepWnios::miejsceFaktuPoZapisie()
{
    QFETCH(QString, wyzwalacz);
    QFETCH(bool, pelne);
    FolderRoboczy folder;
    {
        Baza baza;
        QVERIFY(baza.otworz(folder.sciezka()));
        zalozWszystkieTabele(baza);
        importuj(baza, QStringLiteral("wnios_kociol.json"));
    }
    if (!wyzwalacz.isEmpty())
        InnyProgram(folder.sciezka() + QStringLiteral("/fakty.db")).sql(QStringLiteral("CREATE TRIGGER dopisz ") + wyzwalacz);
    Baza baza;
    QVERIFY(baza.otworz(folder.sciezka()));
    QVERIFY(baza.rozpocznijTransakcje());
    const quint64 pokolenie = dostep::pokolenieOdczytow(baza);
    const auto miejsce = dostep::miejsceFaktu(baza, 1);
    QVERIFY(miejsce && miejsce->rekord);
    QCOMPARE(miejsce->rekord->WartFakt, QStringLiteral("???"));
    QVERIFY(!dostep::miejsceFaktu(baza, 999)); // no such fact

    TRekFakt f = *miejsce->rekord;
    f.WartFakt = QStringLiteral("95");
    QVERIFY(dostep::zapiszWartFaktu(baza, f));
    QCOMPARE(dostep::pokolenieOdczytow(baza), pokolenie);
    QCOMPARE(bool(miejsce->rekord), pelne);
    if (pelne)
        QCOMPARE(miejsce->rekord->WartFakt, QStringLiteral("95"));
    const auto poZapisie = dostep::faktDzielony(baza, 1);
    QCOMPARE(poZapisie->WartFakt, QStringLiteral("95"));
    QCOMPARE(poZapisie->WartPoprzFakt, pelne ? f.WartPoprzFakt : QStringLiteral("z wyzwalacza"));
    // Taken again, the place holds the current record.
    QCOMPARE(dostep::miejsceFaktu(baza, 1)->rekord->WartPoprzFakt, poZapisie->WartPoprzFakt);
    QVERIFY(baza.wycofajTransakcje());
}

// The files illustrating a rule are counted as a conclusion shows them: an empty table once
// per transaction, and a file another program adds between two runs is counted in the next.
void TstDostepWnios::liczbaIlustracji()
{
    BazaTestowa b; // every table empty
    Baza &baza = b.baza;
    const QString obraz = QStringLiteral("obraz graficzny/zdjecie fotograficzne");
    const QString film = QStringLiteral("film");
    const QString regula = QStringLiteral("regula");
    auto liczby = [&](int kod) {
        return QStringLiteral("%1 %2").arg(dostep::liczbaIlustracji(baza, kod, regula, obraz))
            .arg(dostep::liczbaIlustracji(baza, kod, regula, film));
    };
    QCOMPARE(liczby(1), QStringLiteral("0 0"));
    QVERIFY(baza.rozpocznijTransakcje());
    QCOMPARE(liczby(1), QStringLiteral("0 0"));
    QVERIFY(baza.zatwierdzTransakcje());

    InnyProgram(b.folder.sciezka() + QStringLiteral("/plikimultimedialne.db"))
        .sql(QStringLiteral("INSERT INTO plikimultimedialne VALUES (1, 'kociol.bmp', "
                            "'obraz graficzny/zdjecie fotograficzne', 0.75, 'regula', 1, 'Kocioł', '1')"));
    QVERIFY(baza.rozpocznijTransakcje());
    QCOMPARE(liczby(1), QStringLiteral("1 0"));
    QCOMPARE(liczby(2), QStringLiteral("0 0"));
    QCOMPARE(dostep::liczbaIlustracji(baza, 1, QStringLiteral("fakt"), obraz), 0);
    // A file added in the transaction itself is counted at once.
    QSqlQuery q = baza.zapytanie();
    QVERIFY(q.exec(QStringLiteral("INSERT INTO plikimultimedialne VALUES (2, 'palnik.avi', 'film', 0.75, 'regula', 1, "
                                  "'Palnik', '1')")));
    QCOMPARE(liczby(1), QStringLiteral("1 1"));
    QVERIFY(baza.wycofajTransakcje());
    QCOMPARE(liczby(1), QStringLiteral("1 0"));
}

QTEST_GUILESS_MAIN(TstDostepWnios)
#include "tst_dostepwnios.moc"

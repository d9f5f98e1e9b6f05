// What-if runs: the changes written on the command line, simulate on the boiler example -
// conclusions that appear, disappear and change their CF against the baseline, the main
// hypothesis - and the real tables untouched afterwards.

#include "Kociol.h"

#include "explain/Symulacja.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using namespace tremida;
using namespace tremida::test;
using namespace tremida::test::kociol;

namespace {

// The boiler example in a working folder with the standard configuration file.
struct Kociol : FolderKotla {
    Kociol()
    {
        folder.zapisz(QStringLiteral("plik konfiguracyjny systemu TREMIDA.txt"),
                      "10\r\nFALSE\r\nFALSE\r\nrozmyta\r\nrozmyta\r\nrozmyta\r\n0,05\r\n0,02\r\nTRUE\r\n255\r\n"
                      "16711680\r\n16711935\r\n-2147483633\r\n-2147483633\r\n-2147483633\r\n"
                      "pierwsza na liscie regul do odpalenia - pierwsza do odpalenia\r\n");
    }
    // simulate of the boiler from its answers file.
    WynikCli symuluj(const QStringList &argumenty, bool json = true) const
    {
        QStringList a{QStringLiteral("simulate"), QStringLiteral("1"), QStringLiteral("--answers"),
                      kociol::plik(QStringLiteral("odpowiedzi.txt"))};
        a += argumenty;
        if (json)
            a << QStringLiteral("--json");
        return cli(a);
    }
};

// "conclusion CF" of each entry of a JSON list of conclusions.
QStringList lista(const QJsonArray &a)
{
    QStringList w;
    for (const QJsonValue &v : a) {
        const QJsonObject o = v.toObject();
        w << o.value(u"conclusion").toString() + u' ' + QString::number(o.value(u"cf").toDouble());
        if (o.contains(u"baselineCf"))
            w.last() = o.value(u"conclusion").toString() + u' ' + QString::number(o.value(u"baselineCf").toDouble()) +
                       QStringLiteral(" -> ") + QString::number(o.value(u"cf").toDouble());
    }
    return w;
}

// The arguments of one case, and the conclusions that appear, disappear or change their CF
// against the baseline.
struct Porownanie {
    QStringList argumenty, pojawiajaSie, znikaja, zmienioneCF;
};

// The text of one change: the fact it names, its value and CF.
struct Zmiana {
    QString tekst;
    int fakt;
    QString wartosc, cf;
};

} // namespace

Q_DECLARE_METATYPE(Porownanie)
Q_DECLARE_METATYPE(Zmiana)

class TstSymulacja : public QObject {
    Q_OBJECT
private slots:
    void zmiana_data()
    {
        QTest::addColumn<Zmiana>("c");
        QTest::newRow("value without CF") << Zmiana{.tekst = QStringLiteral("101=600"), .fakt = 101,
            .wartosc = QStringLiteral("600"), .cf = QStringLiteral("1")};
        QTest::newRow("decimal commas in value and CF") << Zmiana{.tekst = QStringLiteral("102=12,5:0,9"), .fakt = 102,
            .wartosc = QStringLiteral("12,5"), .cf = QStringLiteral("0,9")};
        QTest::newRow("colon inside a value") << Zmiana{.tekst = QStringLiteral("103=a:b"), .fakt = 103,
            .wartosc = QStringLiteral("a:b"), .cf = QStringLiteral("1")};
        QTest::newRow("the last colon separates the CF") << Zmiana{.tekst = QStringLiteral("103=12:30:0.5"),
            .fakt = 103, .wartosc = QStringLiteral("12:30"), .cf = QStringLiteral("0.5")};
        QTest::newRow("no value") << Zmiana{.tekst = QStringLiteral("105=???"), .fakt = 105,
            .wartosc = QStringLiteral("???"), .cf = QStringLiteral("1")};
        QTest::newRow("no code") << Zmiana{.tekst = QStringLiteral("=5"), .fakt = 0, .wartosc = QString(),
            .cf = QString()};
        QTest::newRow("code not a number") << Zmiana{.tekst = QStringLiteral("x=5"), .fakt = 0, .wartosc = QString(),
            .cf = QString()};
        QTest::newRow("empty value") << Zmiana{.tekst = QStringLiteral("101="), .fakt = 0, .wartosc = QString(),
            .cf = QString()};
        QTest::newRow("no equals sign") << Zmiana{.tekst = QStringLiteral("101"), .fakt = 0, .wartosc = QString(),
            .cf = QString()};
    }
    void zmiana()
    {
        QFETCH(Zmiana, c);
        QList<TZmianaFaktu> zmiany;
        const auto blad = dodajZmiane(zmiany, c.tekst);
        if (c.fakt == 0) {
            QCOMPARE(blad.value_or(QString()),
                     QStringLiteral("Zmiana \"%1\" nie ma postaci IDFAKT=WARTOŚĆ[:CF].").arg(c.tekst));
            QVERIFY(zmiany.isEmpty());
            return;
        }
        QVERIFY(!blad);
        QCOMPARE(zmiany.size(), 1);
        QCOMPARE(zmiany[0].idFakt, c.fakt);
        QCOMPARE(zmiany[0].wartosci, (QList<TOdpowiedz>{{c.wartosc, c.cf}}));
    }

    void przypadek_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QStringList>("zmiany"); // "fact value cf"
        QTest::newRow("two changes with decimal commas")
            << QStringLiteral("zimno:101=450,5:0,9, 105=FALSE") << QStringLiteral("zimno")
            << QStringList{QStringLiteral("101 450,5 0,9"), QStringLiteral("105 FALSE 1")};
        QTest::newRow("two values of one multi-valued fact")
            << QStringLiteral("lato:302=plażowanie:0,9,302=zwiedzanie:0,6") << QStringLiteral("lato")
            << QStringList{QStringLiteral("302 plażowanie 0,9"), QStringLiteral("302 zwiedzanie 0,6")};
        QTest::newRow("no changes repeat the baseline") << QStringLiteral("bazowy:") << QStringLiteral("bazowy")
                                                        << QStringList();
        QTest::newRow("no name") << QStringLiteral(":101=1") << QString() << QStringList();
        QTest::newRow("no colon") << QStringLiteral("101=1") << QString() << QStringList();
    }
    void przypadek()
    {
        QFETCH(QString, tekst);
        QFETCH(QString, nazwa);
        QFETCH(QStringList, zmiany);
        TPrzypadekSymulacji p;
        const auto blad = przypadekZTekstu(tekst, p);
        if (nazwa.isEmpty()) {
            QVERIFY(blad);
            return;
        }
        QVERIFY2(!blad, qPrintable(blad.value_or(QString())));
        QCOMPARE(p.nazwa, nazwa);
        QStringList otrzymane;
        for (const TZmianaFaktu &z : p.zmiany)
            for (const TOdpowiedz &o : z.wartosci)
                otrzymane << QStringLiteral("%1 %2 %3").arg(z.idFakt).arg(o.wartosc, o.cf);
        QCOMPARE(otrzymane, zmiany);
    }

    // Each case against the baseline (the example's answers: six conclusions, see the examples'
    // description).
    void porownanie_data()
    {
        QTest::addColumn<Porownanie>("c");
        QTest::newRow("no change equals the baseline") << Porownanie{
            .argumenty = {QStringLiteral("--case"), QStringLiteral("bez zmian:")}, .pojawiajaSie = {}, .znikaja = {},
            .zmienioneCF = {}};
        QTest::newRow("the same values as answered change nothing") << Porownanie{
            .argumenty = {QStringLiteral("--change"), QStringLiteral("101=565:0,9")}, .pojawiajaSie = {}, .znikaja = {},
            .zmienioneCF = {}};
        QTest::newRow("a blue flame without smoke: a conclusion appears, two disappear") << Porownanie{
            .argumenty = {QStringLiteral("--change"), QStringLiteral("103=niebieski"), QStringLiteral("--change"),
                          QStringLiteral("105=FALSE:0,9")}, .pojawiajaSie = {Prawidlowe + QStringLiteral(" 0.9")},
            .znikaja = {Niezupelne + QStringLiteral(" 0.63"), Palnik + QStringLiteral(" 0.504")}, .zmienioneCF = {}};
        QTest::newRow("a lower temperature: overheating and what follows disappear") << Porownanie{
            .argumenty = {QStringLiteral("--change"), QStringLiteral("101=450")}, .pojawiajaSie = {},
            .znikaja = {Przegrzanie + QStringLiteral(" 0.81"), Przegrzewacz + QStringLiteral(" 0.729"),
                        ObnizenieMocy + QStringLiteral(" 0.81")}, .zmienioneCF = {}};
        QTest::newRow("less certain smoke: the CF of two conclusions changes") << Porownanie{
            .argumenty = {QStringLiteral("--change"), QStringLiteral("105=TRUE:0,5")}, .pojawiajaSie = {},
            .znikaja = {},
            .zmienioneCF = {Niezupelne + QStringLiteral(" 0.63 -> 0.45"), Palnik + QStringLiteral(" 0.504 -> 0.36")}};
        QTest::newRow("smoke without value: the fact asked gets none") << Porownanie{
            .argumenty = {QStringLiteral("--change"), QStringLiteral("105=???")}, .pojawiajaSie = {},
            .znikaja = {Niezupelne + QStringLiteral(" 0.63"), Palnik + QStringLiteral(" 0.504")}, .zmienioneCF = {}};
    }
    void porownanie()
    {
        QFETCH(Porownanie, c);
        Kociol k;
        const WynikCli w = k.symuluj(QStringList{QStringLiteral("--method"), QStringLiteral("forward")} + c.argumenty);
        QVERIFY2(w.kod == 0, qPrintable(w.out + w.err));
        const QJsonObject o = QJsonDocument::fromJson(w.out.toUtf8()).object();
        QCOMPARE(o.value(u"baseline")[u"conclusions"].toArray().size(), 6);
        const QJsonObject p = o.value(u"cases").toArray().first().toObject();
        QCOMPARE(lista(p.value(u"appeared").toArray()), c.pojawiajaSie);
        QCOMPARE(lista(p.value(u"disappeared").toArray()), c.znikaja);
        QCOMPARE(lista(p.value(u"changedCf").toArray()), c.zmienioneCF);
        QVERIFY(p.value(u"run")[u"completed"].toBool());
    }

    // The text: the changes, the table of conclusions by run, what each case changes; several
    // cases in one call, the main hypothesis proven or not.
    void tekst()
    {
        Kociol k;
        const WynikCli w = k.symuluj({QStringLiteral("--method"), QStringLiteral("backward"), QStringLiteral("--hypothesis"),
                                      Palnik, QStringLiteral("--case"), QStringLiteral("niepewny dym:105=TRUE:0,5"),
                                      QStringLiteral("--case"), QStringLiteral("bez dymu:105=FALSE:0,9")},
                                     false);
        QCOMPARE(w.kod, 0);
        QCOMPARE(w.out.split(u'\n'),
                 (QStringList{
                     QStringLiteral("Symulacja: system 1 (Diagnostyka usterek kotła parowego), wnioskowanie wstecz, "
                                    "hipoteza główna [usterka kotła]=[zanieczyszczony palnik]."),
                     QStringLiteral("Przypadek „niepewny dym”: [dymienie z komina] (fakt 105) = TRUE z CF 0,5."),
                     QStringLiteral("Przypadek „bez dymu”: [dymienie z komina] (fakt 105) = FALSE z CF 0,9."),
                     QString(),
                     QStringLiteral("Konkluzja\tprzebieg bazowy\tniepewny dym\tbez dymu"),
                     QStringLiteral("[usterka kotła]=[zanieczyszczony palnik]\t0,504\t0,36\t-"),
                     QStringLiteral("Hipoteza główna udowodniona\ttak\ttak\tnie"),
                     QStringLiteral("Przebieg\tzakończony\tzakończony\tzakończony"),
                     QString(),
                     QStringLiteral("Przypadek „niepewny dym” wobec przebiegu bazowego:"),
                     QStringLiteral("  zmienia się CF [usterka kotła]=[zanieczyszczony palnik]: z 0,504 na 0,36"),
                     QStringLiteral("Przypadek „bez dymu” wobec przebiegu bazowego:"),
                     QStringLiteral("  znika [usterka kotła]=[zanieczyszczony palnik] z CF 0,504"),
                     QStringLiteral("  hipoteza główna przestaje być udowodniona"),
                     QString()}));
    }

    // Changes that do not fit the knowledge base are refused before anything runs.
    void zlaZmiana_data()
    {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("unknown fact") << QStringList{QStringLiteral("--change"), QStringLiteral("999=1")}
                                      << QStringLiteral("Faktu o kodzie 999 nie ma w tabeli faktów.");
        QTest::newRow("not an input fact")
            << QStringList{QStringLiteral("--change"), QStringLiteral("107=TRUE")}
            << QStringLiteral("Fakt o kodzie 107 nie jest faktem wprowadzanym; zmieniać można tylko wartości faktów "
                              "wprowadzanych.");
        QTest::newRow("not a logical value")
            << QStringList{QStringLiteral("--change"), QStringLiteral("105=tak")}
            << QStringLiteral("Wartość \"tak\" nie jest wartością faktu o kodzie 105 (typ faktu: logiczny).");
        QTest::newRow("not a value word")
            << QStringList{QStringLiteral("--change"), QStringLiteral("103=zielony")}
            << QStringLiteral("Wartość \"zielony\" nie jest wartością faktu o kodzie 103 (typ faktu: wyliczeniowy).");
        QTest::newRow("CF above 1") << QStringList{QStringLiteral("--change"), QStringLiteral("102=12,5:1,5")}
                                    << QStringLiteral("CF \"1,5\" wartości faktu o kodzie 102 nie jest liczbą z "
                                                      "przedziału [0,1].");
        QTest::newRow("two values of a single-valued fact")
            << QStringList{QStringLiteral("--change"), QStringLiteral("103=żółty"), QStringLiteral("--change"),
                           QStringLiteral("103=czerwony")}
            << QStringLiteral("Fakt o kodzie 103 nie jest faktem wyliczeniowym wielowartościowym; podaj jedną jego "
                              "wartość.");
        QTest::newRow("named in a case") << QStringList{QStringLiteral("--case"), QStringLiteral("zły:101=gorąco")}
                                         << QStringLiteral("Przypadek „zły”: Wartość \"gorąco\" nie jest wartością "
                                                           "faktu o kodzie 101 (typ faktu: rzeczywisty).");
    }
    void zlaZmiana()
    {
        QFETCH(QStringList, argumenty);
        QFETCH(QString, komunikat);
        Kociol k;
        const WynikCli w = k.symuluj(QStringList{QStringLiteral("--method"), QStringLiteral("forward")} + argumenty, false);
        QCOMPARE(w.kod, 1);
        QCOMPARE(w.out.trimmed(), komunikat);
    }

    // The real tables are byte for byte what they were, and no scratch folder is left behind.
    void tabeleNietkniete()
    {
        Kociol k;
        const auto przed = skrotyPlikow(k.folder.sciezka());
        QVERIFY(przed.contains(QStringLiteral("fakty.db")) && przed.contains(QStringLiteral("trajektoria.db")));
        FolderRoboczy tymczasowy;
        QProcess p;
        QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
        srodowisko.insert(QStringLiteral("TMPDIR"), tymczasowy.sciezka());
        p.setProcessEnvironment(srodowisko);
        p.start(QStringLiteral(TREMIDA_CLI_PATH),
                {QStringLiteral("--dir"), k.folder.sciezka(), QStringLiteral("simulate"), QStringLiteral("1"),
                 QStringLiteral("--method"), QStringLiteral("mixed"), QStringLiteral("--hypothesis"), Palnik,
                 QStringLiteral("--facts"), kociol::plik(QStringLiteral("wartosci_faktow.txt")),
                 QStringLiteral("--change"), QStringLiteral("101=600:0,8")});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(skrotyPlikow(k.folder.sciezka()), przed);
        QCOMPARE(QDir(tymczasowy.sciezka()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        // Nothing of the runs is in the real trajectory.
        const WynikCli t = k.cli({QStringLiteral("trajectory"), QStringLiteral("1")});
        QCOMPARE(t.out.count(u'\n'), 1);
    }
};

QTEST_GUILESS_MAIN(TstSymulacja)
#include "tst_symulacja.moc"

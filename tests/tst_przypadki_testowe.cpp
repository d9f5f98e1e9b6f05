// Test cases of knowledge bases through tremida-cli test: each kind of expectation passing and
// failing with its difference, the line per case and the summary, the JUnit report, --record,
// refused test files, and the real tables untouched.

#include "Kociol.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QXmlStreamReader>

using namespace tremida;
using namespace tremida::test;
using namespace tremida::test::kociol;

namespace {

const QString KoniecWPrzod =
    QStringLiteral("Zakończenie procesu wnioskowania w przód na skutek wyczerpania możliwości procesu.");

// A folder with the boiler example and a test file written into it.
struct Kociol : FolderKotla {
    Kociol()
    {
        QFile::copy(kociol::plik(QStringLiteral("wartosci_faktow.txt")), folder.plik(QStringLiteral("wartosci.txt")));
    }
    // Writes the test file of system 1 with the cases (JSON objects).
    QString testy(const QJsonArray &przypadki, const QString &nazwa = QStringLiteral("testy.json")) const
    {
        folder.zapisz(nazwa, QJsonDocument(QJsonObject{{QStringLiteral("system"), 1}, {QStringLiteral("cases"), przypadki}})
                                 .toJson());
        return folder.plik(nazwa);
    }
    WynikCli test(const QStringList &argumenty) const
    {
        return cli(QStringList{QStringLiteral("test")} + argumenty);
    }
};

// A forward run of the boiler from its input-fact file (a relative name: read beside the test
// file), with the expectations given.
QJsonObject wPrzod(const QJsonObject &oczekiwane)
{
    return {{QStringLiteral("name"), QStringLiteral("przypadek")},
            {QStringLiteral("method"), QStringLiteral("forward")},
            {QStringLiteral("facts"), QStringLiteral("wartosci.txt")},
            {QStringLiteral("expect"), oczekiwane}};
}

QJsonObject konkl(const QString &tekst, double cf, double zagreg = -1)
{
    QJsonObject o{{QStringLiteral("conclusion"), tekst}, {QStringLiteral("cf"), cf}};
    if (zagreg >= 0)
        o.insert(QStringLiteral("aggregatedCf"), zagreg);
    return o;
}

// The boiler's six forward conclusions (examples/README.md), in the order shown.
QJsonArray szescKonkluzji()
{
    return {konkl(Niezupelne, 0.63), konkl(Przegrzanie, 0.81), konkl(Palnik, 0.504),
            konkl(Zawor, 0.85),      konkl(Przegrzewacz, 0.729), konkl(ObnizenieMocy, 0.81)};
}

} // namespace

class TstPrzypadkiTestowe : public QObject {
    Q_OBJECT
private slots:
    // One case with one kind of expectation: whether it passes and, if not, the differences.
    void oczekiwanie_data()
    {
        QTest::addColumn<QJsonObject>("przypadek");
        QTest::addColumn<QStringList>("roznice");

        QTest::newRow("conclusions in order") << wPrzod({{QStringLiteral("conclusions"), szescKonkluzji()}}) << QStringList();
        QJsonArray cf = szescKonkluzji();
        cf[2] = konkl(Palnik, 0.48);
        QTest::newRow("conclusion with another CF")
            << wPrzod({{QStringLiteral("conclusions"), cf}})
            << QStringList{QStringLiteral("oczekiwano [usterka kotła]=[zanieczyszczony palnik] z CF 0,48, otrzymano CF "
                                          "0,504")};
        QJsonArray wTolerancji = szescKonkluzji();
        wTolerancji[2] = konkl(Palnik, 0.5);
        QTest::newRow("CF within the tolerance of 0.005") << wPrzod({{QStringLiteral("conclusions"), wTolerancji}})
                                                          << QStringList();
        QJsonArray zagreg = szescKonkluzji();
        zagreg[0] = konkl(Niezupelne, 0.63, 0.9);
        QTest::newRow("aggregated CF")
            << wPrzod({{QStringLiteral("conclusions"), zagreg}})
            << QStringList{QStringLiteral("oczekiwano [stan spalania]=[niezupełne] z zagregowanym CF 0,9, otrzymano "
                                          "zagregowany CF 0,63")};
        QJsonArray zamienione = szescKonkluzji();
        const QJsonValue pierwsza = zamienione[0];
        zamienione[0] = zamienione[1];
        zamienione[1] = pierwsza;
        QTest::newRow("conclusions in another order")
            << wPrzod({{QStringLiteral("conclusions"), zamienione}})
            << QStringList{QStringLiteral("oczekiwano konkluzji w kolejności %1; %2; %3; %4; %5; %6, otrzymano w "
                                          "kolejności %2; %1; %3; %4; %5; %6")
                               .arg(Przegrzanie, Niezupelne, Palnik, Zawor, Przegrzewacz, ObnizenieMocy)};
        QTest::newRow("the same as a set")
            << wPrzod({{QStringLiteral("conclusions"), zamienione}, {QStringLiteral("order"), QStringLiteral("set")}})
            << QStringList();
        QJsonArray brak = szescKonkluzji();
        brak.removeLast();
        brak.append(konkl(QStringLiteral("[stan spalania]=[prawidłowe]"), 0.5));
        QTest::newRow("a conclusion missing, another unexpected")
            << wPrzod({{QStringLiteral("conclusions"), brak}})
            << QStringList{QStringLiteral("oczekiwano [stan spalania]=[prawidłowe] z CF 0,5, nie otrzymano tej konkluzji"),
                           QStringLiteral("nieoczekiwana konkluzja [zalecane obniżenie mocy]=[obniżenie mocy wg "
                                          "temperatury] (reguła 107) z CF 0,81")};
        QJsonArray regula = szescKonkluzji();
        regula[0] = QJsonObject{{QStringLiteral("conclusion"), Niezupelne}, {QStringLiteral("rule"), 102}};
        QTest::newRow("shown by another rule")
            << wPrzod({{QStringLiteral("conclusions"), regula}})
            << QStringList{QStringLiteral("oczekiwano [stan spalania]=[niezupełne] (reguła 102), nie otrzymano tej "
                                          "konkluzji"),
                           QStringLiteral("nieoczekiwana konkluzja [stan spalania]=[niezupełne] (reguła 101) z CF 0,63")};

        QTest::newRow("a message that appears")
            << wPrzod({{QStringLiteral("messages"), QJsonArray{QStringLiteral("Baza wiedzy została zweryfikowana.")}}})
            << QStringList();
        QTest::newRow("a message that does not appear")
            << wPrzod({{QStringLiteral("messages"), QJsonArray{QStringLiteral("Hipoteza główna została udowodniona")}}})
            << QStringList{QStringLiteral("brak komunikatu \"Hipoteza główna została udowodniona\"")};
        QTest::newRow("no question asked")
            << wPrzod({{QStringLiteral("absentMessages"), QJsonArray{QStringLiteral("nie ma przypisanej wartości")}}})
            << QStringList();
        QTest::newRow("a message that must not appear")
            << wPrzod({{QStringLiteral("absentMessages"), QJsonArray{QStringLiteral("zweryfikowana")}}})
            << QStringList{QStringLiteral("wystąpił komunikat \"Baza wiedzy została zweryfikowana. Celem kontynuacji "
                                          "procesu wnioskowania, wybierz teraz opcję menu głównego "
                                          "Wnioskowanie-Realizacja procesu wnioskowania.\"")};
        QTest::newRow("final message") << wPrzod({{QStringLiteral("finalMessage"), KoniecWPrzod}}) << QStringList();
        QTest::newRow("another final message")
            << wPrzod({{QStringLiteral("finalMessage"), QStringLiteral("Przerwanie procesu wnioskowania w przód przez "
                                                                       "użytkownika.")}})
            << QStringList{QStringLiteral("oczekiwano komunikatu końcowego \"Przerwanie procesu wnioskowania w przód "
                                          "przez użytkownika.\", otrzymano \"%1\"")
                               .arg(KoniecWPrzod)};
        QTest::newRow("the run ends") << wPrzod({{QStringLiteral("completed"), true}}) << QStringList();
        QTest::newRow("the run was expected to stop")
            << wPrzod({{QStringLiteral("completed"), false}})
            << QStringList{QStringLiteral("oczekiwano przerwania przebiegu, przebieg się zakończył")};

        QJsonObject wstecz{{QStringLiteral("name"), QStringLiteral("przypadek")},
                           {QStringLiteral("method"), QStringLiteral("backward")},
                           {QStringLiteral("hypothesis"), Palnik},
                           {QStringLiteral("facts"), QStringLiteral("wartosci.txt")}};
        wstecz.insert(QStringLiteral("expect"), QJsonObject{{QStringLiteral("proven"), true},
                                                            {QStringLiteral("finalMessage"),
                                                             QStringLiteral("   Hipoteza główna została udowodniona ze "
                                                                            "zagregowanym CF konkluzji równym 0,504.\n\r   "
                                                                            "Nastąpi zakończenie procesu wnioskowania.")}});
        QTest::newRow("hypothesis proven, final message with line breaks") << wstecz << QStringList();
        wstecz.insert(QStringLiteral("expect"), QJsonObject{{QStringLiteral("proven"), false}});
        QTest::newRow("hypothesis expected unproven")
            << wstecz
            << QStringList{QStringLiteral("oczekiwano, że hipoteza główna nie zostanie udowodniona, została udowodniona")};

        auto fakty = [](const QJsonArray &a) { return wPrzod({{QStringLiteral("facts"), a}}); };
        QTest::newRow("facts by code and by name")
            << fakty({QJsonObject{{QStringLiteral("fact"), 107}, {QStringLiteral("value"), QStringLiteral("TRUE")},
                                  {QStringLiteral("cf"), 0.81}},
                      QJsonObject{{QStringLiteral("fact"), QStringLiteral("zalecane obniżenie mocy")},
                                  {QStringLiteral("value"), QStringLiteral("12,5")}},
                      QJsonObject{{QStringLiteral("fact"), 106},
                                  {QStringLiteral("values"), QJsonObject{{QStringLiteral("niezupełne"), 0.63}}}}})
            << QStringList();
        QTest::newRow("facts with other values")
            << fakty({QJsonObject{{QStringLiteral("fact"), 107}, {QStringLiteral("value"), QStringLiteral("FALSE")},
                                  {QStringLiteral("cf"), 0.81}},
                      QJsonObject{{QStringLiteral("fact"), 106},
                                  {QStringLiteral("values"), QJsonObject{{QStringLiteral("prawidłowe"), 0.63}}}},
                      QJsonObject{{QStringLiteral("fact"), QStringLiteral("nieznany")}, {QStringLiteral("value"), QStringLiteral("1")}}})
            << QStringList{QStringLiteral("fakt 107: oczekiwano wartości FALSE z CF 0,81, otrzymano TRUE z CF 0,81"),
                           QStringLiteral("fakt 106: oczekiwano prawidłowe z CF 0,63, otrzymano niezupełne z CF 0,63"),
                           QStringLiteral("faktu [nieznany] nie ma w tabeli faktów systemu")};
    }
    void oczekiwanie()
    {
        QFETCH(QJsonObject, przypadek);
        QFETCH(QStringList, roznice);
        Kociol k;
        const WynikCli w = k.test({k.testy({przypadek}), QStringLiteral("--json")});
        QCOMPARE(w.kod, roznice.isEmpty() ? 0 : 1);
        const QList<QJsonObject> z = zdarzeniaJson(w.out);
        QCOMPARE(z.size(), 2);
        QCOMPARE(z[0].value(u"event").toString(), QStringLiteral("case"));
        QCOMPARE(z[0].value(u"ok").toBool(), roznice.isEmpty());
        QStringList otrzymane;
        for (const QJsonValue &v : z[0].value(u"differences").toArray())
            otrzymane << v.toString();
        QCOMPARE(otrzymane, roznice);
        QCOMPARE(z[1].value(u"event").toString(), QStringLiteral("summary"));
    }

    // One line per case and the summary; a case that cannot run is an error of the report.
    void wierszeIRaport()
    {
        Kociol k;
        QJsonObject zly = wPrzod({{QStringLiteral("finalMessage"), QStringLiteral("inny")}});
        zly.insert(QStringLiteral("name"), QStringLiteral("zły komunikat"));
        QJsonObject bezPliku{{QStringLiteral("name"), QStringLiteral("bez pliku odpowiedzi")},
                             {QStringLiteral("method"), QStringLiteral("forward")},
                             {QStringLiteral("answers"), QStringLiteral("brak.txt")}};
        QJsonObject dobry = wPrzod({{QStringLiteral("conclusions"), szescKonkluzji()}});
        dobry.insert(QStringLiteral("name"), QStringLiteral("sześć konkluzji"));
        const QString plik = k.testy({dobry, zly, bezPliku});
        const QString raport = k.folder.plik(QStringLiteral("raport.xml"));
        const WynikCli w = k.test({plik, QStringLiteral("--junit"), raport});
        QCOMPARE(w.kod, 1);
        QCOMPARE(w.out.split(u'\n'),
                 (QStringList{QStringLiteral("OK  sześć konkluzji"),
                              QStringLiteral("BŁĄD  zły komunikat: oczekiwano komunikatu końcowego \"inny\", otrzymano \"%1\"")
                                  .arg(KoniecWPrzod),
                              QStringLiteral("BŁĄD  bez pliku odpowiedzi: przypadku nie można wykonać: Nie można odczytać "
                                             "pliku %1: to nie jest zwykły plik.")
                                  .arg(k.folder.plik(QStringLiteral("brak.txt"))),
                              QStringLiteral("Przypadki testowe: 3, zgodne: 1, niezgodne: 2."), QString()}));

        QFile f(raport);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QXmlStreamReader x(&f);
        QStringList przypadki, nieudane, bledy;
        QMap<QString, QString> zestaw;
        QString biezacy;
        while (!x.atEnd()) {
            if (x.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (x.name() == u"testsuite") {
                for (const auto &a : x.attributes())
                    zestaw.insert(a.name().toString(), a.value().toString());
            } else if (x.name() == u"testcase") {
                biezacy = x.attributes().value(QStringLiteral("name")).toString();
                przypadki << biezacy;
                QVERIFY(x.attributes().value(QStringLiteral("time")).toString().contains(u'.'));
            } else if (x.name() == u"failure") {
                nieudane << biezacy + u'|' + x.attributes().value(QStringLiteral("message")).toString();
            } else if (x.name() == u"error") {
                bledy << biezacy;
            }
        }
        QVERIFY2(!x.hasError(), qPrintable(x.errorString()));
        QCOMPARE(zestaw.value(QStringLiteral("tests")), QStringLiteral("3"));
        QCOMPARE(zestaw.value(QStringLiteral("failures")), QStringLiteral("1"));
        QCOMPARE(zestaw.value(QStringLiteral("errors")), QStringLiteral("1"));
        QCOMPARE(przypadki, (QStringList{QStringLiteral("sześć konkluzji"), QStringLiteral("zły komunikat"),
                                         QStringLiteral("bez pliku odpowiedzi")}));
        QCOMPARE(nieudane, QStringList{QStringLiteral("zły komunikat|oczekiwano komunikatu końcowego \"inny\", otrzymano "
                                                      "\"%1\"")
                                           .arg(KoniecWPrzod)});
        QCOMPARE(bledy, QStringList{QStringLiteral("bez pliku odpowiedzi")});
    }

    // --record pins today's outcome: the recorded file then passes, and keeps what the engineer
    // wrote besides the outcome.
    void zapisOczekiwanych()
    {
        Kociol k;
        QJsonObject p = wPrzod({{QStringLiteral("messages"), QJsonArray{QStringLiteral("zweryfikowana")}},
                                {QStringLiteral("facts"), QJsonArray{QJsonObject{{QStringLiteral("fact"), 109},
                                                                                 {QStringLiteral("value"), QStringLiteral("0")}}}}});
        p.insert(QStringLiteral("description"), QStringLiteral("opis przypadku"));
        const QString plik = k.testy({p});
        QCOMPARE(k.test({plik}).kod, 1);
        const WynikCli z = k.test({QStringLiteral("--record"), plik});
        QCOMPARE(z.kod, 0);
        QCOMPARE(z.out.split(u'\n').first(), QStringLiteral("ZAPISANO  przypadek"));
        const WynikCli w = k.test({plik});
        QCOMPARE(w.kod, 0);
        QCOMPARE(w.out, QStringLiteral("OK  przypadek\nPrzypadki testowe: 1, zgodne: 1, niezgodne: 0.\n"));

        QFile f(plik);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray tresc = f.readAll();
        const QJsonObject o = QJsonDocument::fromJson(tresc).object();
        const QJsonObject przypadek = o.value(u"cases").toArray().first().toObject();
        QCOMPARE(przypadek.value(u"description").toString(), QStringLiteral("opis przypadku"));
        const QJsonObject e = przypadek.value(u"expect").toObject();
        QCOMPARE(e.value(u"completed").toBool(), true);
        QCOMPARE(e.value(u"conclusions").toArray().size(), 6);
        QCOMPARE(e.value(u"conclusions")[2].toObject(),
                 (QJsonObject{{QStringLiteral("rule"), 104}, {QStringLiteral("conclusion"), Palnik},
                              {QStringLiteral("cf"), 0.504}, {QStringLiteral("aggregatedCf"), 0.504}}));
        QCOMPARE(e.value(u"finalMessage").toString(), KoniecWPrzod);
        QCOMPARE(e.value(u"messages").toArray(), QJsonArray{QStringLiteral("zweryfikowana")});
        QCOMPARE(e.value(u"facts")[0].toObject(),
                 (QJsonObject{{QStringLiteral("fact"), 109}, {QStringLiteral("value"), QStringLiteral("12,5")},
                              {QStringLiteral("cf"), 0.81}}));
        // The case's keys in the documented order, the name first.
        QVERIFY(tresc.indexOf("\"name\"") < tresc.indexOf("\"method\""));
        QVERIFY(tresc.indexOf("\"method\"") < tresc.indexOf("\"expect\""));
    }

    // A test file that does not fit is refused before anything runs.
    void zlyPlik_data()
    {
        QTest::addColumn<QByteArray>("tresc");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("not JSON") << QByteArray("{\"system\": 1,") << QString();
        QTest::newRow("no system") << QByteArray("{\"cases\": []}")
                                   << QStringLiteral("Plik testów %1: brak klucza \"system\".");
        QTest::newRow("misspelt expectation")
            << QByteArray("{\"system\": 1, \"cases\": [{\"name\": \"a\", \"method\": \"forward\", \"expect\": "
                          "{\"conclusion\": []}}]}")
            << QStringLiteral("Plik testów %1: przypadek „a”: nieznany klucz \"conclusion\" w \"expect\".");
        QTest::newRow("unknown method")
            << QByteArray("{\"system\": 1, \"cases\": [{\"name\": \"a\", \"method\": \"sideways\"}]}")
            << QStringLiteral("Plik testów %1: przypadek „a”: wartością klucza \"method\" musi być \"forward\", "
                              "\"backward\" albo \"mixed\".");
        QTest::newRow("backward without hypothesis")
            << QByteArray("{\"system\": 1, \"cases\": [{\"name\": \"a\", \"method\": \"backward\"}]}")
            << QStringLiteral("Plik testów %1: przypadek „a”: metoda backward wymaga klucza \"hypothesis\".");
        QTest::newRow("two cases of one name")
            << QByteArray("{\"system\": 1, \"cases\": [{\"name\": \"a\", \"method\": \"forward\"}, {\"name\": \"a\", "
                          "\"method\": \"forward\"}]}")
            << QStringLiteral("Plik testów %1: przypadek „a”: ta nazwa przypadku powtarza się.");
        QTest::newRow("a parameter the configuration refuses")
            << QByteArray("{\"system\": 1, \"cases\": [{\"name\": \"a\", \"method\": \"forward\", \"set\": "
                          "[\"ProgCF=duży\"]}]}")
            << QString();
        QTest::newRow("proven without hypothesis")
            << QByteArray("{\"system\": 1, \"cases\": [{\"name\": \"a\", \"method\": \"forward\", \"expect\": "
                          "{\"proven\": true}}]}")
            << QStringLiteral("Plik testów %1: przypadek „a”: oczekiwanie \"proven\" wymaga klucza \"hypothesis\".");
        QTest::newRow("no such system") << QByteArray("{\"system\": 9, \"cases\": []}")
                                        << QStringLiteral("W tabeli systemów nie ma systemu o kodzie 9.");
    }
    void zlyPlik()
    {
        QFETCH(QByteArray, tresc);
        QFETCH(QString, komunikat);
        Kociol k;
        k.folder.zapisz(QStringLiteral("testy.json"), tresc);
        const QString plik = k.folder.plik(QStringLiteral("testy.json"));
        const WynikCli w = k.test({plik});
        QCOMPARE(w.kod, 1);
        if (komunikat.isEmpty())
            QVERIFY(w.out.startsWith(QStringLiteral("Plik testów %1").arg(QDir::toNativeSeparators(plik))));
        else
            QCOMPARE(w.out.trimmed(), komunikat.contains(u'%') ? komunikat.arg(QDir::toNativeSeparators(plik)) : komunikat);
    }

    // Running and recording cases leave the real tables byte for byte as they were; a report
    // is never written over a table file.
    void tabeleNietkniete()
    {
        Kociol k;
        const auto przed = skrotyPlikow(k.folder.sciezka());
        QJsonObject wstecz{{QStringLiteral("name"), QStringLiteral("wstecz z pytaniami")},
                           {QStringLiteral("method"), QStringLiteral("backward")},
                           {QStringLiteral("hypothesis"), Palnik},
                           {QStringLiteral("answers"), kociol::plik(QStringLiteral("odpowiedzi.txt"))}};
        const QString plik = k.testy({wPrzod({}), wstecz}, QStringLiteral("testy.json"));
        QCOMPARE(k.test({plik}).kod, 0);
        QCOMPARE(k.test({plik, QStringLiteral("--record")}).kod, 0);
        const WynikCli r = k.test({plik, QStringLiteral("--junit"), k.folder.plik(QStringLiteral("reguly.db"))});
        QCOMPARE(r.kod, 1);
        QCOMPARE(r.out.split(u'\n').value(2),
                 QStringLiteral("Plik raportu %1 jest plikiem reguly.db programu; jego zapis zniszczyłby dane.")
                     .arg(QDir::toNativeSeparators(k.folder.plik(QStringLiteral("reguly.db")))));
        auto po = skrotyPlikow(k.folder.sciezka());
        po.remove(QStringLiteral("testy.json"));
        QCOMPARE(po, przed);
    }
};

QTEST_GUILESS_MAIN(TstPrzypadkiTestowe)
#include "tst_przypadki_testowe.moc"

// The explanation commands of tremida-cli on the boiler example after a forward and a backward
// run: explain, why-not and rule-card as text and as JSON, report as a PDF, their refusals,
// and no table file changed by any of them.

#include "Kociol.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace tremida;
using namespace tremida::test;

namespace {

// The boiler's folder with its pictures, after a run of `metoda`.
struct Kociol : FolderKotla {
    explicit Kociol(const QString &metoda)
    {
        const QString kat = kociol::plik(QString());
        for (const QString &p : QDir(kat).entryList({QStringLiteral("*.bmp"), QStringLiteral("*.jpg")}, QDir::Files))
            QFile::copy(QDir(kat).filePath(p), folder.plik(p));
        QStringList infer = {QStringLiteral("infer"), QStringLiteral("1"), QStringLiteral("--method"), metoda,
                             QStringLiteral("--facts"), kociol::plik(QStringLiteral("wartosci_faktow.txt"))};
        if (metoda == u"backward")
            infer << QStringLiteral("--hypothesis") << QStringLiteral("[usterka kotła]=[zanieczyszczony palnik]");
        const WynikCli w = cli(infer);
        QVERIFY2(w.kod == 0, qPrintable(w.out + w.err));
    }
};

QString pdfNaTekst(const QString &plik)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        return {};
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {plik, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A command run after an inference by a method: its exit code and the lines it prints.
struct Polecenie {
    QString metoda;
    QStringList argumenty;
    int kod;
    QStringList linie;
};

} // namespace

Q_DECLARE_METATYPE(Polecenie)

class TstWyjasnieniaCli : public QObject {
    Q_OBJECT
private slots:
    // Each command as text: what it prints first, lines it prints, its exit code; the table
    // files stay as they were.
    void polecenia_data()
    {
        QTest::addColumn<Polecenie>("p");
        QTest::newRow("explain w przód") << Polecenie{.metoda = QStringLiteral("forward"),
            .argumenty = {QStringLiteral("explain"), QStringLiteral("1")}, .kod = 0,
            .linie = {QStringLiteral("Konkluzja [stan spalania]=[niezupełne] — fakt pośredni „stan spalania”; "
                                     "zagregowany CF 0,63 (s-norma „rozmyta”)"),
                      QStringLiteral("Konkluzja [zalecane obniżenie mocy]=[obniżenie mocy wg temperatury] — fakt "
                                     "końcowy „zalecane obniżenie mocy”; zagregowany CF 0,81 (s-norma „rozmyta”)")}};
        QTest::newRow("explain wstecz, jedna konkluzja") << Polecenie{.metoda = QStringLiteral("backward"),
            .argumenty = {QStringLiteral("explain"), QStringLiteral("1"), QStringLiteral("--conclusion"),
                          QStringLiteral("[usterka kotła]=[zanieczyszczony palnik]")}, .kod = 0,
            .linie = {QStringLiteral("Hipoteza główna: [usterka kotła]=[zanieczyszczony palnik]"),
                      QStringLiteral("  Reguła 104 „Zanieczyszczony palnik”: poziom 2, kierunek „oba”, CF reguły 0,8"),
                      QStringLiteral("        Reguła 101 „Niezupełne spalanie”: poziom 1, kierunek „oba”, CF reguły "
                                     "0,9")}};
        QTest::newRow("explain: konkluzja nieosiągnięta") << Polecenie{.metoda = QStringLiteral("backward"),
            .argumenty = {QStringLiteral("explain"), QStringLiteral("1"), QStringLiteral("--conclusion"),
                          QStringLiteral("[przegrzanie pary]=[TRUE]")}, .kod = 1,
            .linie = {QStringLiteral("Konkluzja [przegrzanie pary]=[TRUE] nie została osiągnięta w ostatnim "
                                     "przebiegu wnioskowania systemu o kodzie 1. Odpowiedź na pytanie, dlaczego, "
                                     "daje „dlaczego nie”.")}};
        QTest::newRow("why-not wstecz") << Polecenie{.metoda = QStringLiteral("backward"),
            .argumenty = {QStringLiteral("why-not"), QStringLiteral("1"),
                          QStringLiteral("[usterka kotła]=[uszkodzony przegrzewacz]")}, .kod = 0,
            .linie = {QStringLiteral("Dlaczego nie: [usterka kotła]=[uszkodzony przegrzewacz]"),
                      QStringLiteral("        Przesłanka 1: [przegrzanie pary]=[TRUE] — fakt pośredni, logiczny; bez "
                                     "wartości → UNKNOWN, CF 0")}};
        QTest::newRow("why-not: nie konkluzja") << Polecenie{.metoda = QStringLiteral("forward"),
            .argumenty = {QStringLiteral("why-not"), QStringLiteral("1"), QStringLiteral("kocioł")}, .kod = 1,
            .linie = {QStringLiteral("Tekst kocioł nie jest konkluzją postaci [fakt]=[wartość].")}};
        QTest::newRow("rule-card") << Polecenie{.metoda = QStringLiteral("forward"),
            .argumenty = {QStringLiteral("rule-card"), QStringLiteral("105")}, .kod = 0,
            .linie = {QStringLiteral("Reguła 105 „Niesprawny zawór bezpieczeństwa” systemu 1 „Diagnostyka usterek "
                                     "kotła parowego”"),
                      QStringLiteral("  Kontrola składni reguły: Składnia reguły poprawna."),
                      QStringLiteral("    Stała 103 „dopuszczalna liczba zadziałań”: prosta, calkowita; wartość 3 na "
                                     "dobę")}};
        QTest::newRow("rule-card: brak reguły") << Polecenie{.metoda = QStringLiteral("forward"),
            .argumenty = {QStringLiteral("rule-card"), QStringLiteral("5")}, .kod = 1,
            .linie = {QStringLiteral("Reguły o kodzie 5 nie znaleziono w tabeli reguł.")}};
        QTest::newRow("explain: brak systemu") << Polecenie{.metoda = QStringLiteral("forward"),
            .argumenty = {QStringLiteral("explain"), QStringLiteral("3")}, .kod = 1,
            .linie = {QStringLiteral("System ekspercki o kodzie 3 nie istnieje.")}};
        QTest::newRow("explain: bez kodu") << Polecenie{.metoda = QStringLiteral("forward"),
            .argumenty = {QStringLiteral("explain")}, .kod = 2, .linie = {}};
        QTest::newRow("why-not: bez konkluzji") << Polecenie{.metoda = QStringLiteral("forward"),
            .argumenty = {QStringLiteral("why-not"), QStringLiteral("1")}, .kod = 2, .linie = {}};
        QTest::newRow("explain: --conclusion bez tekstu") << Polecenie{.metoda = QStringLiteral("backward"),
            .argumenty = {QStringLiteral("explain"), QStringLiteral("1"), QStringLiteral("--conclusion")}, .kod = 2,
            .linie = {}};
        QTest::newRow("explain: drugi kod") << Polecenie{.metoda = QStringLiteral("forward"),
            .argumenty = {QStringLiteral("explain"), QStringLiteral("1"), QStringLiteral("2")}, .kod = 2, .linie = {}};
        QTest::newRow("why-not: nadmiarowy argument") << Polecenie{.metoda = QStringLiteral("backward"),
            .argumenty = {QStringLiteral("why-not"), QStringLiteral("1"),
                          QStringLiteral("[usterka kotła]=[uszkodzony przegrzewacz]"), QStringLiteral("x")}, .kod = 2,
            .linie = {}};
        QTest::newRow("rule-card: konkluzja niedozwolona") << Polecenie{.metoda = QStringLiteral("forward"),
            .argumenty = {QStringLiteral("rule-card"), QStringLiteral("105"), QStringLiteral("[stan]=[zły]")}, .kod = 2,
            .linie = {}};
        QTest::newRow("rule-card: --json przed kodem") << Polecenie{.metoda = QStringLiteral("forward"),
            .argumenty = {QStringLiteral("rule-card"), QStringLiteral("--json"), QStringLiteral("105")}, .kod = 0,
            .linie = {}};
    }
    void polecenia()
    {
        QFETCH(Polecenie, p);
        Kociol k(p.metoda);
        const auto przed = skrotyPlikowTabel(k.folder.sciezka());
        const WynikCli w = k.cli(p.argumenty);
        QCOMPARE(w.kod, p.kod);
        const QStringList wyjscie = w.out.split(u'\n');
        for (const QString &l : p.linie)
            QVERIFY2(wyjscie.contains(l), qPrintable(l + QStringLiteral("\n---\n") + w.out));
        QCOMPARE(skrotyPlikowTabel(k.folder.sciezka()), przed);
    }

    // --json gives the same trees as nested objects, with the system and the run.
    void json()
    {
        Kociol k(QStringLiteral("backward"));
        const auto przed = skrotyPlikowTabel(k.folder.sciezka());
        WynikCli w = k.cli({QStringLiteral("explain"), QStringLiteral("1"), QStringLiteral("--json")});
        QCOMPARE(w.kod, 0);
        QJsonObject o = QJsonDocument::fromJson(w.out.toUtf8()).object();
        QCOMPARE(o.value(u"system").toObject().value(u"kod").toInt(), 1);
        const QJsonObject przebieg = o.value(u"przebieg").toObject();
        QCOMPARE(przebieg.value(u"metoda").toString(), QStringLiteral("wnioskowanie wstecz"));
        QCOMPARE(przebieg.value(u"hipoteza").toString(), QStringLiteral("[usterka kotła]=[zanieczyszczony palnik]"));
        const QJsonArray drzewa = o.value(u"drzewa").toArray();
        QCOMPARE(drzewa.size(), 2);
        const QJsonObject hip = drzewa[1].toObject();
        QCOMPARE(hip.value(u"rodzaj").toString(), QStringLiteral("konkluzja"));
        QCOMPARE(hip.value(u"cfZagregowany").toDouble(), 0.504);
        QCOMPARE(hip.value(u"normaAgregacji").toString(), QStringLiteral("rozmyta"));
        const QJsonObject regula = hip.value(u"dzieci").toArray()[0].toObject();
        QCOMPARE(regula.value(u"rodzaj").toString(), QStringLiteral("regula"));
        QCOMPARE(regula.value(u"idReg").toInt(), 104);
        QCOMPARE(regula.value(u"krok").toInt(), 6);
        const QJsonObject krok = regula.value(u"dzieci").toArray()[0].toObject();
        QCOMPARE(krok.value(u"kierunek").toString(), QStringLiteral("wstecz"));
        QCOMPARE(krok.value(u"iteracja").toInt(), 2);
        QCOMPARE(krok.value(u"cfKonkluzji").toDouble(), 0.504);
        const QJsonObject przeslanka = regula.value(u"dzieci").toArray()[1].toObject();
        QCOMPARE(przeslanka.value(u"rodzaj").toString(), QStringLiteral("przeslanka"));
        QCOMPARE(przeslanka.value(u"rodzajFaktu").toString(), QStringLiteral("posredni"));
        QCOMPARE(przeslanka.value(u"dzieci").toArray()[0].toObject().value(u"konkluzja").toString(),
                 QStringLiteral("[stan spalania]=[niezupełne]"));

        w = k.cli({QStringLiteral("why-not"), QStringLiteral("1"), QStringLiteral("[usterka kotła]=[uszkodzony przegrzewacz]"),
                   QStringLiteral("--json")});
        QCOMPARE(w.kod, 0);
        o = QJsonDocument::fromJson(w.out.toUtf8()).object();
        const QJsonObject drzewo = o.value(u"drzewo").toObject();
        QCOMPARE(drzewo.value(u"rodzaj").toString(), QStringLiteral("dlaczegoNie"));
        QCOMPARE(drzewo.value(u"osiagnieta").toBool(), false);
        const QJsonObject ocena = drzewo.value(u"dzieci").toArray()[1].toObject().value(u"dzieci").toArray()[1].toObject();
        QCOMPARE(ocena.value(u"rodzaj").toString(), QStringLiteral("ocena"));
        QCOMPARE(ocena.value(u"wartoscLogiczna").toString(), QStringLiteral("UNKNOWN"));
        const QJsonObject i = ocena.value(u"dzieci").toArray()[0].toObject();
        QCOMPARE(i.value(u"operator").toString(), QStringLiteral("AND"));
        QCOMPARE(i.value(u"dzieci").toArray()[0].toObject().value(u"token").toString(), QStringLiteral("[UNKNOWN][ 0.00]"));
        QCOMPARE(i.value(u"dzieci").toArray()[1].toObject().value(u"token").toString(), QStringLiteral("[TRUE][ 1.00]"));

        w = k.cli({QStringLiteral("rule-card"), QStringLiteral("--json"), QStringLiteral("107")});
        QCOMPARE(w.kod, 0);
        o = QJsonDocument::fromJson(w.out.toUtf8()).object();
        const QJsonArray sekcje = o.value(u"karta").toObject().value(u"dzieci").toArray();
        QCOMPARE(sekcje.size(), 5);
        const QJsonObject stala = sekcje[4].toObject().value(u"dzieci").toArray()[0].toObject();
        QCOMPARE(stala.value(u"rodzajStalej").toString(), QStringLiteral("obliczana"));
        QCOMPARE(stala.value(u"parametrA").toString(), QStringLiteral("0,5"));
        QCOMPARE(stala.value(u"wartoscArgumentu").toString(), QStringLiteral("565"));
        QCOMPARE(stala.value(u"wartosc").toString(), QStringLiteral("12,5"));

        w = k.cli({QStringLiteral("rule-card"), QStringLiteral("--json"), QStringLiteral("5")});
        QCOMPARE(w.kod, 1);
        QCOMPARE(QJsonDocument::fromJson(w.out.toUtf8()).object().value(u"text").toString(),
                 QStringLiteral("Reguły o kodzie 5 nie znaleziono w tabeli reguł."));
        QCOMPARE(skrotyPlikowTabel(k.folder.sciezka()), przed);
    }

    // The report as a PDF: the header, the run, the conclusions shown and the trees; the tables
    // unchanged. A system without a run has none.
    void raport()
    {
        Kociol k(QStringLiteral("forward"));
        const auto przed = skrotyPlikowTabel(k.folder.sciezka());
        const QString pdf = k.folder.plik(QStringLiteral("raport.pdf"));
        const WynikCli w = k.cli({QStringLiteral("report"), QStringLiteral("1"), QStringLiteral("--pdf"), pdf});
        QVERIFY2(w.kod == 0, qPrintable(w.out + w.err));
        QCOMPARE(w.out, QStringLiteral("Transfer raportu z konsultacji do drukarki zakończony. Czekaj na wydruk.\n"));
        QCOMPARE(skrotyPlikowTabel(k.folder.sciezka()), przed);
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith("%PDF"));
        const QString tekst = pdfNaTekst(pdf);
        if (tekst.isEmpty())
            QSKIP("pdftotext is not installed");
        for (const QString &t : {QStringLiteral("RAPORT Z KONSULTACJI SYSTEMU EKSPERCKIEGO (BAZY WIEDZY)"),
                                 QStringLiteral("Nazwa systemu: Diagnostyka usterek kotła parowego"),
                                 QStringLiteral("Metoda wnioskowania: wnioskowanie w przód"),
                                 QStringLiteral("Konkluzja 5: [usterka kotła]=[uszkodzony przegrzewacz]"),
                                 QStringLiteral("Wężownica przegrzewacza pary w kanale spalin."),
                                 QStringLiteral("Numer strony wydruku: 2")})
            QVERIFY2(tekst.contains(t), qPrintable(t));

        Kociol bez(QStringLiteral("forward"));
        QCOMPARE(bez.cli({QStringLiteral("report"), QStringLiteral("2"), QStringLiteral("--pdf"), pdf}).out,
                 QStringLiteral("System ekspercki o kodzie 2 nie istnieje.\n"));
        QCOMPARE(k.cli({QStringLiteral("report"), QStringLiteral("1")}).kod, 2);
    }
};

QTEST_GUILESS_MAIN(TstWyjasnieniaCli)
#include "tst_wyjasnienia_cli.moc"

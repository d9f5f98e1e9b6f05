// The example knowledge bases of examples/: each imports into empty tables, every rule passes the
// syntax check without a warning, the base verifies cleanly, and inference gives the conclusions
// and CFs documented in examples/README.md.

#include "Pomocnicze.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using namespace tremida;
using namespace tremida::test;

namespace {

QJsonObject jsonPrzykladu(const QString &przyklad)
{
    QFile f(plikPrzykladu(przyklad, przyklad + QStringLiteral(".json")));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(f.readAll()).object();
}

// A working folder with the tables of one example (or of all of them).
struct FolderPrzykladu {
    FolderRoboczy folder;
    explicit FolderPrzykladu(const QStringList &przyklady)
    {
        const WynikCli z = uruchomCli(folder.sciezka(), {QStringLiteral("create-tables")});
        QVERIFY2(z.kod == 0, qPrintable(z.err));
        for (const QString &p : przyklady) {
            const WynikCli w = uruchomCli(folder.sciezka(), {QStringLiteral("import"),
                                                            plikPrzykladu(p, p + QStringLiteral(".json"))});
            QVERIFY2(w.kod == 0, qPrintable(w.out + w.err));
        }
    }
    WynikCli cli(const QStringList &argumenty) const { return uruchomCli(folder.sciezka(), argumenty); }
};

const QString Kociol = QStringLiteral("kociol");
const QString Choroba = QStringLiteral("choroba");
const QString Wypoczynek = QStringLiteral("wypoczynek");

// Each example with the row name its tests give it and the number of its system.
const struct {
    const char *wiersz;
    QString przyklad;
    int system;
} Przyklady[] = {{"boiler", Kociol, 1}, {"diagnosis", Choroba, 2}, {"holiday", Wypoczynek, 3}};

// One conclusion event, written as "rule | conclusion | CF | aggregated CF | kind of fact".
struct Konkluzja {
    int regula;
    QString tekst;
    double cf;
    double cfZagreg;
    QString rodzaj;
};

QString opis(const Konkluzja &k)
{
    return QStringLiteral("%1 | %2 | %3 | %4 | %5").arg(k.regula).arg(k.tekst).arg(k.cf).arg(k.cfZagreg).arg(k.rodzaj);
}

// One inference run of an example: the example, the command's arguments, the conclusions
// shown and the last message.
struct Przebieg {
    QString przyklad;
    QStringList argumenty;
    QList<Konkluzja> konkluzje;
    QString ostatniKomunikat;
};

} // namespace

Q_DECLARE_METATYPE(Przebieg)

class TstPrzyklady : public QObject {
    Q_OBJECT
private slots:
    void przyklad_data()
    {
        QTest::addColumn<QString>("przyklad");
        QTest::addColumn<int>("system");
        for (const auto &p : Przyklady)
            QTest::newRow(p.wiersz) << p.przyklad << p.system;
    }

    // Every rule of the example passes the one-rule syntax check with no warning at all.
    void kazdaRegulaBezZastrzezen_data() { przyklad_data(); }
    void kazdaRegulaBezZastrzezen()
    {
        QFETCH(QString, przyklad);
        FolderPrzykladu f({przyklad});
        const QJsonArray reguly = jsonPrzykladu(przyklad).value(u"reguly").toArray();
        QVERIFY(reguly.size() >= 6);
        for (const QJsonValue &r : reguly) {
            const QString id = QString::number(r.toObject().value(u"IdReg").toInt());
            const WynikCli w = f.cli({QStringLiteral("check-rule"), QStringLiteral("--json"), id});
            QCOMPARE(w.kod, 0);
            QCOMPARE(komunikatyJson(w.out), QStringList{QStringLiteral("Składnia reguły poprawna.")});
        }
    }

    // Full verification ends cleanly with no warning, and the input-fact value file of each
    // example is read without a message about any triple: each says only its closing message.
    void bezUwag_data()
    {
        QTest::addColumn<QString>("przyklad");
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<QString>("komunikat");
        for (const auto &p : Przyklady) {
            const QString system = QString::number(p.system);
            QTest::addRow("%s: full verification", p.wiersz)
                << p.przyklad << QStringList{QStringLiteral("verify"), system, QStringLiteral("--full")}
                << QStringLiteral("Baza wiedzy została zweryfikowana. Celem kontynuacji procesu wnioskowania, "
                                  "wybierz teraz opcję menu głównego Wnioskowanie-Realizacja procesu wnioskowania.");
            QTest::addRow("%s: input-fact value file", p.wiersz)
                << p.przyklad
                << QStringList{QStringLiteral("read-facts"), system,
                               plikPrzykladu(p.przyklad, QStringLiteral("wartosci_faktow.txt"))}
                << QStringLiteral("Wartości faktów z pliku tekstowego zostały zapisane do tabeli faktów. Celem "
                                  "kontynuacji procesu wnioskowania, wybierz teraz opcję menu głównego "
                                  "Wnioskowanie-Weryfikacja bazy wiedzy.");
        }
    }
    void bezUwag()
    {
        QFETCH(QString, przyklad);
        QFETCH(QStringList, argumenty);
        QFETCH(QString, komunikat);
        FolderPrzykladu f({przyklad});
        const WynikCli w = f.cli(argumenty << QStringLiteral("--json"));
        QCOMPARE(w.kod, 0);
        QCOMPARE(komunikatyJson(w.out), QStringList{komunikat});
    }

    // The consistency check of the database holding all three examples finds nothing.
    void spojnoscWszystkichPrzykladow()
    {
        FolderPrzykladu f({Kociol, Choroba, Wypoczynek});
        const WynikCli w = f.cli({QStringLiteral("check-db")});
        QVERIFY2(w.kod == 0, qPrintable(w.out + w.err));
    }

    // Every picture and film named in the multimedia table lies beside the example.
    void plikiIlustracjiIstnieja_data() { przyklad_data(); }
    void plikiIlustracjiIstnieja()
    {
        QFETCH(QString, przyklad);
        const QJsonArray pliki = jsonPrzykladu(przyklad).value(u"plikimultimedialne").toArray();
        QVERIFY(!pliki.isEmpty());
        for (const QJsonValue &p : pliki) {
            const QString nazwa = p.toObject().value(u"NazwaPliku").toString();
            QVERIFY2(QFileInfo(plikPrzykladu(przyklad, nazwa)).size() > 0, qPrintable(nazwa));
        }
    }

    // The preparation script fills an empty folder and refuses one that already holds tables.
    void skryptPrzygotowania()
    {
        FolderRoboczy folder;
        auto uruchom = [&] {
            QProcess p;
            p.start(QStringLiteral("bash"), {katalogPrzykladow() + QStringLiteral("/przygotuj.sh"),
                                             QStringLiteral("wszystkie"), folder.sciezka()});
            p.waitForFinished(120000);
            return p.exitCode();
        };
        QCOMPARE(uruchom(), 0);
        for (const QString &plik : {QStringLiteral("reguly.db"), QStringLiteral("plomien.bmp"),
                                    QStringLiteral("czyszczenie_palnika.avi"), QStringLiteral("chorwacja.jpg"),
                                    QStringLiteral("wartosci_faktow_choroba.txt")})
            QVERIFY2(QFileInfo::exists(folder.plik(plik)), qPrintable(plik));
        const WynikCli przed = uruchomCli(folder.sciezka(), {QStringLiteral("export")});
        QCOMPARE(uruchom(), 1);
        QCOMPARE(uruchomCli(folder.sciezka(), {QStringLiteral("export")}).out, przed.out);
    }

    // Inference through tremida-cli infer --json: the conclusions shown, in order, with their CFs
    // and aggregated CFs, and the last message of the run.
    void wnioskowanie_data()
    {
        QTest::addColumn<Przebieg>("p");

        const QString posredni = QStringLiteral("posredni"), koncowy = QStringLiteral("koncowy");
        const QString koniecWPrzod =
            QStringLiteral("Zakończenie procesu wnioskowania w przód na skutek wyczerpania możliwości procesu.");
        auto wstecz = [](const QString &hipoteza) {
            return QStringList{QStringLiteral("--method"), QStringLiteral("backward"), QStringLiteral("--hypothesis"),
                               hipoteza};
        };
        auto udowodniona = [](const QString &cf) {
            return QStringLiteral("   Hipoteza główna została udowodniona ze zagregowanym CF konkluzji równym ") + cf +
                   QStringLiteral(".\n\r   Nastąpi zakończenie procesu wnioskowania.");
        };
        const QStringList wprzod{QStringLiteral("--method"), QStringLiteral("forward")};

        const QList<Konkluzja> kociolWPrzod{
            {101, QStringLiteral("[stan spalania]=[niezupełne]"), 0.63, 0.63, posredni},
            {103, QStringLiteral("[przegrzanie pary]=[TRUE]"), 0.81, 0.81, posredni},
            {104, QStringLiteral("[usterka kotła]=[zanieczyszczony palnik]"), 0.504, 0.504, koncowy},
            {105, QStringLiteral("[usterka kotła]=[niesprawny zawór bezpieczeństwa]"), 0.85, 0.85, koncowy},
            {106, QStringLiteral("[usterka kotła]=[uszkodzony przegrzewacz]"), 0.729, 0.729, koncowy},
            {107, QStringLiteral("[zalecane obniżenie mocy]=[obniżenie mocy wg temperatury]"), 0.81, 0.81, koncowy}};
        QTest::newRow("boiler forward") << Przebieg{.przyklad = Kociol, .argumenty = wprzod,
            .konkluzje = kociolWPrzod,
            .ostatniKomunikat = koniecWPrzod};
        QTest::newRow("boiler backward through an auxiliary hypothesis") << Przebieg{.przyklad = Kociol,
            .argumenty = wstecz(QStringLiteral("[usterka kotła]=[zanieczyszczony palnik]")),
            .konkluzje = {{104, QStringLiteral("[usterka kotła]=[zanieczyszczony palnik]"), 0.504, 0.504, koncowy}},
            .ostatniKomunikat = udowodniona(QStringLiteral("0,504"))};

        const QString grypa = QStringLiteral("[rozpoznanie]=[grypa]");
        QTest::newRow("diagnosis forward") << Przebieg{.przyklad = Choroba, .argumenty = wprzod,
            .konkluzje = {{201, QStringLiteral("[gorączka]=[TRUE]"), 1, 1, posredni},
                           {203, QStringLiteral("[objawy ogólne]=[silne]"), 0.72, 0.72, posredni},
                           {205, grypa, 0.648, 0.648, koncowy}},
            .ostatniKomunikat = koniecWPrzod};
        QTest::newRow("diagnosis backward over two levels of auxiliary hypotheses") << Przebieg{.przyklad = Choroba,
            .argumenty = wstecz(grypa),
            .konkluzje = {{205, grypa, 0.648, 0.648, koncowy}},
            .ostatniKomunikat = udowodniona(QStringLiteral("0,648"))};
        QTest::newRow("diagnosis backward fails and falsification proves another diagnosis") << Przebieg{.przyklad = Choroba,
            .argumenty = wstecz(QStringLiteral("[rozpoznanie]=[zapalenie oskrzeli]")) + QStringList{QStringLiteral("--falsify-all")},
            .konkluzje = {{205, grypa, 0.648, 0.648, koncowy}},
            .ostatniKomunikat = QStringLiteral("   Hipoteza główna została sfalsyfikowana.\n\r   Nastąpi zakończenie procesu wnioskowania.")};

        const QString baltyk = QStringLiteral("[miejsce wypoczynku]=[wybrzeże Bałtyku]");
        const QString chorwacja = QStringLiteral("[miejsce wypoczynku]=[Chorwacja]");
        const QString rzym = QStringLiteral("[miejsce wypoczynku]=[Rzym]");
        QTest::newRow("holiday forward, fuzzy aggregation") << Przebieg{.przyklad = Wypoczynek, .argumenty = wprzod,
            .konkluzje = {{301, baltyk, 0.63, 0.63, koncowy},
                           {302, baltyk, 0.6, 0.63, koncowy},
                           {303, chorwacja, 0.72, 0.72, koncowy},
                           {304, rzym, 0.3, 0.3, koncowy},
                           {305, chorwacja, 0.6, 0.72, koncowy}},
            .ostatniKomunikat = koniecWPrzod};
        QTest::newRow("holiday forward, algebraic aggregation") << Przebieg{.przyklad = Wypoczynek,
            .argumenty = wprzod + QStringList{QStringLiteral("--set"), QStringLiteral("SNormaKonkl=algebraiczna")},
            .konkluzje = {{301, baltyk, 0.63, 0.63, koncowy},
                           {302, baltyk, 0.6, 0.852, koncowy},
                           {303, chorwacja, 0.72, 0.72, koncowy},
                           {304, rzym, 0.3, 0.3, koncowy},
                           {305, chorwacja, 0.6, 0.888, koncowy}},
            .ostatniKomunikat = koniecWPrzod};
        QTest::newRow("holiday backward, two rules prove the hypothesis") << Przebieg{.przyklad = Wypoczynek,
            .argumenty = wstecz(chorwacja),
            .konkluzje = {{303, chorwacja, 0.72, 0.72, koncowy}, {305, chorwacja, 0.6, 0.72, koncowy}},
            .ostatniKomunikat = udowodniona(QStringLiteral("0,72"))};
        QTest::newRow("holiday backward, algebraic aggregation") << Przebieg{.przyklad = Wypoczynek,
            .argumenty = wstecz(chorwacja) + QStringList{QStringLiteral("--set"), QStringLiteral("SNormaKonkl=algebraiczna")},
            .konkluzje = {{303, chorwacja, 0.72, 0.72, koncowy}, {305, chorwacja, 0.6, 0.888, koncowy}},
            .ostatniKomunikat = udowodniona(QStringLiteral("0,888"))};
    }

    void wnioskowanie()
    {
        QFETCH(Przebieg, p);
        const int system = jsonPrzykladu(p.przyklad).value(u"systemyeksperckie").toArray().first()[u"IdSyst"].toInt();

        // Once with the input-fact value file, once with the answers given when asked.
        const QList<QStringList> zrodla{
            {QStringLiteral("--facts"), plikPrzykladu(p.przyklad, QStringLiteral("wartosci_faktow.txt"))},
            {QStringLiteral("--answers"), plikPrzykladu(p.przyklad, QStringLiteral("odpowiedzi.txt"))}};
        for (const QStringList &zrodlo : zrodla) {
            FolderPrzykladu f({p.przyklad});
            const WynikCli w = f.cli(QStringList{QStringLiteral("infer"), QString::number(system)} + p.argumenty + zrodlo +
                                     QStringList{QStringLiteral("--json")});
            QVERIFY2(w.kod == 0, qPrintable(w.out + w.err));
            QStringList otrzymane, oczekiwane;
            for (const QJsonObject &z : zdarzeniaJson(w.out))
                if (z.value(u"event").toString() == u"conclusion")
                    otrzymane << opis({z.value(u"rule").toInt(), z.value(u"conclusion").toString(),
                                       z.value(u"cf").toDouble(), z.value(u"aggregatedCf").toDouble(),
                                       z.value(u"factKind").toString()});
            for (const Konkluzja &k : p.konkluzje)
                oczekiwane << opis(k);
            QCOMPARE(otrzymane, oczekiwane);
            QCOMPARE(komunikatyJson(w.out).last(), p.ostatniKomunikat);
        }
    }
};

QTEST_GUILESS_MAIN(TstPrzyklady)
#include "tst_przyklady.moc"

// The program reads and writes numbers, dates and texts the same under every locale of its
// users' desktops: the example knowledge bases run through tremida-cli under C.UTF-8 and under
// three other locales (two of them with a decimal comma) give the same output, byte for byte.

#include "Pomocnicze.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

using namespace tremida;
using namespace tremida::test;

namespace {

// What the shell's printf writes for one under the locale: the check that the locale is
// really in force (a comma for the Polish and German ones).
QString jedenWLokalizacji(const QString &lokalizacja)
{
    QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
    srodowisko.insert(QStringLiteral("LOCPATH"), QStringLiteral(TREMIDA_LOCALE_DIR));
    srodowisko.insert(QStringLiteral("LC_ALL"), lokalizacja);
    QProcess p;
    p.setProcessEnvironment(srodowisko);
    p.start(QStringLiteral("bash"), {QStringLiteral("-c"), QStringLiteral("printf '%.1f' 1")});
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The commands of the run: every one reads or writes real numbers (CFs, values with a comma,
// parameters, constants A and B), dates or Polish letters.
const QList<QStringList> &polecenia()
{
    static const QList<QStringList> lista = {
        {"verify", "1", "--full"},
        {"check-rule", "101"},
        {"read-facts", "1", "@kociol/wartosci_faktow.txt"},
        {"infer", "1", "--method", "forward", "--set", "ProgCF=0,3", "--set", "SNormaKonkl=algebraiczna"},
        {"trajectory", "1"},
        {"infer", "2", "--method", "backward", "--hypothesis", "[rozpoznanie]=[zapalenie oskrzeli]", "--answers",
         "@choroba/odpowiedzi.txt", "--falsify-all", "--json"},
        {"trajectory", "2", "--json"},
        {"infer", "3", "--method", "mixed", "--hypothesis", "[miejsce wypoczynku]=[Chorwacja]", "--facts",
         "@wypoczynek/wartosci_faktow.txt"},
        {"verify", "2", "--short", "--json"},
        {"check-db"},
        {"export"},
    };
    return lista;
}

// Everything the commands print, in one folder holding the three examples, under one locale.
QStringList przebieg(const QString &lokalizacja)
{
    FolderRoboczy folder;
    QStringList wynik;
    auto cli = [&](const QStringList &argumenty) {
        QStringList a;
        for (const QString &s : argumenty)
            a << (s.startsWith(u'@') ? plikPrzykladu(s.section(u'/', 0, 0).mid(1), s.section(u'/', 1)) : s);
        const WynikCli w = uruchomCliWLokalizacji(lokalizacja, folder.sciezka(), a);
        wynik << argumenty.join(u' ') + QStringLiteral(" -> ") + QString::number(w.kod) << w.out << w.err;
    };
    cli({QStringLiteral("create-tables")});
    for (const char *p : {"kociol", "choroba", "wypoczynek"})
        cli({QStringLiteral("import"), plikPrzykladu(QLatin1String(p), QLatin1String(p) + QStringLiteral(".json"))});
    for (const QStringList &p : polecenia())
        cli(p);
    return wynik;
}

} // namespace

class TstLokalizacje : public QObject {
    Q_OBJECT
private slots:
    void takSamoWKazdejLokalizacji_data()
    {
        QTest::addColumn<QString>("lokalizacja");
        QTest::addColumn<QString>("jeden");
        QTest::newRow("Polish") << "pl_PL.UTF-8" << "1,0";
        QTest::newRow("German") << "de_DE.UTF-8" << "1,0";
        QTest::newRow("American English") << "en_US.UTF-8" << "1.0";
    }
    void takSamoWKazdejLokalizacji()
    {
        QFETCH(QString, lokalizacja);
        QFETCH(QString, jeden);
        QCOMPARE(jedenWLokalizacji(lokalizacja), jeden);
        const QStringList wzorzec = przebieg(QStringLiteral("C.UTF-8"));
        const QStringList w = przebieg(lokalizacja);
        QCOMPARE(w.size(), wzorzec.size());
        for (qsizetype i = 0; i < w.size(); ++i)
            QCOMPARE(w.at(i), wzorzec.at(i));
        // The runs did work: the boiler verified, fired its rules and the export holds the
        // values read with a decimal comma.
        QVERIFY(wzorzec.contains(QStringLiteral("verify 1 --full -> 0")));
        QVERIFY(wzorzec.contains(QStringLiteral("infer 1 --method forward --set ProgCF=0,3 --set "
                                                "SNormaKonkl=algebraiczna -> 0")));
        QVERIFY(wzorzec.join(u'\n').contains(QStringLiteral("Stopień pewności konkluzji: 0,63")));
    }
};

QTEST_GUILESS_MAIN(TstLokalizacje)
#include "tst_lokalizacje.moc"

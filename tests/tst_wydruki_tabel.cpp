// The printouts of the constants, trajectory and multimedia tables on a recording canvas whose
// every character is 10 pixels wide, and the same printouts written to PDF by tremida-cli.

#include "PlotnoNagrywajace.h"
#include "Pomocnicze.h"
#include "report/UkladStrony.h"
#include "report/Wydruki.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace tremida;
using namespace tremida::test;

namespace {

const QDate Dzien(2024, 3, 5);

const QString Odpalona = QStringLiteral("Reguła została \"odpalona\" w danym kroku trajektorii wnioskowania");
const QString Unknown = QStringLiteral("Reguła nieprzyjęta na stos do \"odpalenia\". Pole przesłankowe reguły zwraca "
                                       "wartość logiczną UNKNOWN, na skutek nieokreślonych wartości faktów w polu "
                                       "przesłankowym");

// Two systems with facts, a rule, constants of every kind and type, multimedia files and
// `kroki` trajectory steps of system 1 (odd steps fired at level 1, even ones not at level 2).
QString baza(int kroki)
{
    QString traj;
    for (int i = 1; i <= kroki; ++i)
        traj += QStringLiteral(R"({"IdKrokTraj": %1, "KodSyst": 1, "KodRegTraj": 7, "PozRegTraj": %2, "IterRegTraj": %3,
            "KierWniTraj": "w przod", "CzyOdpalTraj": "%4", "CFKonklRegTraj": %5, "PrzyczNieOdpalTraj": "%6",
            "DataRek": "5.3.2024"},)")
                    .arg(i)
                    .arg(i % 2 ? 1 : 2)
                    .arg((i + 1) / 2)
                    .arg(i % 2 ? QStringLiteral("tak") : QStringLiteral("nie"))
                    .arg(i % 2 ? QStringLiteral("0.63") : QStringLiteral("null"))
                    .arg(QString(i % 2 ? Odpalona : Unknown).replace(u'"', QStringLiteral("\\\"")));
    return QStringLiteral(R"({
      "systemyeksperckie": [{"IdSyst": 1, "NazSyst": "Kotły"}, {"IdSyst": 2, "NazSyst": "Urlop"}],
      "fakty": [
        {"IdFakt": 5, "KodSyst": 1, "NazFakt": "temperatura", "RodzFakt": "wprowadzany", "TypFakt": "calkowity"},
        {"IdFakt": 6, "KodSyst": 1, "NazFakt": "dym", "RodzFakt": "wprowadzany", "TypFakt": "logiczny"},
        {"IdFakt": 9, "KodSyst": 2, "NazFakt": "budżet", "RodzFakt": "wprowadzany", "TypFakt": "calkowity"}],
      "reguly": [{"IdReg": 7, "KodSyst": 1, "NazReg": "R", "PozReg": 1, "KierWniReg": "oba", "CFReg": 1,
                  "PrzesReg": "[dym]=[TRUE]", "KonklReg": "[dym]=[TRUE]"}],
      "stale": [
        {"IdStala": 11, "KodSyst": 1, "NazStala": "temperatura maksymalna", "RodzStala": "prosta",
         "TypStala": "rzeczywista", "JedWartStala": "°C", "WartStalaProsta": "540", "KodArgStala": 1,
         "WartParAStala": "1", "WartParBStala": "0", "OpisStala": "Najwyższa temperatura.",
         "PytStala": "Wpisz z tabliczki.", "DataRek": "x"},
        {"IdStala": 12, "KodSyst": 1, "NazStala": "obniżenie mocy", "RodzStala": "obliczana", "TypStala": "calkowita",
         "JedWartStala": "%", "WartStalaProsta": "0", "KodArgStala": 5, "WartParAStala": "0,5",
         "WartParBStala": "-270", "DataRek": "x"},
        {"IdStala": 13, "KodSyst": 1, "NazStala": "alarm", "RodzStala": "obliczana", "TypStala": "logiczna",
         "JedWartStala": "jednostka logiczna", "WartStalaProsta": "0", "KodArgStala": 6, "WartParAStala": "7",
         "WartParBStala": "8", "DataRek": "x"},
        {"IdStala": 14, "KodSyst": 1, "NazStala": "stała logiczna o nazwie tak długiej, że nie mieści się w swojej kolumnie wydruku",
         "RodzStala": "prosta", "TypStala": "logiczna", "JedWartStala": "jednostka logiczna", "WartStalaProsta": "TRUE",
         "KodArgStala": 1, "WartParAStala": "1", "WartParBStala": "0", "DataRek": "x"},
        {"IdStala": 21, "KodSyst": 2, "NazStala": "budżet minimalny", "RodzStala": "prosta", "TypStala": "calkowita",
         "WartStalaProsta": "1000", "KodArgStala": 1, "WartParAStala": "1", "WartParBStala": "0", "DataRek": "x"}],
      "plikimultimedialne": [
        {"IdPlikMult": 1, "NazwaPliku": "kociol.bmp", "RodzajPliku": "obraz graficzny/zdjecie fotograficzne",
         "StosWysDoSzer": 0.75, "CoPlikIlustr": "fakt", "KodElemIlustr": 5, "Podpis": "Schemat kotła."},
        {"IdPlikMult": 2, "NazwaPliku": "film.avi", "RodzajPliku": "film", "StosWysDoSzer": 0.5625,
         "CoPlikIlustr": "regula", "KodElemIlustr": 7},
        {"IdPlikMult": 3, "NazwaPliku": "plaza.jpg", "RodzajPliku": "obraz graficzny/zdjecie fotograficzne",
         "StosWysDoSzer": 1, "CoPlikIlustr": "fakt", "KodElemIlustr": 9, "Podpis": "Plaża w zatoce, w której dzieci mogą bezpiecznie brodzić przy samym brzegu."},
        {"IdPlikMult": 4, "NazwaPliku": "inny.bmp", "RodzajPliku": "obraz graficzny/zdjecie fotograficzne",
         "StosWysDoSzer": 1, "CoPlikIlustr": "regula", "KodElemIlustr": 5}],
      "trajektoria": [%1 {"IdKrokTraj": 100000, "KodSyst": 2, "KodRegTraj": 9, "DataRek": "6.3.2024",
                          "PrzyczNieOdpalTraj": "krok innego systemu"}]
    })")
        .arg(traj);
}

struct Folder {
    FolderRoboczy folder;
    Baza b;
    explicit Folder(int kroki = 3)
    {
        QVERIFY(b.otworz(folder.sciezka()));
        zalozWszystkieTabele(b);
        importuj(b, baza(kroki));
    }
};

// The texts drawn on one line (same page and y), left to right; empty texts draw nothing.
QStringList linia(const PlotnoNagrywajace &p, const Napis *n)
{
    QList<const Napis *> w;
    for (const Napis &m : p.napisy)
        if (m.strona == n->strona && m.y == n->y && !m.tekst.isEmpty() && !m.tekst.startsWith(u'_'))
            w << &m;
    std::sort(w.begin(), w.end(), [](const Napis *a, const Napis *b) { return a->x < b->x; });
    QStringList t;
    for (const Napis *m : w)
        t << QStringLiteral("%1:%2").arg(m->x).arg(m->tekst);
    return t;
}

QString pdfNaTekst(const QString &plik)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        return {};
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), plik, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TstWydrukiTabel : public QObject {
    Q_OBJECT
private slots:
    // An underline row runs from the left margin to the right margin.
    void liniaPodkreslen()
    {
        PlotnoNagrywajace p(2300, 3300);
        UkladStrony u(p, {6, 100, 100, 150, 50}, true);
        u.ustawY(400);
        u.linia();
        QCOMPARE(p.napisy.size(), size_t(1));
        QCOMPARE(p.napisy[0].x, 150);
        QCOMPARE(p.napisy[0].tekst, QString(210, u'_'));
    }

    // Constants: the header of a system's printout, the columns of each kind and type, and the
    // description blocks.
    void stale()
    {
        Folder f;
        PlotnoNagrywajace p(2480, 3508);
        QVERIFY(drukujStale(f.b, 1, p, false, Dzien));
        const QStringList t = p.teksty();
        QCOMPARE(t.mid(0, 6), (QStringList{QStringLiteral("System ekspercki szkieletowy TREMIDA"),
                                           QStringLiteral("Kod systemu eksperckiego (bazy wiedzy):  1"),
                                           QStringLiteral("Nazwa systemu:"), QStringLiteral("Kotły"),
                                           QStringLiteral("Numer strony wydruku:  1"),
                                           QStringLiteral("Data wydruku:  5. 3.2024")}));
        const Napis *tytul = p.znajdz(QStringLiteral("TABELA STAŁYCH SYSTEMU EKSPERCKIEGO (BAZY WIEDZY)"));
        QVERIFY(tytul && tytul->pogrubiony);
        QCOMPARE(linia(p, p.znajdz(QStringLiteral("Nazwa"))),
                 (QStringList{"150:Kod", "250:Nazwa", "1000:Rodzaj", "1150:Typ", "1330:Jednostka", "1500:Wartość",
                              "1900:Kod", "2050:Parametr", "2240:Parametr"}));
        // A simple constant: its value; a computed one: its argument and parameters; a logical
        // one prints no unit, a logical computed one no parameters.
        QCOMPARE(linia(p, p.znajdz(QStringLiteral("11"))),
                 (QStringList{"150:11", "250:temperatura maksymalna", "1000:prosta", "1150:rzeczywista", "1330:°C",
                              "1500:540"}));
        QCOMPARE(linia(p, p.znajdz(QStringLiteral("12"))),
                 (QStringList{"150:12", "250:obniżenie mocy", "1000:obliczana", "1150:calkowita", "1330:%",
                              "1900:5", "2050:0,5", "2240:-270"}));
        QCOMPARE(linia(p, p.znajdz(QStringLiteral("13"))),
                 (QStringList{"150:13", "250:alarm", "1000:obliczana", "1150:logiczna", "1900:6"}));
        // The long name wraps within its column (730 pixels: 72 characters).
        QCOMPARE(linia(p, p.znajdz(QStringLiteral("14"))),
                 (QStringList{"150:14", "250:stała logiczna o nazwie tak długiej, że nie mieści się w swojej kolumnie",
                              "1000:prosta", "1150:logiczna", "1500:TRUE"}));
        QCOMPARE(p.znajdz(QStringLiteral("wydruku"))->x, 250);
        QCOMPARE(p.ile(QStringLiteral("Opis stałej:")), 4);
        QVERIFY(p.znajdz(QStringLiteral("Opis stałej:"))->podkreslony);
        QVERIFY(t.contains(QStringLiteral("Najwyższa temperatura.")));
        QVERIFY(t.contains(QStringLiteral("Wpisz z tabliczki.")));
        QCOMPARE(p.ile(QStringLiteral("brak opisu")), 3);
        QCOMPARE(p.ile(QStringLiteral("brak instrukcji")), 3);
        QVERIFY(!t.contains(QStringLiteral("budżet minimalny")));
    }

    // Every step of the system in step order, one row each, its outcome wrapped in its column.
    void trajektoria()
    {
        Folder f;
        PlotnoNagrywajace p(2480, 3508);
        QVERIFY(drukujTrajektorie(f.b, 1, p, false, Dzien));
        QVERIFY(p.znajdz(QStringLiteral("TABELA TRAJEKTORII WNIOSKOWANIA SYSTEMU EKSPERCKIEGO (BAZY WIEDZY)")));
        QCOMPARE(linia(p, p.znajdz(QStringLiteral("kroku"))),
                 (QStringList{"150:kroku", "330:reguły", "480:reguły", "610:iteracji", "740:wnioskowania",
                              "920:\"odpalona\"?", "1070:konkluzji", "2250:kroku"}));
        QCOMPARE(linia(p, p.znajdz(QStringLiteral("1"))),
                 (QStringList{"150:1", "330:7", "480:1", "610:1", "740:w przod", "920:tak", "1070:0,63",
                              "1230:" + Odpalona, "2250:5.3.2024"}));
        // 1000 pixels leave 99 characters for the sentence of an UNKNOWN premise field.
        const Napis *krok2 = p.znajdz(QStringLiteral("2"));
        QCOMPARE(linia(p, krok2),
                 (QStringList{"150:2", "330:7", "480:2", "610:1", "740:w przod", "920:nie",
                              "1230:Reguła nieprzyjęta na stos do \"odpalenia\". Pole przesłankowe reguły zwraca "
                              "wartość logiczną",
                              "2250:5.3.2024"}));
        const Napis *dalej = p.znajdz(QStringLiteral("UNKNOWN, na skutek nieokreślonych wartości faktów w polu "
                                                     "przesłankowym"));
        QVERIFY(dalej);
        QCOMPARE(dalej->x, 1230);
        QCOMPARE(dalej->y, krok2->y + 30);
        QVERIFY(p.znajdz(QStringLiteral("3"))->y > dalej->y);
        QVERIFY(!p.znajdz(QStringLiteral("krok innego systemu")));
    }

    // A long trajectory: the header and the column headings on every page, every step once, no
    // line below the page's budget.
    void trajektoriaNaWieluStronach()
    {
        Folder f(300);
        PlotnoNagrywajace p(3508, 2480);
        QVERIFY(drukujTrajektorie(f.b, 1, p, true, Dzien));
        const int strony = p.napisy.back().strona;
        QVERIFY(strony > 5);
        QCOMPARE(p.ile(QStringLiteral("TABELA TRAJEKTORII WNIOSKOWANIA SYSTEMU EKSPERCKIEGO (BAZY WIEDZY)")), strony);
        QCOMPARE(p.ile(QStringLiteral("iteracji")), strony);
        QCOMPARE(p.ile(QStringLiteral("Numer strony wydruku: %1").arg(strony, 2)), 1);
        QStringList kroki, oczekiwane;
        int strona = 0, y = 0;
        for (const Napis &n : p.napisy) {
            if (n.x != 150 || !n.tekst.toInt())
                continue;
            kroki << n.tekst;
            QVERIFY(n.strona > strona || n.y > y);
            strona = n.strona;
            y = n.y;
        }
        for (int i = 1; i <= 300; ++i)
            oczekiwane << QString::number(i);
        QCOMPARE(kroki, oczekiwane);
        for (const Napis &n : p.napisy)
            QVERIFY2(n.y < 2480 - 100, qPrintable(n.tekst));
    }

    // Multimedia: all files with the header of a whole table, or the files of one system's
    // facts and rules with the header of a system.
    void plikiMultimedialne()
    {
        Folder f;
        PlotnoNagrywajace wszystkie(2480, 3508);
        QVERIFY(drukujPlikiMult(f.b, 0, wszystkie, false, Dzien));
        QCOMPARE(wszystkie.teksty().mid(0, 4),
                 (QStringList{QStringLiteral("System ekspercki szkieletowy TREMIDA"), QStringLiteral("Numer strony wydruku:  1"),
                              QStringLiteral("Data wydruku:  5. 3.2024"), QStringLiteral("TABELA PLIKÓW MULTIMEDIALNYCH")}));
        QCOMPARE(linia(wszystkie, wszystkie.znajdz(QStringLiteral("kociol.bmp"))),
                 (QStringList{"150:1", "300:kociol.bmp", "800:obraz graficzny/zdjecie fotograficzne", "1200:0,75",
                              "1350:fakt", "1550:5", "1720:Schemat kotła."}));
        // A long caption wraps in its column (690 pixels).
        QCOMPARE(linia(wszystkie, wszystkie.znajdz(QStringLiteral("plaza.jpg"))).last(),
                 QStringLiteral("1720:Plaża w zatoce, w której dzieci mogą bezpiecznie brodzić przy samym"));
        QCOMPARE(wszystkie.znajdz(QStringLiteral("brzegu."))->x, 1720);
        QCOMPARE(linia(wszystkie, wszystkie.znajdz(QStringLiteral("film.avi"))),
                 (QStringList{"150:2", "300:film.avi", "800:film", "1200:0,5625", "1350:regula", "1550:7",
                              "1720:brak podpisu"}));
        for (const QString &plik : {QStringLiteral("plaza.jpg"), QStringLiteral("inny.bmp")})
            QVERIFY(wszystkie.znajdz(plik));

        PlotnoNagrywajace systemu(2480, 3508);
        QVERIFY(drukujPlikiMult(f.b, 1, systemu, false, Dzien));
        QVERIFY(systemu.znajdz(QStringLiteral("TABELA PLIKÓW MULTIMEDIALNYCH SYSTEMU EKSPERCKIEGO (BAZY WIEDZY)")));
        QVERIFY(systemu.teksty().contains(QStringLiteral("Kod systemu eksperckiego (bazy wiedzy):  1")));
        QVERIFY(systemu.znajdz(QStringLiteral("kociol.bmp")));
        QVERIFY(systemu.znajdz(QStringLiteral("film.avi")));
        // A file of another system's fact, and one of a rule code that is a fact of this system.
        QVERIFY(!systemu.znajdz(QStringLiteral("plaza.jpg")));
        QVERIFY(!systemu.znajdz(QStringLiteral("inny.bmp")));
    }

    void pustaTabela_data()
    {
        QTest::addColumn<int>("rodzaj");
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("constants") << int(RodzajWydruku::Stale) << 3
                                   << QStringLiteral("Tabela stałych wskazanego systemu eksperckiego pusta. Druk tabeli "
                                                     "nie zostanie zrealizowany.");
        QTest::newRow("trajectory") << int(RodzajWydruku::Trajektoria) << 3
                                    << QStringLiteral("Tabela trajektorii wnioskowania wskazanego systemu eksperckiego "
                                                      "pusta. Druk tabeli nie zostanie zrealizowany.");
        QTest::newRow("multimedia of a system")
            << int(RodzajWydruku::PlikiMult) << 3
            << QStringLiteral("Tabela plików multimedialnych nie zawiera plików ilustrujących fakty i reguły wskazanego "
                              "systemu eksperckiego. Druk tabeli nie zostanie zrealizowany.");
        QTest::newRow("constants present") << int(RodzajWydruku::Stale) << 2 << QString();
        QTest::newRow("trajectory present") << int(RodzajWydruku::Trajektoria) << 2 << QString();
        QTest::newRow("multimedia present") << int(RodzajWydruku::PlikiMult) << 0 << QString();
    }
    void pustaTabela()
    {
        QFETCH(int, rodzaj);
        QFETCH(int, system);
        QFETCH(QString, komunikat);
        Folder f;
        f.b.synchronizuj();
        QCOMPARE(brakRekordowDoWydruku(f.b, RodzajWydruku(rodzaj), system).value_or(QString()), komunikat);
    }

    void pustaTabelaPlikow()
    {
        FolderRoboczy folder;
        Baza b;
        QVERIFY(b.otworz(folder.sciezka()));
        zalozWszystkieTabele(b);
        QCOMPARE(brakRekordowDoWydruku(b, RodzajWydruku::PlikiMult).value_or(QString()),
                 QStringLiteral("Tabela plików multimedialnych pusta. Druk tabeli nie zostanie zrealizowany."));
    }

    // tremida-cli print writes each printout to PDF; its text as pdftotext reads it.
    void pdf_data()
    {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<QString>("koniec");
        QTest::addColumn<QStringList>("teksty");
        QTest::newRow("constants")
            << QStringList{QStringLiteral("constants"), QStringLiteral("1")}
            << QStringLiteral("Transfer tabeli stałych do drukarki zakończony. Czekaj na wydruk.")
            << QStringList{QStringLiteral("TABELA STAŁYCH SYSTEMU EKSPERCKIEGO (BAZY WIEDZY)"),
                           QStringLiteral("temperatura maksymalna"), QStringLiteral("Najwyższa temperatura.")};
        QTest::newRow("trajectory, landscape")
            << QStringList{QStringLiteral("trajectory"), QStringLiteral("1"), QStringLiteral("--landscape")}
            << QStringLiteral("Transfer tabeli trajektorii wnioskowania do drukarki zakończony. Czekaj na wydruk.")
            << QStringList{QStringLiteral("TABELA TRAJEKTORII WNIOSKOWANIA SYSTEMU EKSPERCKIEGO (BAZY WIEDZY)"),
                           QStringLiteral("Reguła została \"odpalona\" w danym kroku trajektorii wnioskowania")};
        QTest::newRow("all multimedia files")
            << QStringList{QStringLiteral("multimedia")}
            << QStringLiteral("Transfer tabeli plików multimedialnych do drukarki zakończony. Czekaj na wydruk.")
            << QStringList{QStringLiteral("TABELA PLIKÓW MULTIMEDIALNYCH"), QStringLiteral("Plaża w zatoce")};
        QTest::newRow("multimedia files of a system")
            << QStringList{QStringLiteral("multimedia"), QStringLiteral("1")}
            << QStringLiteral("Transfer tabeli plików multimedialnych do drukarki zakończony. Czekaj na wydruk.")
            << QStringList{QStringLiteral("TABELA PLIKÓW MULTIMEDIALNYCH SYSTEMU EKSPERCKIEGO (BAZY WIEDZY)"),
                           QStringLiteral("Schemat kotła.")};
    }
    void pdf()
    {
        QFETCH(QStringList, argumenty);
        QFETCH(QString, koniec);
        QFETCH(QStringList, teksty);
        Folder f;
        const QString plik = f.folder.plik(QStringLiteral("w.pdf"));
        const WynikCli w = uruchomCli(f.folder.sciezka(), QStringList{QStringLiteral("print")} + argumenty +
                                                              QStringList{QStringLiteral("--pdf"), plik});
        QCOMPARE(w.kod, 0);
        QCOMPARE(w.out, QStringLiteral("Przygotuj i włącz drukarkę. Włóż do drukarki papier formatu A4.\n") + koniec +
                            u'\n');
        const QString tekst = pdfNaTekst(plik);
        if (tekst.isEmpty())
            QSKIP("pdftotext is not installed");
        for (const QString &t : teksty)
            QVERIFY2(tekst.contains(t), qPrintable(t));
    }

    void pdfOdmowa_data()
    {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("constants without a system") << QStringList{QStringLiteral("constants")} << 2 << QString();
        QTest::newRow("systems with a system") << QStringList{QStringLiteral("systems"), QStringLiteral("1")} << 2 << QString();
        QTest::newRow("unknown table") << QStringList{QStringLiteral("values"), QStringLiteral("1")} << 2 << QString();
        QTest::newRow("no such system") << QStringList{QStringLiteral("trajectory"), QStringLiteral("9")} << 1
                                        << QStringLiteral("System ekspercki o kodzie 9 nie istnieje.\n");
        QTest::newRow("empty trajectory")
            << QStringList{QStringLiteral("trajectory"), QStringLiteral("3")} << 1
            << QStringLiteral("Tabela trajektorii wnioskowania wskazanego systemu eksperckiego pusta. Druk tabeli nie "
                              "zostanie zrealizowany.\n");
    }
    void pdfOdmowa()
    {
        QFETCH(QStringList, argumenty);
        QFETCH(int, kod);
        QFETCH(QString, komunikat);
        Folder f;
        f.b.synchronizuj();
        importuj(f.b, QStringLiteral(R"({"systemyeksperckie": [{"IdSyst": 3, "NazSyst": "Pusty"}]})"));
        const QString plik = f.folder.plik(QStringLiteral("w.pdf"));
        const WynikCli w = uruchomCli(f.folder.sciezka(), QStringList{QStringLiteral("print")} + argumenty +
                                                              QStringList{QStringLiteral("--pdf"), plik});
        QCOMPARE(w.kod, kod);
        if (!komunikat.isEmpty())
            QCOMPARE(w.out, komunikat);
        QVERIFY(!QFile::exists(plik));
    }
};

QTEST_GUILESS_MAIN(TstWydrukiTabel)
#include "tst_wydruki_tabel.moc"

// tremida-cli infer and trajectory on a small knowledge base.

#include "Pomocnicze.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace tremida;
using namespace tremida::test;

namespace {

// Each output line as a JSON object, compact.
QStringList zdarzenia(const QString &out)
{
    QStringList w;
    for (const QString &linia : out.split(u'\n', Qt::SkipEmptyParts))
        w << QString::fromUtf8(QJsonDocument::fromJson(linia.toUtf8()).toJson(QJsonDocument::Compact));
    return w;
}

QString zdarzenieKomunikatu(const QString &tekst)
{
    return QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("event"), QStringLiteral("message")},
                                                       {QStringLiteral("text"), tekst}})
                                 .toJson(QJsonDocument::Compact));
}

struct Folder {
    FolderRoboczy folder;
    Folder()
    {
        Baza baza;
        baza.otworz(folder.sciezka());
        zalozWszystkieTabele(baza);
        importuj(baza, QStringLiteral("wnios_kociol.json"));
    }
};

// The answers file and further arguments of a forward run: its exit code and conclusions.
struct PrzebiegZOdpowiedziami {
    QByteArray odpowiedzi;
    QStringList dodatkoweArgumenty;
    int kod;
    QStringList konkluzje;
};

} // namespace

Q_DECLARE_METATYPE(PrzebiegZOdpowiedziami)

class TstWniosCli : public QObject {
    Q_OBJECT
private slots:
    void inferJsonZOdpowiedziami_data()
    {
        QTest::addColumn<PrzebiegZOdpowiedziami>("p");
        QTest::newRow("both facts answered") << PrzebiegZOdpowiedziami{
            .odpowiedzi = QByteArray("# komentarz\n1\t600\t0,9\n2\tczerwony\t0,8\n"), .dodatkoweArgumenty = {},
            .kod = 0,
            .konkluzje = {QStringLiteral("1 0.81 0.81 posredni"), QStringLiteral("2 0.64 0.81 posredni"),
                          QStringLiteral("3 0.64 0.64 koncowy")}};
        QTest::newRow("rejected answer is no value") << PrzebiegZOdpowiedziami{
            .odpowiedzi = QByteArray("1\tgorąco\t1\n2\t???\n"), .dodatkoweArgumenty = {}, .kod = 0, .konkluzje = {}};
        QTest::newRow("closed at the first display") << PrzebiegZOdpowiedziami{.odpowiedzi = QByteArray("1\t600\t1\n"),
            .dodatkoweArgumenty = {QStringLiteral("--close-after"), QStringLiteral("1")}, .kod = 0,
            .konkluzje = {QStringLiteral("1 0.9 0.9 posredni")}};
        QTest::newRow("algebraic aggregation by --set") << PrzebiegZOdpowiedziami{
            .odpowiedzi = QByteArray("1\t600\t0,9\n2\tczerwony\t0,8\n"),
            .dodatkoweArgumenty = {QStringLiteral("--set"), QStringLiteral("SNormaKonkl=algebraiczna")}, .kod = 0,
            .konkluzje = {QStringLiteral("1 0.81 0.81 posredni"), QStringLiteral("2 0.64 0.9316 posredni"),
                          QStringLiteral("3 0.64 0.64 koncowy")}};
    }

    void inferJsonZOdpowiedziami()
    {
        QFETCH(PrzebiegZOdpowiedziami, p);
        Folder f;
        f.folder.zapisz(QStringLiteral("odp.txt"), p.odpowiedzi);
        const WynikCli w = uruchomCli(f.folder.sciezka(),
                                      QStringList({QStringLiteral("infer"), QStringLiteral("1"),
                                                   QStringLiteral("--method"), QStringLiteral("forward"),
                                                   QStringLiteral("--json"), QStringLiteral("--no-verify"),
                                                   QStringLiteral("--answers"),
                                                   f.folder.plik(QStringLiteral("odp.txt"))}) +
                                          p.dodatkoweArgumenty);
        QVERIFY2(w.kod == p.kod, qPrintable(w.err));
        const QStringList z = zdarzenia(w.out);
        QVERIFY(z.size() > 3);
        QCOMPARE(z.first(), zdarzenieKomunikatu(QStringLiteral(
                                "System ekspercki (baza wiedzy) do procesu wnioskowania został wybrany. Celem "
                                "kontynuacji procesu wnioskowania, jeśli masz zorganizowany i zapisany na dysk plik "
                                "tekstowy wartości faktów wprowadzanych, to wybierz teraz opcję menu głównego "
                                "Wnioskowanie-Wczytanie z pliku wartości faktów wprowadzanych. Jeśli natomiast taki "
                                "plik nie istnieje, to wybierz od razu opcję menu głównego Wnioskowanie-Weryfikacja "
                                "bazy wiedzy.")));
        QCOMPARE(z.at(2), QStringLiteral("{\"event\":\"message\",\"text\":\"Stwierdzono, że fakt wprowadzany "
                                         "rzeczywisty o kodzie 1 nie ma przypisanej wartości.\\n\\rZostanie "
                                         "zwizualizowany formularz, na którym powinieneś przypisać faktowi wartość "
                                         "oraz CF.\\n\\rJeśli wyjdziesz z formularza bez przypisania wartości, to "
                                         "proces wnioskowania będzie\\n\\rwprawdzie kontynuowany, jednak reguły "
                                         "mające ten fakt w polu przesłankowym mogą nie\\n\\rzostać \\\"odpalone\\\".\"}"));
        QCOMPARE(z.at(3), QStringLiteral("{\"event\":\"ask\",\"fact\":1}"));
        QCOMPARE(z.last(), QStringLiteral("{\"event\":\"end\"}"));
        QStringList pokazane;
        for (const QString &linia : z) {
            const QJsonObject o = QJsonDocument::fromJson(linia.toUtf8()).object();
            if (o.value(QStringLiteral("event")).toString() == u"conclusion")
                pokazane << QStringLiteral("%1 %2 %3 %4")
                                .arg(o.value(QStringLiteral("rule")).toInt())
                                .arg(o.value(QStringLiteral("cf")).toDouble())
                                .arg(o.value(QStringLiteral("aggregatedCf")).toDouble())
                                .arg(o.value(QStringLiteral("factKind")).toString());
        }
        QCOMPARE(pokazane, p.konkluzje);
    }

    void bledyUzycia_data()
    {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<int>("kod");
        QTest::newRow("no method") << QStringList({QStringLiteral("infer"), QStringLiteral("1")}) << 2;
        QTest::newRow("bad parameter value")
            << QStringList({QStringLiteral("infer"), QStringLiteral("1"), QStringLiteral("--method"),
                            QStringLiteral("forward"), QStringLiteral("--set"), QStringLiteral("ProgCF=abc")})
            << 2;
        QTest::newRow("facts file not yet available")
            << QStringList({QStringLiteral("infer"), QStringLiteral("1"), QStringLiteral("--method"),
                            QStringLiteral("forward"), QStringLiteral("--facts"), QStringLiteral("f.txt")})
            << 1;
        QTest::newRow("no such system") << QStringList({QStringLiteral("infer"), QStringLiteral("9"),
                                                        QStringLiteral("--method"), QStringLiteral("forward")})
                                        << 1;
    }

    void bledyUzycia()
    {
        QFETCH(QStringList, argumenty);
        QFETCH(int, kod);
        Folder f;
        QCOMPARE(uruchomCli(f.folder.sciezka(), argumenty).kod, kod);
    }

    void trajektoria()
    {
        Folder f;
        f.folder.zapisz(QStringLiteral("odp.txt"), "1\t600\t1\n");
        QCOMPARE(uruchomCli(f.folder.sciezka(), {QStringLiteral("infer"), QStringLiteral("1"),
                                                 QStringLiteral("--method"), QStringLiteral("forward"),
                                                 QStringLiteral("--close-after"), QStringLiteral("1"),
                                                 QStringLiteral("--answers"), f.folder.plik(QStringLiteral("odp.txt"))})
                     .kod,
                 0);
        const WynikCli w = uruchomCli(f.folder.sciezka(), {QStringLiteral("trajectory"), QStringLiteral("1")});
        QCOMPARE(w.kod, 0);
        const QStringList linie = w.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(linie.size(), 3);
        QVERIFY(linie[0].startsWith(QStringLiteral("Kod kroku trajektorii wnioskowania\tKod systemu\tKod reguły "
                                                   "analizowanej w danym kroku\t")));
        QVERIFY(linie[2].startsWith(QStringLiteral("59\t1\t1\t1\t1\tw przod\ttak\t0,9\tReguła została \"odpalona\"")));
    }
};

QTEST_GUILESS_MAIN(TstWniosCli)
#include "tst_wnios_cli.moc"

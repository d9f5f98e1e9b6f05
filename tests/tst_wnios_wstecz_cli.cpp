// tremida-cli infer --method backward / mixed with falsification, in JSON mode.

#include "Pomocnicze.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace tremida;
using namespace tremida::test;

namespace {

// The events of a JSON run as "message: <text>", "conclusion <rule>",
// "falsification <candidate>|..." and "end".
QStringList zdarzenia(const QString &out)
{
    QStringList w;
    for (const QString &linia : out.split(u'\n', Qt::SkipEmptyParts)) {
        const QJsonObject o = QJsonDocument::fromJson(linia.toUtf8()).object();
        const QString e = o.value(QStringLiteral("event")).toString();
        if (e == u"message")
            w << QStringLiteral("message: ") + o.value(QStringLiteral("text")).toString();
        else if (e == u"conclusion")
            w << QStringLiteral("conclusion %1").arg(o.value(QStringLiteral("rule")).toInt());
        else if (e == u"falsification") {
            QStringList k;
            for (const QJsonValue &v : o.value(QStringLiteral("candidates")).toArray())
                k << v.toString();
            w << QStringLiteral("falsification ") + k.join(u'|');
        } else
            w << e;
    }
    return w;
}

} // namespace

class TstWniosWsteczCli : public QObject {
    Q_OBJECT
private slots:
    void infer_data()
    {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QStringList>("oczekiwane");
        const QString wybrano = QStringLiteral("message: System ekspercki (baza wiedzy) do procesu wn");
        const QString udowodniona = QStringLiteral("message: Hipoteza główna została udowodniona na ");
        const QString fals = QStringLiteral("message:    Hipotezy głównej nie udało się udowod");
        const QString falsUdowodniona = QStringLiteral("message:    Hipoteza falsyfikująca z pozycji nr");
        QTest::newRow("wstecz udowodniona")
            << QStringList{QStringLiteral("--method"), QStringLiteral("backward"), QStringLiteral("--hypothesis"),
                           QStringLiteral("[H]=[h]")}
            << 0
            << QStringList{wybrano, udowodniona, QStringLiteral("conclusion 1"),
                           QStringLiteral("message:    Hipoteza główna została udowodniona ze"), QStringLiteral("end")};
        QTest::newRow("falsyfikacja wybranej konkluzji")
            << QStringList{QStringLiteral("--method"), QStringLiteral("backward"), QStringLiteral("--hypothesis"),
                           QStringLiteral("[H]=[G]"), QStringLiteral("--falsify"), QStringLiteral("[H] = [h]")}
            << 0
            << QStringList{wybrano, fals, QStringLiteral("falsification [H]=[h]|[H]=[g]|[H] = [h]"),
                           QStringLiteral("message:    Żadnej z reguł z zaznaczoną (-ymi) prz"), QStringLiteral("end")};
        QTest::newRow("falsyfikacja wszystkich")
            << QStringList{QStringLiteral("--method"), QStringLiteral("backward"), QStringLiteral("--hypothesis"),
                           QStringLiteral("[H]=[G]"), QStringLiteral("--falsify-all")}
            << 0
            << QStringList{wybrano, fals, QStringLiteral("falsification [H]=[h]|[H]=[g]|[H] = [h]"),
                           falsUdowodniona, QStringLiteral("conclusion 1"),
                           QStringLiteral("message: Kod reguły: 4. Stwierdzono, że w poprzedniej iteracji"),
                           falsUdowodniona,
                           QStringLiteral("conclusion 4"), QStringLiteral("message:    Hipoteza główna została sfalsyfikowa"),
                           QStringLiteral("end")};
        QTest::newRow("formularz falsyfikacji porzucony")
            << QStringList{QStringLiteral("--method"), QStringLiteral("backward"), QStringLiteral("--hypothesis"),
                           QStringLiteral("[H]=[G]")}
            << 0
            << QStringList{wybrano, fals, QStringLiteral("falsification [H]=[h]|[H]=[g]|[H] = [h]"),
                           QStringLiteral("end")};
        QTest::newRow("mieszane")
            << QStringList{QStringLiteral("--method"), QStringLiteral("mixed"), QStringLiteral("--hypothesis"),
                           QStringLiteral("[D]=[d]")}
            << 0
            << QStringList{wybrano, QStringLiteral("message: Hipoteza główna została udowodniona na "),
                           QStringLiteral("conclusion 6"),
                           QStringLiteral("message: W fazie wnioskowania w przód procesu wn"), QStringLiteral("end")};
    }

    void infer()
    {
        QFETCH(QStringList, argumenty);
        QFETCH(int, kod);
        QFETCH(QStringList, oczekiwane);
        FolderRoboczy folder;
        {
            Baza baza;
            baza.otworz(folder.sciezka());
            zalozWszystkieTabele(baza);
            importuj(baza, QStringLiteral("wnios_wstecz.json"));
        }
        const WynikCli w =
            uruchomCli(folder.sciezka(), QStringList{QStringLiteral("infer"), QStringLiteral("1"),
                                                     QStringLiteral("--json"), QStringLiteral("--no-verify")} + argumenty);
        QCOMPARE(w.kod, kod);
        // Messages are compared by their beginnings.
        const QStringList z = zdarzenia(w.out);
        QCOMPARE(z.size(), oczekiwane.size());
        for (qsizetype i = 0; i < z.size(); ++i)
            QVERIFY2(z[i].startsWith(oczekiwane[i]), qPrintable(z[i]));
    }

    void bledyUzycia_data()
    {
        QTest::addColumn<QStringList>("argumenty");
        QTest::newRow("wstecz bez hipotezy") << QStringList{QStringLiteral("--method"), QStringLiteral("backward")};
        QTest::newRow("mieszane bez hipotezy") << QStringList{QStringLiteral("--method"), QStringLiteral("mixed")};
        QTest::newRow("nieznana metoda") << QStringList{QStringLiteral("--method"), QStringLiteral("sideways")};
    }

    void bledyUzycia()
    {
        QFETCH(QStringList, argumenty);
        FolderRoboczy folder;
        const WynikCli w = uruchomCli(folder.sciezka(), QStringList{QStringLiteral("infer"), QStringLiteral("1"), QStringLiteral("--no-verify")} + argumenty);
        QCOMPARE(w.kod, 2);
    }
};

QTEST_GUILESS_MAIN(TstWniosWsteczCli)
#include "tst_wnios_wstecz_cli.moc"

// tremida-cli infer --method backward / mixed with falsification, in JSON mode.

#include "Pomocnicze.h"
#include "TekstyWstecz.h"

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
        const QString wybrano = QStringLiteral(
            "message: System ekspercki (baza wiedzy) do procesu wnioskowania został wybrany. Celem kontynuacji "
            "procesu wnioskowania, jeśli masz zorganizowany i zapisany na dysk plik tekstowy wartości faktów "
            "wprowadzanych, to wybierz teraz opcję menu głównego Wnioskowanie-Wczytanie z pliku wartości faktów "
            "wprowadzanych. Jeśli natomiast taki plik nie istnieje, to wybierz od razu opcję menu głównego "
            "Wnioskowanie-Weryfikacja bazy wiedzy.");
        const QString fals = QStringLiteral(
            "message:    Hipotezy głównej nie udało się udowodnić, biorąc pod uwagę aktualny stan bazy wiedzy. Nie musi "
            "to jednak jeszcze oznaczać, że hipoteza główna jest fałszywa.\n\r   System poczyni teraz próbę "
            "sfalsyfikowania hipotezy głównej.\n\r   Hipoteza główna zostanie sfalsyfikowana wówczas, gdy system "
            "udowodni hipotezę pomocniczą negującą hipotezę główną. Przykładowo: jeśli hipotezą główną była "
            "konkluzja [stan uszkodzenia] = [początkowy], to udowadniając hipotezę [stan uszkodzenia] = "
            "[zaawansowany] falsyfikujesz hipotezę główną.\n\r   Musisz jednak sam wskazać systemowi konkluzję "
            "falsyfikującą.  System potrafi zaproponować potencjalne konkluzje falsyfikujące, ale tylko takie, które "
            "zawierają fakt ten sam jak w hipotezie głównej.\n\r   W Twojej bazie wiedzy, w tym momencie, jest "
            "więcej niż jedna taka konkluzja. System zwizualizuje teraz te konkluzje. Zadekretuj przez zaznaczenie "
            "(lewym klawiszem myszy przy wciśniętm klawiszu lewy Ctrl) te konkluzje z listy, które uznasz za "
            "konkluzje falsyfikujące hipotezę główną. Jeśli zaznaczysz co najmniej jedną konkluzję, proces "
            "wnioskowania będzie kontynuowany.\n\r   Konkluzja falsyfikująca nie musi obligatoryjnie zawierać "
            "faktu tego samego jak w hipotezie głównej. Przykładowo: jeśli w systemie diagnostyki medycznej "
            "hipotezą główną była konkluzja [choroba pacjenta] = [gruźlica], to wykazując hipotezę [stan "
            "pacjenta] = [zdrowy] falsyfikujesz hipotezę główną. Tego rodzaju konkluzje falsyfikujące, jeśli "
            "istnieją, musisz jednak wyszukać sam, a następnie starać się je wykazać uruchamiając nowe, niezależne "
            "procesy wnioskowania wstecz lub wnioskowania mieszanego.");
        const QString kandydaci = QStringLiteral("falsification [H]=[h]|[H]=[g]|[H] = [h]");
        const QString sprzecznosc4 = QStringLiteral(
            "message: Kod reguły: 4. Stwierdzono, że w poprzedniej iteracji\n\rprocesu wnioskowania fakt z "
            "konkluzji reguły miał inną wartość.\n\rŚwiadczy to o istnieniu sprzeczności w bazie wiedzy.\n\r"
            "Proces wnioskowania będzie kontynuowany, jednakże wizualizowane konkluzje\n\rmogą okazać się "
            "fałszywe. Przed następnym przebiegiem procesu usuń sprzeczność.");
        const QString wiadomosc = QStringLiteral("message: ");
        QTest::newRow("wstecz udowodniona")
            << QStringList{QStringLiteral("--method"), QStringLiteral("backward"), QStringLiteral("--hypothesis"),
                           QStringLiteral("[H]=[h]")}
            << 0
            << QStringList{wybrano, wiadomosc + udowodniona(1, 1, 1), QStringLiteral("conclusion 1"),
                           QStringLiteral("message:    Hipoteza główna została udowodniona ze zagregowanym CF "
                                          "konkluzji równym 0,9.\n\r   Nastąpi zakończenie procesu wnioskowania."),
                           QStringLiteral("end")};
        QTest::newRow("falsyfikacja wybranej konkluzji")
            << QStringList{QStringLiteral("--method"), QStringLiteral("backward"), QStringLiteral("--hypothesis"),
                           QStringLiteral("[H]=[G]"), QStringLiteral("--falsify"), QStringLiteral("[H] = [h]")}
            << 0
            << QStringList{wybrano, fals, kandydaci,
                           QStringLiteral("message:    Żadnej z reguł z zaznaczoną (-ymi) przez Ciebie konkluzją "
                                          "(-ami) potencjalnie falsyfikującymi hipotezę główną nie udało się "
                                          "odpalić. Tym samym hipoteza główna nie została sfalsyfikowana.\n\r   "
                                          "Nastąpi zakończenie procesu wnioskowania."),
                           QStringLiteral("end")};
        QTest::newRow("falsyfikacja wszystkich")
            << QStringList{QStringLiteral("--method"), QStringLiteral("backward"), QStringLiteral("--hypothesis"),
                           QStringLiteral("[H]=[G]"), QStringLiteral("--falsify-all")}
            << 0
            << QStringList{wybrano, fals, kandydaci, wiadomosc + falsUdowodniona(1, 1, 1, 1),
                           QStringLiteral("conclusion 1"), sprzecznosc4, wiadomosc + falsUdowodniona(2, 1, 1, 4),
                           QStringLiteral("conclusion 4"),
                           QStringLiteral("message:    Hipoteza główna została sfalsyfikowana.\n\r   Nastąpi "
                                          "zakończenie procesu wnioskowania."),
                           QStringLiteral("end")};
        QTest::newRow("formularz falsyfikacji porzucony")
            << QStringList{QStringLiteral("--method"), QStringLiteral("backward"), QStringLiteral("--hypothesis"),
                           QStringLiteral("[H]=[G]")}
            << 0 << QStringList{wybrano, fals, kandydaci, QStringLiteral("end")};
        QTest::newRow("mieszane")
            << QStringList{QStringLiteral("--method"), QStringLiteral("mixed"), QStringLiteral("--hypothesis"),
                           QStringLiteral("[D]=[d]")}
            << 0
            << QStringList{wybrano,
                           QStringLiteral("message: Hipoteza główna została udowodniona na podstawie reguły o kodzie "
                                          "6.\n\rZostanie zwizualizowany formularz konkluzji reguły.\n\rZagregowany "
                                          "CF konkluzji będzie obliczany i wizualizowany na tym formularzu "
                                          "sukcesywnie."),
                           QStringLiteral("conclusion 6"),
                           QStringLiteral("message: W fazie wnioskowania w przód procesu wnioskowania mieszanego "
                                          "nastąpiło wykazanie hipotezy głównej. Proces wnioskowania mieszanego "
                                          "zostanie zakończony."),
                           QStringLiteral("end")};
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
        QCOMPARE(zdarzenia(w.out), oczekiwane);
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

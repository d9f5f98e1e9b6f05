// The list of tremida-cli commands.

#include "Cli.h"

namespace tremida::cli {

int polecenieCreateTables(Kontekst &, const QStringList &);
int polecenieFreeKey(Kontekst &, const QStringList &);
int polecenieImport(Kontekst &, const QStringList &);
int polecenieExport(Kontekst &, const QStringList &);
int polecenieDruk(Kontekst &, const QStringList &);
int polecenieInfer(Kontekst &, const QStringList &);
int polecenieSimulate(Kontekst &, const QStringList &);
int polecenieTest(Kontekst &, const QStringList &);
int polecenieTrajectory(Kontekst &, const QStringList &);
int polecenieCheckRule(Kontekst &, const QStringList &);
int polecenieVerify(Kontekst &, const QStringList &);
int polecenieCheckDb(Kontekst &, const QStringList &);
int polecenieReadFacts(Kontekst &, const QStringList &);
int polecenieWriteFacts(Kontekst &, const QStringList &);
int polecenieManual(Kontekst &, const QStringList &);
int polecenieExplain(Kontekst &, const QStringList &);
int polecenieWhyNot(Kontekst &, const QStringList &);
int polecenieRuleCard(Kontekst &, const QStringList &);
int polecenieReport(Kontekst &, const QStringList &);

const std::vector<PolecenieCli> &polecenia()
{
    static const std::vector<PolecenieCli> lista = {
        {QStringLiteral("create-tables"), QStringLiteral("create-tables [TABELA...] [--overwrite]"),
         QStringLiteral("zakłada tabele (domyślnie wszystkie siedem); istniejącego pliku nie zmienia bez --overwrite"),
         polecenieCreateTables},
        {QStringLiteral("import"), QStringLiteral("import PLIK.json"),
         QStringLiteral("dopisuje rekordy z pliku JSON do tabel, wszystkie albo żaden"), polecenieImport},
        {QStringLiteral("export"), QStringLiteral("export [--system N]"),
         QStringLiteral("wypisuje rekordy wszystkich tabel (albo systemu N) jako JSON"), polecenieExport},
        {QStringLiteral("free-key"), QStringLiteral("free-key TABELA"),
         QStringLiteral("wypisuje najmniejszy wolny kod tabeli"), polecenieFreeKey},
        {QStringLiteral("print"),
         QStringLiteral("print systems|facts SYSTEM|rules SYSTEM|constants SYSTEM|trajectory SYSTEM|multimedia [SYSTEM] "
                        "--pdf PLIK [--landscape]"),
         QStringLiteral("drukuje tabelę systemów, faktów, reguł, stałych albo trajektorii systemu albo tabelę plików "
                        "multimedialnych (wszystkich albo systemu) do pliku PDF (A4, domyślnie pionowo)"),
         polecenieDruk},
        {QStringLiteral("infer"),
         QStringLiteral("infer SYSTEM --method forward|backward|mixed [--hypothesis TEKST] [--falsify TEKST]... "
                        "[--falsify-all] [--facts PLIK] [--no-verify] [--answers PLIK] [--close-after N] "
                        "[--set PARAMETR=WARTOŚĆ]... [--json]"),
         QStringLiteral("wnioskowanie w przód, wstecz (z falsyfikacją hipotezy głównej) albo mieszane w systemie "
                        "SYSTEM; wartości faktów wprowadzanych z pliku odpowiedzi (IdFakt<TAB>wartość<TAB>CF) albo z "
                        "terminala"),
         polecenieInfer},
        {QStringLiteral("simulate"),
         QStringLiteral("simulate SYSTEM --method forward|backward|mixed [--hypothesis TEKST] [--answers PLIK] "
                        "[--facts PLIK] [--change IDFAKT=WARTOŚĆ[:CF]]... [--case NAZWA:IDFAKT=WARTOŚĆ[:CF],...]... "
                        "[--set PARAMETR=WARTOŚĆ]... [--json]"),
         QStringLiteral("symulacja: wnioskowanie na kopii roboczej tabel bez zmian i ze zmienionymi wartościami "
                        "faktów wprowadzanych; konkluzje, które się pojawiają, znikają i zmieniają CF (tabele "
                        "pozostają nietknięte)"),
         polecenieSimulate},
        {QStringLiteral("test"), QStringLiteral("test PLIK [--junit RAPORT.xml] [--json] [--record]"),
         QStringLiteral("przypadki testowe bazy wiedzy z pliku JSON na kopii roboczej tabel: wiersz OK albo BŁĄD na "
                        "przypadek, podsumowanie, raport JUnit; --record zapisuje bieżące wyniki jako oczekiwane"),
         polecenieTest},
        {QStringLiteral("trajectory"), QStringLiteral("trajectory SYSTEM [--json]"),
         QStringLiteral("wypisuje kroki trajektorii wnioskowania systemu SYSTEM"), polecenieTrajectory},
        {QStringLiteral("check-rule"), QStringLiteral("check-rule [--json] ID"),
         QStringLiteral("kontrola składni zapisanej reguły ID (komunikaty po kolei)"), polecenieCheckRule},
        {QStringLiteral("verify"), QStringLiteral("verify SYSTEM [--full|--short] [--json]"),
         QStringLiteral("weryfikacja bazy wiedzy przed wnioskowaniem; kod 0, gdy wnioskowanie jest możliwe"), polecenieVerify},
        {QStringLiteral("check-db"), QStringLiteral("check-db [--errors-file PLIK]"),
         QStringLiteral("kontrola spójności całej bazy; kod 0, gdy nie stwierdzono błędów"), polecenieCheckDb},
        {QStringLiteral("read-facts"), QStringLiteral("read-facts SYSTEM PLIK [--json]"),
         QStringLiteral("wczytanie wartości faktów wprowadzanych systemu SYSTEM z pliku tekstowego"), polecenieReadFacts},
        {QStringLiteral("explain"), QStringLiteral("explain SYSTEM [--conclusion TEKST] [--json]"),
         QStringLiteral("drzewo \"odpalonych\" reguł dojścia do konkluzji ostatniego przebiegu wnioskowania systemu "
                        "(wszystkich albo jednej)"),
         polecenieExplain},
        {QStringLiteral("why-not"), QStringLiteral("why-not SYSTEM TEKST [--json]"),
         QStringLiteral("dlaczego ostatni przebieg wnioskowania systemu nie doszedł do konkluzji TEKST"), polecenieWhyNot},
        {QStringLiteral("rule-card"), QStringLiteral("rule-card ID [--json]"),
         QStringLiteral("karta reguły ID: teksty, kontrola składni, struktura pola przesłankowego, fakty i stałe"),
         polecenieRuleCard},
        {QStringLiteral("report"), QStringLiteral("report SYSTEM --pdf PLIK [--landscape]"),
         QStringLiteral("raport z konsultacji (ostatniego przebiegu wnioskowania systemu) do pliku PDF"), polecenieReport},
        {QStringLiteral("write-facts"), QStringLiteral("write-facts SYSTEM PLIK"),
         QStringLiteral("zapis wartości faktów wprowadzanych systemu SYSTEM do pliku tekstowego czytanego przez "
                        "read-facts"),
         polecenieWriteFacts},
        {QStringLiteral("manual"), QStringLiteral("manual [STRONA | --find TEKST]"),
         QStringLiteral("wypisuje spis treści instrukcji, tekst jej strony (np. 11.5) albo strony zawierające tekst"),
         polecenieManual},
    };
    return lista;
}

} // namespace tremida::cli

#pragma once
// Test cases of a knowledge base: a JSON file of cases for one system - each an inference run
// (method, hypothesis, answers or an input-fact file, configuration changes, falsification)
// and what must come out of it (the conclusions shown with their CFs, messages that must or
// must not appear, the final message, the main hypothesis proven or not, facts' values after
// the run). Every case runs on a fresh scratch copy of the tables, so the real tables are only
// read. The outcomes can be written back into the file as the expectations.

#include "PrzebiegProbny.h"

#include <QJsonValue>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <optional>

namespace tremida {

// A conclusion that must be shown: its text, and optionally the rule that shows it and its CFs.
struct TOczekiwanaKonkluzja {
    QString konkluzja;
    std::optional<int> regula;
    std::optional<double> cf;
    std::optional<double> cfZagreg;
};

// A fact's value after the run. The fact is named by its code or by its name. A real, integer
// or logical fact has a value (and optionally its CF); an enumerated fact the values marked
// "tak" with their CFs, exactly.
struct TOczekiwanyFakt {
    int idFakt = 0;  // 0 when named
    QString nazwa;   // when named
    std::optional<QString> wartosc;
    std::optional<double> cf;
    std::optional<QList<QPair<QString, double>>> wartosci;
};

struct TOczekiwania {
    std::optional<QList<TOczekiwanaKonkluzja>> konkluzje; // none: not checked
    bool wKolejnosci = true;                              // "order": "sequence" (default) or "set"
    QStringList komunikaty;                               // each contained in some message
    QStringList bezKomunikatow;                           // contained in no message
    std::optional<QString> komunikatKoncowy;              // the last message, exactly
    std::optional<bool> udowodniona;
    std::optional<bool> zakonczony; // the run ended without an error message
    QList<TOczekiwanyFakt> fakty;
};

// A scripted answer written in the test file itself; its CF as written (a number or a text).
struct TOdpowiedzWPliku {
    int idFakt = 0;
    QString wartosc;
    QJsonValue cf;
};

struct TPrzypadekTestowy {
    QString nazwa;
    QString opis;
    QString metoda; // "forward", "backward", "mixed"
    QString hipoteza;
    std::optional<QString> plikOdpowiedzi;                  // "answers" as a file name
    std::optional<QList<TOdpowiedzWPliku>> odpowiedzi;      // "answers" as a list
    QString plikFaktow;                                     // "facts"
    QStringList ustawienia;                                 // "set": PARAMETER=VALUE
    QStringList falsyfikujace;                              // "falsify"
    bool falsyfikujWszystkie = false;                       // "falsifyAll"
    int zamknijPo = 0;                                      // "closeAfter"
    bool weryfikacja = true;                                // "verify"
    TOczekiwania oczekiwane;                                // "expect"
};

struct TPlikTestow {
    int system = 0;
    double tolerancja = 0.005;
    QString opis;
    QList<TPrzypadekTestowy> przypadki;
    QString folder; // the folder of the file: relative file names are read from there
};

// Reads and checks a test file: valid JSON of the documented form (unknown keys are refused,
// so that a misspelt expectation is never silently skipped), unique case names, a known method,
// a hypothesis for backward and mixed inference, configuration changes the configuration
// accepts. False with *blad naming the file, the case and the key.
bool wczytajPlikTestow(const QString &sciezka, TPlikTestow &plik, QString *blad);

// The test file as JSON text, keys in the documented order, ready to be written.
QByteArray tekstPlikuTestow(const TPlikTestow &plik);

struct TWynikPrzypadku {
    QString nazwa;
    bool wykonany = false; // false: the case could not be run (`blad` says why)
    QString blad;
    QStringList roznice;   // what differs from the expectations, one sentence each
    double czas = 0.0;     // seconds
    TWynikProby proba;
    QList<TOczekiwanyFakt> fakty; // the expected facts as they are after the run
    bool zgodny() const { return wykonany && roznice.isEmpty(); }
};

// Runs one case on a fresh copy from `kopia`, with `konfig` changed by the case's "set", and
// compares the outcome with the expectations.
TWynikPrzypadku uruchomPrzypadek(const TKopiaRobocza &kopia, const TParKonfig &konfig, const TPlikTestow &plik,
                                 const TPrzypadekTestowy &przypadek);

// Makes the outcome of a case its expectations: the run's end, the main hypothesis (when the
// case has one), every conclusion shown with its rule and CFs, the final message, and the
// values of the facts the case lists; messages that must or must not appear stay as written.
void zapiszJakoOczekiwane(TPrzypadekTestowy &przypadek, const TWynikPrzypadku &wynik);

// The report of the cases in the JUnit XML form read by build servers: one test suite named
// `nazwa`, one test case per case with its time, a failure with the differences (and the run's
// messages) or an error when it could not be run.
QByteArray raportJUnit(const QString &nazwa, int system, const QList<TWynikPrzypadku> &wyniki);

// A message of the run written on one line, its line breaks as the characters \n\r.
QString komunikatWJednejLinii(const QString &tekst);

} // namespace tremida

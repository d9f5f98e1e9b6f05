#pragma once
// The consistency check of the whole database ("Kontrola spójności bazy"): every knowledge
// base, in table order, passes the checks of the full verification and of the rule syntax,
// but no finding stops the run. Each finding becomes a numbered line "• Błąd nr. N. Kod
// systemu: S. text" of the memo and, when asked, of the error file; a summary ends the run.
// Missing values are reset on the way, and each reset is listed as an error.

#include "app/ParKonfig.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

namespace tremida {

class Baza;

inline const QString TytulKontrSpojn = QStringLiteral("BŁĘDY SPÓJNOŚCI BAZY DANYCH SYSTEMU TREMIDA");
inline const QString NazwaPlikuBledow = QStringLiteral("bledywbaziedanych.txt");

// What the check tells its form.
struct TWidokSpojn {
    // The progress bar: position and maximum.
    std::function<void(int pozycja, int maksimum)> postep;
    // A line added to the memo (the title, each finding, the summary line).
    std::function<void(const QString &linia)> linia;
    // A message box: the summary, or the error of the error file.
    PokazKomunikat komunikat;
    // The run reached its end: the field beside the bar shows "OK".
    std::function<void()> ok;
};

struct TWynikSpojn {
    QStringList memo;        // every line of the memo in order, the title first
    int liczbaUsterek = 0;   // the last finding number
    bool bledy = false;      // some finding other than the four warnings was listed
    bool zastrzezenia = false;
    QString podsumowanie;    // the summary text; empty when the run ended without one
    bool bladPliku = false;  // the error file could not be created or written
    bool bladBazy = false;   // a read or write of the tables failed: the run ended with its
                             // message, its repairs undone and no summary
};

// Runs the check. With a non-empty `plikBledow` the file is created anew (UTF-8, lines ended
// by CR LF): the title, "Data kontroli: " with `data`, every finding line and the summary
// line. A file that cannot be created ends the run before any check with a message.
TWynikSpojn KontrolaSpojnosciBazy(Baza &baza, const TParKonfig &konfig, const QString &plikBledow,
                                  const TWidokSpojn &widok, const QDate &data = QDate::currentDate());

// "Data kontroli:  5.12.2024 - czwartek": day and month right-aligned in two characters.
QString liniaDatyKontroli(const QDate &data);

} // namespace tremida

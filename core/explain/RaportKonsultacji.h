#pragma once
// The consultation report: the last inference run of a system on paper. The system, the
// date and method of the run and its main hypothesis; each conclusion shown to the user, in
// order, with its CF and aggregated CF, its description, the instructions, the rule's
// description and the rule's pictures (at their height-to-width ratio, with their
// captions); then the tree of fired rules of each final conclusion. Drawn on a canvas
// through the page model of the table printouts (header with page number and date on every
// page).

#include "app/ParKonfig.h"
#include "report/Plotno.h"

#include <QDate>
#include <QString>
#include <optional>

namespace tremida {

class Baza;

namespace raport {
// The title of the report's pages.
inline const QString Tytul = QStringLiteral("RAPORT Z KONSULTACJI SYSTEMU EKSPERCKIEGO (BAZY WIEDZY)");
// The message after the report was handed to the printer.
inline const QString KomKoniec = QStringLiteral("Transfer raportu z konsultacji do drukarki zakończony. Czekaj na wydruk.");
} // namespace raport

// Why there is no report of system `kodSyst` (the table files, a system that does not
// exist, a system without a run, a failed read), or no value when it can be printed.
std::optional<QString> brakRaportuKonsultacji(Baza &baza, int kodSyst);

// Draws the report on the canvas: `pozioma` for landscape pages, `dzien` the printing date.
// Pictures are looked for in the working folder. The caller ends the document. False with
// the message in *blad when the tables cannot be read.
bool drukujRaportKonsultacji(Baza &baza, int kodSyst, const TParKonfig &konfig, Plotno &plotno, bool pozioma,
                             const QDate &dzien, QString *blad = nullptr);

} // namespace tremida

#pragma once
// Record date stamps: the hidden-date stamp of the six knowledge-base tables and the
// plain date of a trajectory step.

#include <QDate>
#include <QString>

namespace tremida {

// Lengths of the nine runs of random digits that hide the eight date digits.
inline constexpr int DlugosciSerii[9] = {61, 44, 17, 52, 26, 58, 12, 7, 84};

// GenDataRek: the hidden-date stamp of a new record made on the given day. The digits of
// "DDMMYYYY" are hidden among runs of random digits "0" to "8" of the fixed lengths.
QString GenDataRek(const QDate &dzien = QDate::currentDate());

// DekodDataRek: the shown date "DD.MM.YYYY" of a stamp. Positions beyond the end of the
// stamp contribute nothing, so an empty stamp gives "..".
QString DekodDataRek(const QString &stamp);

// DataRekTraj: the plain date of a trajectory step, day, month and year without leading
// zeros joined by points ("5.3.2024").
QString DataRekTraj(const QDate &dzien = QDate::currentDate());

// DataRekTrajDzis: DataRekTraj of today. Inference writes a step for every rule it examines;
// asking the time zone for the local date at every step costs a file check each time, so
// the text is worked out again only when the clock has moved on by a second.
QString DataRekTrajDzis();

} // namespace tremida

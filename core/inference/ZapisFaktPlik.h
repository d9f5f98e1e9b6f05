#pragma once
// ZapiszWartFaktPlik: writes the values of the input facts of a knowledge base to a text file
// in the form that reading input-fact values from a file (CzytajWartFaktPlik) expects, so that
// reading the written file gives the facts the same values again: ten descriptive lines (five
// name-value pairs: the system's code, its name, the date of writing, what the file holds and
// how many values it holds), then one triple of lines per value - the code of the fact, the
// value, its CF. UTF-8, every line ended by CR LF.

#include <QDate>
#include <QString>

namespace tremida {

class Baza;

struct TWynikZapisuFakt {
    bool ok = false;
    int liczbaWartosci = 0; // triples written
    QString blad;           // the message of a failure, with its tail
};

// Writes the values of the input facts of system `kodSyst`, in IdFakt order, to `sciezka`:
// a real, integer or logical fact with a value (not "???", not empty) gives one triple with
// WartFakt and CFWartFakt; an enumerated fact one triple per value row marked "tak", in table
// order, with CFWartFaktWyliczAkt. An empty CF is written as 0 (as it is read everywhere).
// The file is replaced only when it has been written completely. Fails, writing nothing, when
// the system does not exist, the tables cannot be read, a value holds a line break (it would
// not be read back as one line), the path is a file of the program, not a regular file, or
// cannot be written.
TWynikZapisuFakt ZapiszWartFaktPlik(Baza &baza, int kodSyst, const QString &sciezka, const QDate &dzien);

namespace kom {
// The message after the file was written.
QString FaktyZapisaneDoPliku(int liczbaWartosci, const QString &sciezka);
} // namespace kom

} // namespace tremida

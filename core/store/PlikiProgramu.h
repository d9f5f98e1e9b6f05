#pragma once
// The files the program keeps its data in: the seven table files, the configuration file and
// the connection's main database of the working folder. A file the program writes on the
// user's request (an error file, an input-fact values file, a report) may never be one of them.

#include <QString>
#include <optional>

namespace tremida {

class Baza;

// The name of the program's file that `sciezka` is (also through a link: the same file on
// disk), or none when it is no file of the program's or does not exist.
std::optional<QString> plikProgramu(const Baza &baza, const QString &sciezka);

} // namespace tremida

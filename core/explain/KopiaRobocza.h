#pragma once
// A scratch copy of the working folder for runs that must leave the tables as they are (what-if
// runs, test cases of knowledge bases): the seven table files and the configuration file,
// copied once into a temporary folder as one consistent state, and from there into a fresh
// folder for every run. The runs change only their own copies; the real files are only read.

#include "store/Baza.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace tremida {

// One run's folder: a fresh copy of the files, opened.
struct TFolderProby {
    QTemporaryDir katalog;
    Baza baza;
};

class TKopiaRobocza {
public:
    // Copies the table files and the configuration file of the folder of `zrodlo`. The table
    // files are copied while one read transaction holds them all, so another program's change
    // is in the copy entirely or not at all; a missing file stays missing in the copy, and a
    // file that is no table file is copied as it is (the run then reports it as the program
    // would). False with *blad when the folder cannot be read or copied.
    bool utworz(Baza &zrodlo, QString *blad);

    // A new folder holding a fresh copy, with its connection opened; none with *blad when the
    // copy cannot be made.
    std::unique_ptr<TFolderProby> nowaProba(QString *blad) const;

private:
    std::unique_ptr<QTemporaryDir> m_wzorzec;
};

} // namespace tremida

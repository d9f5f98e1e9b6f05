#pragma once
// "KONTROLA SPÓJNOŚCI BAZY DANYCH SYSTEMU TREMIDA": the consistency check of every knowledge
// base, its findings listed in a memo and optionally written to a text file, with the
// progress of the whole run.

#include "widgets/OknoKontekstu.h"

#include "widgets/WidzetyQt.h"

namespace tremida::gui {

class TWyborPliku;

class TFormKontrSpojn : public OknoKontekstu {
    Q_OBJECT
public:
    explicit TFormKontrSpojn(KontekstAplikacji &kontekst, QWidget *rodzic = nullptr);

    // The menu command after its file tests: the check box ticked, the file controls shown
    // with the default file name, the bar at 0 of 1, its field emptied; the form is shown.
    void otworz();

    QCheckBox *poleZapisu() const { return m_zapis; }
    TWyborPliku *wyborPliku() const { return m_wybor; }
    QLineEdit *poleNazwyPliku() const { return m_nazwa; }
    QPlainTextEdit *memo() const { return m_memo; }
    QProgressBar *pasek() const { return m_pasek; }
    QLineEdit *poleOk() const { return m_ok; }
    QPushButton *przyciskStart() const { return m_start; }
    QPushButton *przyciskPrzerwij() const { return m_przerwij; }
    QPushButton *przyciskOk() const { return m_przyciskOk; }

    void ZmiaKolFormKontrSpojn();

private:
    void start();
    void zmienionoFolder(const QString &folder);

    QCheckBox *m_zapis;
    QWidget *m_kontrolkiPliku;
    QLabel *m_tytulPliku, *m_tytulMemo, *m_etNazwa, *m_etPostep;
    TWyborPliku *m_wybor;
    QLineEdit *m_nazwa;
    QPlainTextEdit *m_memo;
    QProgressBar *m_pasek;
    QLineEdit *m_ok;
    QPushButton *m_start, *m_przerwij, *m_przyciskOk, *m_pomoc;
};

} // namespace tremida::gui

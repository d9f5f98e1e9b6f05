#pragma once
// The picture viewer "WIZUALIZACJA OBRAZU GRAFICZNEGO/ZDJĘCIA FOTOGRAFICZNEGO": one bitmap or
// JPEG picture fitted into the display frame by its height-to-width ratio, with its caption.

#include "app/ParKonfig.h"
#include "store/Dopasowanie.h"

#include <QDialog>
#include <QImage>

#include "widgets/WidzetyQt.h"

namespace tremida::gui {

class KontekstAplikacji;

class TFormWizGraf : public QDialog {
    Q_OBJECT
public:
    explicit TFormWizGraf(KontekstAplikacji &k, QWidget *rodzic = nullptr);

    // Decodes the file at `sciezka` (JPEG through libjpeg, other pictures such as bitmaps
    // through Qt, chosen by the extension), puts the caption under the frame, fits the image
    // control by `stosunek` and shows the viewer. A file that cannot be decoded shows a
    // message naming `nazwa` and leaves the viewer as it was; returns false then.
    bool pokaz(const QString &sciezka, const QString &nazwa, double stosunek, const QString &podpis);

    void ZmiaKolFormWizGraf(const TParKonfig &konfig);

    // The display frame as laid out when the viewer was created.
    Prostokat ramka() const { return m_ramka; }
    QLabel *obraz() const { return m_obraz; }
    QPlainTextEdit *polePodpisu() const { return m_podpis; }
    QPushButton *przyciskOK() const { return m_ok; }
    QPushButton *przyciskPomoc() const { return m_pomoc; }

private:
    KontekstAplikacji &m_kontekst;
    Prostokat m_ramka;
    QFrame *m_tloRamki;
    QLabel *m_obraz;
    QPlainTextEdit *m_podpis;
    QPushButton *m_ok;
    QPushButton *m_pomoc;
};

// Decodes a picture file, JPEG (by the extension .jpg, .jpeg, .jpe or .jfif) through libjpeg
// and anything else through Qt's readers. A null image and the reason in *blad on failure.
QImage wczytajObraz(const QString &sciezka, QString *blad);

} // namespace tremida::gui

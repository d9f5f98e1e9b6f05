#pragma once
// The printout canvas on a real page: a QPainter on a printer or a PDF writer, at 300 dots
// per inch so that the printout's pixel layout fits an A4 page. The font is "Times New Roman
// CE" when installed, otherwise Liberation Serif (same metrics, Polish letters).

#include "report/Plotno.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <functional>
#include <optional>

class QPagedPaintDevice;

namespace tremida {

class PlotnoQt : public Plotno {
public:
    // Paints on `urzadzenie`, which must already be set up (page size, orientation, 300 dpi,
    // no margins) and stay alive until zakoncz().
    explicit PlotnoQt(QPagedPaintDevice *urzadzenie);
    ~PlotnoQt() override;

    bool czyGotowe() const { return m_malarz.isActive(); }
    // Ends the document; false when it could not be written.
    bool zakoncz();

    int szerokoscStrony() const override;
    int wysokoscStrony() const override;
    void ustawCzcionke(int punkty, bool pogrubiona, bool podkreslona) override;
    int szerokoscTekstu(const QString &tekst) const override;
    void piszTekst(int x, int y, const QString &tekst) override;
    void nowaStrona() override;
    bool rysujObraz(int x, int y, int szerokosc, int wysokosc, const QString &plik) override;

    // The font family of printouts on this machine.
    static QString rodzinaCzcionki();

    static constexpr int Rozdzielczosc = 300;

private:
    QPagedPaintDevice *m_urzadzenie;
    QPainter m_malarz;
    QFont m_czcionka;
    // The metrics of the current font on the device, made once per font: a long printout
    // measures and draws millions of texts.
    std::optional<QFontMetrics> m_miary;
};

// Writes a printout to a PDF file: sets up an A4 PDF writer (landscape or portrait), lets
// `rysuj` draw on its canvas and ends the document. Returns false with a message in *blad
// when the file cannot be written.
bool drukujDoPdf(const QString &plik, bool pozioma, const std::function<bool(Plotno &, QString *)> &rysuj,
                 QString *blad);

} // namespace tremida

#include "PlotnoQt.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImageReader>
#include <QPageLayout>
#include <QPdfWriter>

namespace tremida {

PlotnoQt::PlotnoQt(QPagedPaintDevice *urzadzenie) : m_urzadzenie(urzadzenie), m_czcionka(rodzinaCzcionki())
{
    m_malarz.begin(urzadzenie);
    ustawCzcionke(10, false, false);
}

PlotnoQt::~PlotnoQt()
{
    if (m_malarz.isActive())
        m_malarz.end();
}

bool PlotnoQt::zakoncz() { return m_malarz.isActive() ? m_malarz.end() : false; }

QString PlotnoQt::rodzinaCzcionki()
{
    const QStringList rodziny = QFontDatabase::families();
    if (rodziny.contains(QStringLiteral("Times New Roman CE")))
        return QStringLiteral("Times New Roman CE");
    return QStringLiteral("Liberation Serif");
}

int PlotnoQt::szerokoscStrony() const { return m_urzadzenie->width(); }

int PlotnoQt::wysokoscStrony() const { return m_urzadzenie->height(); }

void PlotnoQt::ustawCzcionke(int punkty, bool pogrubiona, bool podkreslona)
{
    m_czcionka.setPointSize(punkty);
    m_czcionka.setBold(pogrubiona);
    m_czcionka.setUnderline(podkreslona);
    if (m_malarz.isActive())
        m_malarz.setFont(m_czcionka);
    m_miary.emplace(m_czcionka, m_urzadzenie);
}

int PlotnoQt::szerokoscTekstu(const QString &tekst) const { return m_miary->horizontalAdvance(tekst); }

void PlotnoQt::piszTekst(int x, int y, const QString &tekst)
{
    if (tekst.isEmpty())
        return;
    m_malarz.drawText(x, y + m_miary->ascent(), tekst);
}

void PlotnoQt::nowaStrona() { m_urzadzenie->newPage(); }

bool PlotnoQt::rysujObraz(int x, int y, int szerokosc, int wysokosc, const QString &plik)
{
    QImageReader czytnik(plik);
    czytnik.setAutoTransform(true);
    const QImage obraz = czytnik.read();
    if (obraz.isNull() || szerokosc <= 0 || wysokosc <= 0 || !m_malarz.isActive())
        return false;
    m_malarz.drawImage(QRect(x, y, szerokosc, wysokosc), obraz);
    return true;
}

bool drukujDoPdf(const QString &plik, bool pozioma, const std::function<bool(Plotno &, QString *)> &rysuj,
                 QString *blad)
{
    {
        QFile proba(plik);
        if (!proba.open(QIODevice::WriteOnly)) {
            if (blad)
                *blad = QStringLiteral("Nie można zapisać pliku %1: %2").arg(plik, proba.errorString());
            return false;
        }
    }
    QPdfWriter pdf(plik);
    pdf.setResolution(PlotnoQt::Rozdzielczosc);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                  pozioma ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF()));
    pdf.setCreator(QStringLiteral("TREMIDA"));
    PlotnoQt plotno(&pdf);
    if (!plotno.czyGotowe()) {
        if (blad)
            *blad = QStringLiteral("Nie można zapisać pliku %1.").arg(plik);
        return false;
    }
    const bool ok = rysuj(plotno, blad);
    if (!plotno.zakoncz() && ok) {
        if (blad)
            *blad = QStringLiteral("Nie można zapisać pliku %1.").arg(plik);
        return false;
    }
    return ok;
}

} // namespace tremida

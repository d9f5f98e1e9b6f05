#include "Ekran.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWidget>

namespace tremida::gui {

namespace {

// A scroll area whose preferred size is its content's, so that a window opens at its designed
// size where the screen allows; it asks for little room of its own, so that the window may be
// smaller.
class TObszarPrzewijany : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override
    {
        if (!widget())
            return QScrollArea::sizeHint();
        const int f = 2 * frameWidth();
        return widget()->sizeHint() + QSize(f, f);
    }
    QSize minimumSizeHint() const override { return {160, 120}; }

protected:
    // A change of the content's layout changes the size this area asks for.
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o == widget() && e->type() == QEvent::LayoutRequest)
            updateGeometry();
        return QScrollArea::eventFilter(o, e);
    }
};

// The frame a window manager adds around a window that is not shown yet (then Qt knows none).
QMargins ramka(const QWidget *okno)
{
    const QRect zew = okno->frameGeometry();
    const QRect wew = okno->geometry();
    if (okno->isVisible() && zew != wew)
        return {wew.left() - zew.left(), wew.top() - zew.top(), zew.right() - wew.right(), zew.bottom() - wew.bottom()};
    return {8, 38, 8, 8};
}

const char *const Umieszczone = "tremida_umieszczone";

class TUmieszczanie : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Show && o->isWidgetType()) {
            auto *w = static_cast<QWidget *>(o);
            const Qt::WindowType typ = w->windowType();
            if (w->isWindow() && typ != Qt::Popup && typ != Qt::ToolTip && typ != Qt::SplashScreen &&
                typ != Qt::Desktop && !w->inherits("QMenu")) {
                const bool pierwszy = !w->property(Umieszczone).toBool();
                w->setProperty(Umieszczone, true);
                umiescNaEkranie(w, pierwszy);
            }
        }
        return QObject::eventFilter(o, e);
    }
};

} // namespace

QVBoxLayout *ukladPrzewijany(QWidget *okno)
{
    auto *zewnetrzny = new QVBoxLayout(okno);
    zewnetrzny->setContentsMargins(0, 0, 0, 0);
    auto *obszar = new TObszarPrzewijany(okno);
    obszar->setObjectName(QStringLiteral("obszarPrzewijany"));
    obszar->setFrameShape(QFrame::NoFrame);
    obszar->setWidgetResizable(true);
    auto *tresc = new QWidget(obszar);
    tresc->setObjectName(QStringLiteral("tresc"));
    tresc->setAutoFillBackground(false);
    obszar->viewport()->setAutoFillBackground(false);
    obszar->setWidget(tresc);
    zewnetrzny->addWidget(obszar);
    return new QVBoxLayout(tresc);
}

QSize rozmiarWgTresci(QWidget *okno)
{
    // Every layout of the content is worked out again, nested ones included (activate goes
    // through them all once the top one is invalidated).
    if (auto *obszar = okno->findChild<QScrollArea *>(QStringLiteral("obszarPrzewijany"), Qt::FindDirectChildrenOnly)) {
        if (QWidget *tresc = obszar->widget(); tresc && tresc->layout()) {
            tresc->layout()->invalidate();
            tresc->layout()->activate();
        }
        obszar->updateGeometry();
    }
    if (okno->layout()) {
        okno->layout()->invalidate();
        okno->layout()->activate();
    }
    return okno->sizeHint();
}

void umiescNaEkranie(QWidget *okno, bool pierwszyRaz)
{
    QWidget *nad = pierwszyRaz ? QApplication::activeWindow() : nullptr;
    if (nad == okno)
        nad = nullptr;
    QScreen *ekran = nad ? nad->screen() : okno->screen();
    if (!ekran)
        ekran = QGuiApplication::primaryScreen();
    if (!ekran)
        return;
    const QRect wolne = ekran->availableGeometry();
    const QMargins m = ramka(okno);
    const QSize najwiekszy(wolne.width() - m.left() - m.right(), wolne.height() - m.top() - m.bottom());
    // At its first showing a window takes at least the size its content asks for, where the
    // screen has room, so that nothing needs scrolling that could be shown.
    QSize rozmiar = pierwszyRaz ? okno->size().expandedTo(rozmiarWgTresci(okno)) : okno->size();
    rozmiar = rozmiar.boundedTo(najwiekszy);
    rozmiar = rozmiar.expandedTo(okno->minimumSize().boundedTo(najwiekszy));
    if (rozmiar != okno->size())
        okno->resize(rozmiar);
    QRect zew(QPoint(), rozmiar.grownBy(m));
    if (pierwszyRaz)
        zew.moveCenter(nad ? nad->frameGeometry().center() : wolne.center());
    else
        zew.moveTopLeft(okno->frameGeometry().topLeft());
    // Entirely on the screen.
    if (zew.right() > wolne.right())
        zew.moveRight(wolne.right());
    if (zew.bottom() > wolne.bottom())
        zew.moveBottom(wolne.bottom());
    if (zew.left() < wolne.left())
        zew.moveLeft(wolne.left());
    if (zew.top() < wolne.top())
        zew.moveTop(wolne.top());
    okno->move(zew.topLeft());
}

void zachowajMiejsce(std::initializer_list<QWidget *> widgety)
{
    for (QWidget *w : widgety) {
        QSizePolicy p = w->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        w->setSizePolicy(p);
    }
}

void wlaczUmieszczanieOkien()
{
    static TUmieszczanie *umieszczanie = nullptr;
    if (!umieszczanie) {
        umieszczanie = new TUmieszczanie(qApp);
        qApp->installEventFilter(umieszczanie);
    }
}

} // namespace tremida::gui

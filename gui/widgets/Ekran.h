#pragma once
// Windows on the screen they are shown on: content that scrolls when the screen is smaller
// than the window was designed for, and every window placed entirely on the screen.

#include <initializer_list>

class QSize;
class QVBoxLayout;
class QWidget;

namespace tremida::gui {

// The layout of a window's content, inside a scroll area that fills the window: the window
// can be made smaller than its content (a laptop screen), which then scrolls, and a change of
// the content's size never resizes the window. Widgets added to the returned layout belong to
// the window as before (findChild finds them).
QVBoxLayout *ukladPrzewijany(QWidget *okno);

// The size a window with ukladPrzewijany asks for with the content as it is now (fields just
// hidden or shown included), as sizeHint() would give it once the layouts have caught up.
QSize rozmiarWgTresci(QWidget *okno);

// Puts a window entirely on its screen: no larger than the screen's free area (its frame
// included), centred over the window it is opened from (the active window) or, without one,
// on the screen. A window shown again keeps its place, moved back onto the screen if needed.
void umiescNaEkranie(QWidget *okno, bool pierwszyRaz);

// Widgets shown or hidden by the record shown keep their place when hidden, so that nothing
// else in the window moves (the navigator stays under the user's mouse).
void zachowajMiejsce(std::initializer_list<QWidget *> widgety);

// Makes every window of the program go through umiescNaEkranie when it is shown; called
// once at start.
void wlaczUmieszczanieOkien();

} // namespace tremida::gui

#include "views/dic_wnd.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/main_frame.h"
#include "app/message_box.h"
#include "views/drawing.h"
#include "views/show_dic_wnd.h"

namespace tesselo {

CDicWnd::CDicWnd(QWidget* parent, int childId) : CMyWnd(parent, childId) {
  dictionary.SetObserver([this](DicTable::Repaint what) {
    update();
    if (what == DicTable::Repaint::DictionaryAndStatistics && MainFrame->ShowDicWnd != nullptr)
      MainFrame->ShowDicWnd->update();
  });
}

// The width holds the longest word rounded up to a multiple of 5 letters; the top row stays
// empty.
void CDicWnd::PaintClient(QPainter& painter) {
  FillClient(painter, colours::kBackground);
  if (dictionary.NWords < 1) return;
  const int lettersAcross = ((dictionary.MaxLen - 1) / 5) * 5 + 5;
  if (!SetLogicalCoordinates(painter, lettersAcross * kLetterBoxWidth,
                             (dictionary.NWords + 1) * kLetterBoxHeight, ClientSize().height()))
    return;
  DrawDictionary(painter, dictionary);
}

// The row under the cursor, NWords + 1 for the empty top row, becomes the pattern number;
// only a row with a word is confirmed.
void CDicWnd::mousePressEvent(QMouseEvent* event) {
  const QPoint position = event->position().toPoint();
  if (event->button() != Qt::RightButton || !InClient(position)) return;
  const QPoint click = ClientPoint(position);
  const int nWords = dictionary.NWords;
  const int n = nWords - ((nWords + 1) * click.y()) / ClientSize().height() + 1;
  if (dictionary.ChoosePattern(n))
    ShowMessage(QString::asprintf(kPatternChosen, click.x(), click.y(), n));
  update();
}

}  // namespace tesselo

#include "views/show_dic_wnd.h"

#include <QMouseEvent>
#include <QPainter>
#include <QString>
#include <optional>

#include "app/control_panel.h"
#include "app/main_frame.h"
#include "model/series_model.h"
#include "views/dic_wnd.h"
#include "views/drawing.h"
#include "views/noise_ratios.h"

namespace tesselo {
namespace {

// "<label> = " and the ratio with six decimals, or "-" when the signal had no energy.
QString RatioLine(const char* label, std::optional<double> ratio) {
  return QString(label) + " = " + (ratio ? QString::asprintf("%f", *ratio) : QString("-"));
}

// The heights of the figures' lines above the words' top.
constexpr int kFigureHeights[] = {280, 200, 120, 40};

}  // namespace

QStringList CShowDicWnd::Figures(const SeriesModel& model) {
  const NoiseRatios ratios = NoiseToSignal(model.unobservable, model.noise, model.N, model.q);
  return {QString::asprintf("N = %d, AlSize = 21 ", model.N),
          QString::asprintf("T_min = %d,  T_max = %d", model.T_min, model.T_max),
          RatioLine("NSR", ratios.fragments), RatioLine("All NSR", ratios.all)};
}

// The width holds exactly the longest word; the top row holds the figures.
void CShowDicWnd::PaintClient(QPainter& painter) {
  const DicTable& dictionary = MainFrame->DicWnd->dictionary;
  FillClient(painter, colours::kBackground);
  if (dictionary.NWords < 1) return;
  const int width = dictionary.MaxLen * kLetterBoxWidth;
  const int wordsTop = dictionary.NWords * kLetterBoxHeight;
  if (!SetLogicalCoordinates(painter, width, wordsTop + kLetterBoxHeight, ClientSize().height()))
    return;
  painter.fillRect(QRectF(0, (FoundWord - 1) * kLetterBoxHeight, width, kLetterBoxHeight),
                   colours::kFoundBand);
  DrawDictionary(painter, dictionary);
  painter.setPen(colours::kInk);
  const QStringList figures = Figures(Model());
  for (qsizetype line = 0; line < figures.size(); ++line)
    DrawTextAt(painter, QPointF(5, wordsTop + kFigureHeights[line]), figures[line]);
}

// Rows are measured against the whole window's height, its sizing border included, from the
// top of the client area; a click on the figures does nothing.
void CShowDicWnd::mousePressEvent(QMouseEvent* event) {
  const QPoint position = event->position().toPoint();
  if (event->button() != Qt::LeftButton || !InClient(position)) return;
  DicTable& dictionary = MainFrame->DicWnd->dictionary;
  const int y = ClientPoint(position).y();
  const int H = height();
  const int nWords = dictionary.NWords;
  if (y <= H / (nWords + 1)) return;
  dictionary.SetPatNum(nWords - ((nWords + 1) * y) / H + 1);
  update();
  MainFrame->Panel->OnCreateSeries();
}

}  // namespace tesselo

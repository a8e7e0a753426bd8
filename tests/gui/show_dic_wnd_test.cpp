#include "views/show_dic_wnd.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <QImage>

#include "app/panel_templates.h"
#include "gui/program_fixture.h"
#include "gui/window_picture.h"
#include "model/series_model.h"
#include "views/dic_wnd.h"
#include "views/drawing.h"
#include "views/result_wnd.h"

namespace tesselo {
namespace {

using test_support::ClientPicture;
using test_support::CountPixels;

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int paints = 0;

 private:
  bool eventFilter(QObject*, QEvent* event) override {
    paints += event->type() == QEvent::Paint;
    return false;
  }
};

class StatisticsWindowTest : public test_support::ProgramTest {
 protected:
  CShowDicWnd& Window() const { return *MainFrame->ShowDicWnd; }
  DicTable& Dictionary() const { return MainFrame->DicWnd->dictionary; }
};

// Sequences of the given samples, one fragment of q = 2 starting at 1.
void SetSamples(SeriesModel& model, std::vector<int> signal, std::vector<int> noise) {
  model.q = 2;
  model.N = static_cast<int>(signal.size());
  model.unobservable.samples = std::move(signal);
  model.unobservable.count = 1;
  model.unobservable.starts = {0, 1};
  model.noise.samples = std::move(noise);
}

TEST(StatisticsFigures, LinesGiveNTheBoundsAndBothRatios) {
  SeriesModel model;
  model.T_min = 40;
  model.T_max = 135;
  const struct {
    std::vector<int> signal, noise;
    const char* fragmentRatio;
    const char* allRatio;
  } cases[] = {
      // Fragment samples 1 and 2: 8 / 25; all samples: 10 / 25. A silent fragment has no
      // fragment ratio.
      {{0, 3, 4, 0}, {1, 2, 2, 1}, "NSR = 0.320000", "All NSR = 0.400000"},
      {{0, 3, 4, 0}, {0, 0, 0, 0}, "NSR = 0.000000", "All NSR = 0.000000"},
      {{5, 0, 0, 0}, {1, 1, 1, 1}, "NSR = -", "All NSR = 0.160000"},
      {{0, 0, 0, 0}, {1, 1, 1, 1}, "NSR = -", "All NSR = -"},
  };
  for (const auto& c : cases) {
    SetSamples(model, c.signal, c.noise);
    EXPECT_EQ(CShowDicWnd::Figures(model),
              QStringList({"N = 4, AlSize = 21 ", "T_min = 40,  T_max = 135", c.fragmentRatio,
                           c.allRatio}));
  }
}

// A real run without noise: both ratios are 0.
TEST_F(StatisticsWindowTest, AnExperimentWithoutNoiseHasRatiosOfZero) {
  TypeWords({{3, 11, 16}});
  Click(panel_ids::kCreate);
  const QStringList figures = CShowDicWnd::Figures(Model());
  EXPECT_EQ(figures.mid(2), QStringList({"NSR = 0.000000", "All NSR = 0.000000"}));
  EXPECT_EQ(figures[0], "N = 200, AlSize = 21 ");
}

// Three words, the longest of 2 letters, in a 400 x 400 client area: rows of 100 pixels, the
// figures in the top one, word 1 at the bottom; the found word's row is grey to the right
// edge, the pattern's letters blue.
TEST_F(StatisticsWindowTest, TheFoundWordLiesOnGreyAndThePatternIsBlue) {
  TypeWords({{1, 2}, {3}, {4}});
  Dictionary().ChoosePattern(3);
  Window().FoundWord = 2;
  test_support::SetClientSize(Window(), {400, 400});
  const QImage picture = ClientPicture(Window());
  EXPECT_EQ(picture.pixelColor(395, 250), colours::kFoundBand);
  EXPECT_EQ(picture.pixelColor(395, 350), colours::kBackground);
  EXPECT_EQ(picture.pixelColor(395, 150), colours::kBackground);
  EXPECT_GT(CountPixels(picture, QRect(0, 200, 400, 100), colours::kFoundBand), 100 * 200);
  const QRect patternRow(0, 99, 400, 102);
  EXPECT_GT(CountPixels(picture, patternRow, colours::kPattern), 100);
  EXPECT_EQ(CountPixels(picture, picture.rect(), colours::kPattern),
            CountPixels(picture, patternRow, colours::kPattern));
  EXPECT_GT(CountPixels(picture, QRect(0, 200, 400, 200), colours::kInk), 100) << "words 1, 2";
  EXPECT_GT(CountPixels(picture, QRect(0, 0, 400, 85), colours::kInk), 50) << "the figures";
}

// Removing the last word repaints the statistics window as well as the dictionary window;
// typing a letter only the dictionary window.
TEST_F(StatisticsWindowTest, RemovingAWordRepaintsItTypingALetterDoesNot) {
  TypeWords({{1}, {2}});
  Dictionary().ChoosePattern(1);
  Click(panel_ids::kCreate);
  ASSERT_TRUE(Window().isVisible());
  QApplication::processEvents();
  const PaintCounter statistics(&Window());
  const PaintCounter dictionary(MainFrame->DicWnd);
  Dictionary().AddLetter(5, false);
  QApplication::processEvents();
  EXPECT_EQ(statistics.paints, 0);
  MainFrame->DicWnd->show();  // as in the dictionary view, to see its repaints
  Dictionary().RemoveLastWord();
  QApplication::processEvents();
  EXPECT_EQ(statistics.paints, 1);
  EXPECT_GE(dictionary.paints, 1);
}

// Figures and words alike need a word: an empty dictionary leaves the window white.
TEST_F(StatisticsWindowTest, AnEmptyDictionaryPaintsOnlyTheWhiteBackground) {
  Window().FoundWord = 1;
  test_support::SetClientSize(Window(), {400, 400});
  const QImage picture = ClientPicture(Window());
  EXPECT_EQ(CountPixels(picture, picture.rect(), colours::kBackground), 400 * 400);
}

// Rows are taken against the whole window's height, H = 400 + 8 here, from the top of the
// client area: a click at y below H / (NWords + 1) chooses word NWords - (NWords + 1) y / H
// + 1 and runs the experiment again.
TEST_F(StatisticsWindowTest, ClickBelowTheFiguresChoosesTheWordAndRunsAgain) {
  const struct {
    std::vector<std::vector<int>> words;
    int y;
    int chosen;  // 0: the click does nothing
  } cases[] = {
      {{{1}}, 204, 0},           {{{1}}, 205, 1},           {{{1}}, 399, 1},
      {{{1}, {2}, {3}}, 102, 0}, {{{1}, {2}, {3}}, 103, 3}, {{{1}, {2}, {3}}, 203, 3},
      {{{1}, {2}, {3}}, 204, 2}, {{{1}, {2}, {3}}, 305, 2}, {{{1}, {2}, {3}}, 306, 1},
      {{{1}, {2}, {3}}, 399, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.words.size() << " words, y " << c.y);
    Dictionary().ResetDictionary();
    TypeWords(c.words);
    Dictionary().SetPatNum(0);
    test_support::SetClientSize(Window(), {200, 400});
    MainFrame->ShowDictionaryView();
    Model().observable.samples.clear();  // a run fills it again
    test_support::ClickAt(Window(), Qt::LeftButton, {50, c.y});
    EXPECT_EQ(Dictionary().PatNum, c.chosen);
    EXPECT_EQ(Model().observable.samples.size(), c.chosen == 0 ? 0u : 200u);
    EXPECT_EQ(MainFrame->ResultWnd->isVisible(), c.chosen != 0);
  }
  EXPECT_TRUE(messages.Messages().isEmpty());
}

}  // namespace
}  // namespace tesselo

#include "views/alph_wnd.h"

#include <gtest/gtest.h>

#include <QImage>

#include "gui/program_fixture.h"
#include "gui/window_picture.h"
#include "support/experiment_setup.h"
#include "views/dic_wnd.h"
#include "views/drawing.h"

namespace tesselo {
namespace {

using test_support::ClientPicture;
using test_support::CountPixels;
using test_support::PressAt;
using test_support::ReleaseAt;

// The alphabet window at 700 x 450 client pixels: half a pixel per logical unit, so letter
// box (row r, column c) covers client pixels x 100c..100c+100 and y 150r..150r+150.
class AlphabetWindowTest : public test_support::ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    test_support::SetClientSize(Window(), {700, 450});
  }

  CAlphWnd& Window() const { return *MainFrame->AlphWnd; }
  const DicTable& Dictionary() const { return MainFrame->DicWnd->dictionary; }
  // The letters typed so far, word by word.
  std::vector<std::vector<int>> Words() const {
    std::vector<std::vector<int>> words;
    for (int w = 1; w <= Dictionary().NWords; ++w) {
      const DicWord& word = Dictionary().Words[w];
      words.emplace_back(word.Letters.begin() + 1, word.Letters.begin() + 1 + word.Len);
    }
    return words;
  }
  static QRect Box(int letter) {
    return {100 * ((letter - 1) % 7), 150 * ((letter - 1) / 7), 100, 150};
  }
};

// Whether a pixel within one of `point` has the colour: a line's vertex may round either way.
bool ColourNear(const QImage& picture, QPointF point, const QColor& colour) {
  const QRect around(point.toPoint() - QPoint(1, 1), QSize(3, 3));
  return CountPixels(picture, around & picture.rect(), colour) > 0;
}

// Letter 7r + c + 1 in row r from the top and column c: its sample 10 lies at logical
// (200c + 100, 300 - 300r + sample) with logical y 0 at mid-height.
TEST_F(AlphabetWindowTest, TheGridShowsLetters1To21RowByRowInFramedBoxes) {
  const QImage picture = ClientPicture(Window());
  for (int letter = 1; letter <= 21; ++letter) {
    SCOPED_TRACE(letter);
    const QRect box = Box(letter);
    const int sample = test_support::StartAlphabet().letters[letter].samples[10];
    EXPECT_TRUE(ColourNear(picture, QPointF(box.left() + 50, box.top() + 75 - sample / 2.0),
                           colours::kInk));
    EXPECT_EQ(picture.pixelColor(box.left(), box.top() + 30), colours::kAxes) << "frame";
    EXPECT_EQ(CountPixels(picture, box, colours::kPattern), 0);
  }
  EXPECT_GT(CountPixels(picture, picture.rect(), QColor(Qt::white)), 700 * 450 / 2)
      << "the boxes are filled white";
}

TEST_F(AlphabetWindowTest, PressingHighlightsOneLetterAndReleasingAddsTheOneUnderTheCursor) {
  PressAt(Window(), Qt::LeftButton, Box(3).center());
  EXPECT_EQ(Window().HotLetter, 3);
  const QImage pressed = ClientPicture(Window());
  EXPECT_GT(CountPixels(pressed, Box(3), colours::kPattern), 0);
  EXPECT_EQ(CountPixels(pressed, Box(3), colours::kInk), 0) << "the pressed letter is all blue";
  EXPECT_EQ(CountPixels(pressed, pressed.rect(), colours::kPattern),
            CountPixels(pressed, Box(3), colours::kPattern))
      << "no other letter is blue";
  // Width 3 at half a pixel per unit: the blue pen is two pixels wide, the black one one.
  EXPECT_GT(CountPixels(pressed, Box(3), colours::kPattern), 2 * 120);
  EXPECT_TRUE(Words().empty()) << "nothing is added before the release";

  ReleaseAt(Window(), Qt::LeftButton, Box(18).center());
  EXPECT_EQ(Window().HotLetter, 0);
  EXPECT_EQ(CountPixels(ClientPicture(Window()), QRect(0, 0, 700, 450), colours::kPattern), 0);
  EXPECT_EQ(Words(), (std::vector<std::vector<int>>{{18}}));
  EXPECT_EQ(Dictionary().WordOpen, 1);
}

TEST_F(AlphabetWindowTest, ShiftOnTheReleaseFinishesTheWord) {
  using test_support::ClickAt;
  ClickAt(Window(), Qt::LeftButton, Box(5).center(), Qt::ShiftModifier);
  EXPECT_EQ(Dictionary().WordOpen, 0);
  ClickAt(Window(), Qt::LeftButton, Box(6).center());
  ClickAt(Window(), Qt::LeftButton, Box(7).center(), Qt::ShiftModifier);
  EXPECT_EQ(Words(), (std::vector<std::vector<int>>{{5}, {6, 7}}));
  EXPECT_EQ(Dictionary().WordOpen, 0);
}

// The hit test in client pixels: row y / (height / 3), column 7x / width. With a client
// height of 452 the last two pixel rows lie under the grid.
TEST_F(AlphabetWindowTest, HitTestFindsTheLetterUnderTheCursorOrNone) {
  struct Case {
    QSize client;
    QPoint click;
    int letter;  // 0: nothing highlighted, nothing added
  };
  const Case cases[] = {
      {{700, 452}, {0, 0}, 1},     {{700, 452}, {699, 449}, 21}, {{700, 452}, {99, 149}, 1},
      {{700, 452}, {100, 150}, 9}, {{700, 452}, {350, 225}, 11}, {{700, 452}, {699, 450}, 0},
      {{700, 452}, {0, 451}, 0},   {{700, 452}, {-2, 10}, 0},    {{700, 452}, {10, -2}, 0},
      {{700, 2}, {10, 1}, 0},      {{0, 450}, {0, 10}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "client " << c.client.width() << " x " << c.client.height()
                                    << ", click " << c.click.x() << ", " << c.click.y());
    test_support::SetClientSize(Window(), c.client);
    const int wordsBefore = Dictionary().NWords;
    PressAt(Window(), Qt::LeftButton, c.click);
    EXPECT_EQ(Window().HotLetter, c.letter);
    ReleaseAt(Window(), Qt::LeftButton, c.click, Qt::ShiftModifier);
    EXPECT_EQ(Window().HotLetter, 0);
    if (c.letter == 0) {
      EXPECT_EQ(Dictionary().NWords, wordsBefore);
    } else {
      ASSERT_EQ(Dictionary().NWords, wordsBefore + 1);
      EXPECT_EQ(Words().back(), std::vector<int>{c.letter});
    }
  }
}

}  // namespace
}  // namespace tesselo

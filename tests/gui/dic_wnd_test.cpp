#include "views/dic_wnd.h"

#include <gtest/gtest.h>

#include <QImage>

#include "gui/program_fixture.h"
#include "gui/window_picture.h"
#include "views/drawing.h"

namespace tesselo {
namespace {

using test_support::ClientPicture;
using test_support::CountPixels;

class DictionaryWindowTest : public test_support::ProgramTest {
 protected:
  CDicWnd& Window() const { return *MainFrame->DicWnd; }
  DicTable& Dictionary() const { return Window().dictionary; }
};

// The rightmost client column with anything but white in it; -1 for none.
int RightmostInk(const QImage& picture) {
  for (int x = picture.width() - 1; x >= 0; --x)
    if (CountPixels(picture, QRect(x, 0, 1, picture.height()), QColor(Qt::white)) <
        picture.height())
      return x;
  return -1;
}

TEST_F(DictionaryWindowTest, AnEmptyDictionaryPaintsOnlyTheWhiteBackground) {
  test_support::SetClientSize(Window(), {500, 300});
  const QImage picture = ClientPicture(Window());
  EXPECT_EQ(CountPixels(picture, picture.rect(), colours::kBackground), 500 * 300);
}

// Two words in a 500 x 300 client area: three rows of 100 pixels, word 1 at the bottom, the
// top row empty. The pattern, word 2, is all blue; the other word all black.
TEST_F(DictionaryWindowTest, WordsAreRowsFromTheBottomWithThePatternInBlue) {
  TypeWords({{1, 2}, {3}});
  Dictionary().ChoosePattern(2);
  test_support::SetClientSize(Window(), {500, 300});
  const QImage picture = ClientPicture(Window());
  const QRect topRow(0, 0, 500, 98), patternRow(0, 98, 500, 104), word1Row(0, 202, 500, 98);
  EXPECT_EQ(CountPixels(picture, topRow, colours::kBackground), topRow.width() * topRow.height());
  EXPECT_GT(CountPixels(picture, patternRow, colours::kPattern), 100);
  EXPECT_EQ(CountPixels(picture, patternRow, colours::kInk), 0);
  EXPECT_GT(CountPixels(picture, word1Row, colours::kInk), 100);
  EXPECT_EQ(CountPixels(picture, word1Row, colours::kPattern), 0);
  // The pattern's five passes, shifted by up to 2 units (2/3 pixel) either way, look bold:
  // its blue covers more pixels than the same letter drawn once in black.
  Dictionary().ChoosePattern(3);  // no pattern now
  const QImage plain = ClientPicture(Window());
  EXPECT_GT(CountPixels(picture, patternRow, colours::kPattern),
            CountPixels(plain, patternRow, colours::kInk));
  EXPECT_EQ(CountPixels(plain, plain.rect(), colours::kPattern), 0);
}

// The width holds the longest word rounded up to 5 letters: its last horizontal axis ends
// 10 units short of its box, at 200 * MaxLen - 10 of 1000 * ceil(MaxLen / 5) units.
TEST_F(DictionaryWindowTest, TheWidthIsTheLongestWordRoundedUpToFiveLetters) {
  struct Case {
    std::vector<int> word;
    int rightmostInk;  // client column in a 500-pixel width
  };
  const Case cases[] = {
      {{1, 2}, 195},  // the same extent as 5 letters
      {{1, 2, 3, 4, 5}, 495},
      {{1, 2, 3, 4, 5, 6}, 297},
      {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 497},
  };
  test_support::SetClientSize(Window(), {500, 300});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word.size());
    Dictionary().ResetDictionary();
    Dictionary().AddWord(c.word);
    EXPECT_NEAR(RightmostInk(ClientPicture(Window())), c.rightmostInk, 1);
  }
}

// Three words in a client height of 400: rows of 100 pixels from the top, the empty band
// first; the row number counted from the bottom becomes the pattern number.
TEST_F(DictionaryWindowTest, RightClickChoosesTheWordOfTheRowUnderTheCursor) {
  TypeWords({{1}, {2}, {3}});
  test_support::SetClientSize(Window(), {200, 400});
  const struct {
    int y;
    int patNum;
  } cases[] = {{0, 4}, {99, 4}, {100, 3}, {199, 3}, {200, 2}, {299, 2}, {300, 1}, {399, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.y);
    Dictionary().SetPatNum(0);
    messages.Clear();
    test_support::ClickAt(Window(), Qt::RightButton, {50, c.y});
    EXPECT_EQ(Dictionary().PatNum, c.patNum);
    if (c.patNum == 4) {
      EXPECT_FALSE(Dictionary().HasPattern());
      EXPECT_TRUE(messages.Messages().isEmpty());
    } else {
      EXPECT_EQ(messages.Messages(),
                QStringList(QString("Данное слово будет выбрано в качестве образца: \n"
                                    " x = 50, y = %1, PatNum = %2")
                                .arg(c.y)
                                .arg(c.patNum)));
    }
  }
}

TEST_F(DictionaryWindowTest, OnlyARightClickInTheClientAreaChooses) {
  TypeWords({{1}});
  test_support::SetClientSize(Window(), {200, 400});
  test_support::ClickAt(Window(), Qt::LeftButton, {50, 300});
  EXPECT_EQ(Dictionary().PatNum, 0) << "the left button does nothing";
  test_support::ClickAt(Window(), Qt::RightButton, {50, 402});
  EXPECT_EQ(Dictionary().PatNum, 0) << "the sizing border is not the client area";
  test_support::ClickAt(Window(), Qt::RightButton, {50, 300});
  EXPECT_EQ(Dictionary().PatNum, 1) << "the lower half is word 1";
  test_support::ClickAt(Window(), Qt::RightButton, {50, 199});
  EXPECT_EQ(Dictionary().PatNum, 2) << "the upper half clears the pattern";
  EXPECT_EQ(messages.Messages().size(), 1);
}

TEST_F(DictionaryWindowTest, RightClickOnAnEmptyDictionaryChoosesNothing) {
  test_support::SetClientSize(Window(), {200, 400});
  test_support::ClickAt(Window(), Qt::RightButton, {50, 300});
  EXPECT_EQ(Dictionary().PatNum, 1);
  EXPECT_FALSE(Dictionary().HasPattern());
  EXPECT_TRUE(messages.Messages().isEmpty());
}

}  // namespace
}  // namespace tesselo

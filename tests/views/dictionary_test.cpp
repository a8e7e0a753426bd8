#include "views/dictionary.h"

#include <gtest/gtest.h>

#include <vector>

namespace tesselo {
namespace {

using Repaint = DicTable::Repaint;

// A dictionary that records which windows it asked to repaint.
class DictionaryTest : public testing::Test {
 protected:
  void SetUp() override {
    dic.SetObserver([this](Repaint what) { repaints.push_back(what); });
  }
  void Type(std::vector<int> letters, bool finishWithLast) {
    for (std::size_t i = 0; i < letters.size(); ++i)
      dic.AddLetter(letters[i], finishWithLast && i + 1 == letters.size());
  }
  std::vector<int> LettersOf(int w) const {
    const DicWord& word = dic.Words[w];
    return {word.Letters.begin() + 1, word.Letters.begin() + 1 + word.Len};
  }

  DicTable dic;
  std::vector<Repaint> repaints;
};

TEST_F(DictionaryTest, StartsEmpty) {
  EXPECT_EQ(dic.NWords, 0);
  EXPECT_EQ(dic.MaxLen, 0);
  EXPECT_EQ(dic.MinLen, 2147483647);
  EXPECT_EQ(dic.PatNum, 0);
  EXPECT_EQ(dic.PatLen, 0);
  EXPECT_EQ(dic.WordOpen, 0);
  EXPECT_FALSE(dic.HasPattern());
  for (const DicWord& row : dic.Words) EXPECT_EQ(row.Len, 0);
}

TEST_F(DictionaryTest, LettersGrowTheOpenWordUntilItIsFinished) {
  dic.AddLetter(5, false);
  EXPECT_EQ(dic.NWords, 1);
  EXPECT_EQ(dic.WordOpen, 1);
  EXPECT_EQ(dic.MaxLen, 1);
  dic.AddLetter(7, false);
  dic.AddLetter(9, false);
  EXPECT_EQ(dic.NWords, 1);
  EXPECT_EQ(dic.MaxLen, 3) << "MaxLen follows the growing word";
  EXPECT_EQ(dic.MinLen, 2147483647) << "MinLen waits until the word is finished";
  dic.AddLetter(11, true);  // Shift adds the letter first, then finishes
  EXPECT_EQ(LettersOf(1), (std::vector<int>{5, 7, 9, 11}));
  EXPECT_EQ(dic.WordOpen, 0);
  EXPECT_EQ(dic.MinLen, 4);
  dic.AddLetter(2, false);
  EXPECT_EQ(dic.NWords, 2);
  EXPECT_EQ(LettersOf(2), (std::vector<int>{2}));
  EXPECT_EQ(repaints, std::vector<Repaint>(5, Repaint::Dictionary));
}

TEST_F(DictionaryTest, ShiftClickOnEmptyDictionaryMakesAFinishedWord) {
  dic.AddLetter(21, true);
  EXPECT_EQ(dic.NWords, 1);
  EXPECT_EQ(dic.Words[1].Len, 1);
  EXPECT_EQ(dic.WordOpen, 0);
  EXPECT_EQ(dic.MinLen, 1);
  EXPECT_EQ(dic.MaxLen, 1);
}

// A whole word typed at once ends finished, after an open word as well; a refused letter
// is reported.
TEST_F(DictionaryTest, AddWordTypesAFinishedWord) {
  dic.AddLetter(7, false);
  EXPECT_TRUE(dic.AddWord(std::vector<int>{3, 11, 16}));
  EXPECT_EQ(dic.NWords, 1);
  EXPECT_EQ(LettersOf(1), (std::vector<int>{7, 3, 11, 16}));
  EXPECT_EQ(dic.WordOpen, 0);
  EXPECT_EQ(dic.MinLen, 4);
  EXPECT_TRUE(dic.AddWord(std::vector<int>{2}));
  EXPECT_EQ(LettersOf(2), (std::vector<int>{2}));
  EXPECT_EQ(dic.MinLen, 1);
  EXPECT_EQ(dic.WordOpen, 0);
  EXPECT_FALSE(dic.AddWord(std::vector<int>(100, 5))) << "the 100th letter is refused";
  EXPECT_EQ(dic.Words[3].Len, 99);
}

TEST_F(DictionaryTest, FinishAndNextWord) {
  dic.NextWord();  // on an empty dictionary: row 0 has length 0
  EXPECT_EQ(dic.MinLen, 0);
  EXPECT_EQ(dic.PatNum, 1);
  EXPECT_FALSE(dic.HasPattern());

  DicTable typed;
  for (int letter : {1, 2, 3}) typed.AddLetter(letter, false);
  typed.FinishWord();
  EXPECT_EQ(typed.WordOpen, 0);
  EXPECT_EQ(typed.MinLen, 3);
  typed.AddLetter(4, true);
  typed.ChoosePattern(2);
  typed.NextWord();
  EXPECT_EQ(typed.PatNum, 1) << "Next Word always makes word 1 the pattern";
  EXPECT_TRUE(repaints.empty()) << "neither operation repaints";
}

TEST_F(DictionaryTest, CloseWordOnlyClosesIt) {
  Type({3, 4}, false);
  dic.CloseWord();
  EXPECT_EQ(dic.WordOpen, 0);
  EXPECT_EQ(dic.MinLen, 2147483647);
  dic.AddLetter(6, false);
  EXPECT_EQ(dic.NWords, 2);
}

TEST_F(DictionaryTest, RemovingTheLastWordRecomputesTheLengths) {
  Type({1, 2, 3}, true);
  Type({4}, true);
  Type({5, 6}, false);
  dic.ChoosePattern(3);
  repaints.clear();

  dic.RemoveLastWord();
  EXPECT_EQ(dic.NWords, 2);
  EXPECT_EQ(dic.PatNum, 1) << "removing the pattern makes word 1 the pattern";
  EXPECT_EQ(dic.PatLen, 2) << "PatLen is left alone";
  EXPECT_EQ(dic.Words[3].Len, 0);
  EXPECT_EQ(dic.MaxLen, 3);
  EXPECT_EQ(dic.MinLen, 1);
  EXPECT_EQ(repaints, std::vector<Repaint>{Repaint::DictionaryAndStatistics});

  dic.RemoveLastWord();
  dic.RemoveLastWord();
  EXPECT_EQ(dic.NWords, 0);
  EXPECT_EQ(dic.MaxLen, -2147483647);
  EXPECT_EQ(dic.MinLen, 2147483647);
  EXPECT_FALSE(dic.HasPattern());

  repaints.clear();
  const int patNum = dic.PatNum;
  dic.RemoveLastWord();  // nothing to remove, but the windows are still repainted
  EXPECT_EQ(dic.NWords, 0);
  EXPECT_EQ(dic.PatNum, patNum);
  EXPECT_EQ(repaints, std::vector<Repaint>{Repaint::DictionaryAndStatistics});
}

TEST_F(DictionaryTest, RemovingAnotherWordKeepsThePattern) {
  Type({1}, true);
  Type({2}, true);
  dic.ChoosePattern(1);
  Type({3}, false);
  dic.RemoveLastWord();
  EXPECT_EQ(dic.PatNum, 1);
  EXPECT_EQ(dic.WordOpen, 0);
}

TEST_F(DictionaryTest, ResetEmptiesAllButPatLen) {
  Type({1, 2}, true);
  Type({3, 4, 5}, false);
  dic.ChoosePattern(2);
  repaints.clear();
  dic.ResetDictionary();
  EXPECT_EQ(dic.NWords, 0);
  EXPECT_EQ(dic.PatNum, 0);
  EXPECT_EQ(dic.PatLen, 3);
  EXPECT_EQ(dic.WordOpen, 0);
  EXPECT_EQ(dic.MaxLen, -2147483647);
  EXPECT_EQ(dic.MinLen, 2147483647);
  EXPECT_EQ(dic.Words[1].Len, 0);
  EXPECT_EQ(dic.Words[2].Len, 0);
  EXPECT_EQ(repaints, std::vector<Repaint>{Repaint::Dictionary});
}

TEST_F(DictionaryTest, ChoosingThePattern) {
  Type({1, 2}, true);
  Type({3, 4, 5}, false);

  // The open word as pattern: it closes, the next letter starts a new word.
  EXPECT_TRUE(dic.ChoosePattern(2));
  EXPECT_EQ(dic.PatNum, 2);
  EXPECT_EQ(dic.PatLen, 3);
  EXPECT_EQ(dic.WordOpen, 0);
  EXPECT_TRUE(dic.HasPattern());
  dic.AddLetter(6, false);
  EXPECT_EQ(dic.NWords, 3);

  // A number past the words is stored but chooses nothing.
  EXPECT_FALSE(dic.ChoosePattern(7));
  EXPECT_EQ(dic.PatNum, 7);
  EXPECT_EQ(dic.PatLen, 3);
  EXPECT_EQ(dic.WordOpen, 1);
  EXPECT_FALSE(dic.HasPattern());
  EXPECT_FALSE(dic.ChoosePattern(0));
  EXPECT_FALSE(dic.ChoosePattern(-3));
  EXPECT_EQ(dic.PatLen, 3);

  dic.SetPatNum(1);
  EXPECT_EQ(dic.PatNum, 1);
  EXPECT_EQ(dic.WordOpen, 1) << "SetPatNum changes nothing else";
}

TEST_F(DictionaryTest, CreateDefaultsASingleWordToThePattern) {
  dic.DefaultSinglePattern();
  EXPECT_EQ(dic.PatNum, 0) << "no words, no pattern";
  Type({8}, true);
  for (int patNum : {0, 2, -1}) {
    dic.SetPatNum(patNum);
    dic.DefaultSinglePattern();
    EXPECT_EQ(dic.PatNum, 1) << patNum;
  }
  Type({9}, true);
  dic.SetPatNum(0);
  dic.DefaultSinglePattern();
  EXPECT_EQ(dic.PatNum, 0) << "with two words the user must choose";
}

TEST_F(DictionaryTest, FullTableRefusesMoreWithoutChange) {
  std::vector<int> longWord(99, 4);
  Type(longWord, false);
  EXPECT_EQ(dic.Words[1].Len, 99);
  EXPECT_FALSE(dic.AddLetter(5, true)) << "a 100th letter";
  EXPECT_EQ(dic.Words[1].Len, 99);
  EXPECT_EQ(dic.WordOpen, 1);
  EXPECT_EQ(dic.MinLen, 2147483647);
  dic.FinishWord();
  for (int w = 2; w <= 99; ++w) EXPECT_TRUE(dic.AddLetter(w % 21 + 1, true));
  EXPECT_EQ(dic.NWords, 99);
  const DicTable before = dic;
  repaints.clear();
  EXPECT_FALSE(dic.AddLetter(1, false)) << "a 100th word";
  EXPECT_EQ(dic.NWords, 99);
  EXPECT_EQ(dic.WordOpen, 0);
  EXPECT_EQ(dic.MinLen, before.MinLen);
  EXPECT_EQ(dic.MaxLen, before.MaxLen);
  EXPECT_TRUE(repaints.empty());
}

}  // namespace
}  // namespace tesselo

#pragma once
#include <array>
#include <functional>
#include <span>
#include <utility>

namespace tesselo {

// One word of the dictionary: Letters[1..Len] are letter numbers 1..21; slot 0 is unused.
struct DicWord {
  static constexpr int kMaxLetters = 99;
  int Len = 0;
  std::array<int, kMaxLetters + 1> Letters{};
};

// The user's list of words: rows 1..NWords of a fixed table, one of them the pattern.
// It only changes through the operations below; the windows that show it learn of changes
// through the observer.
struct DicTable {
  static constexpr int kMaxWords = 99;
  static constexpr int kNoMaxLen = -2147483647;  // MaxLen with no word to measure
  static constexpr int kNoMinLen = 2147483647;   // MinLen with no finished word

  // Which windows must be redrawn after a change.
  enum class Repaint { Dictionary, DictionaryAndStatistics };
  using Observer = std::function<void(Repaint)>;

  std::array<DicWord, kMaxWords + 1> Words{};
  int NWords = 0;
  int MaxLen = 0;
  int MinLen = kNoMinLen;
  int PatNum = 0;
  int PatLen = 0;
  int WordOpen = 0;  // 1 while word NWords is still being typed

  void SetObserver(Observer observer) { observer_ = std::move(observer); }

  // Appends the letter to the open word, or starts a new word with it; `finish` then
  // closes the word. Refused, leaving the table as it was, when the open word already has
  // 99 letters or a new word would be the 100th. Returns whether the letter was taken.
  bool AddLetter(int letter, bool finish);
  // Types a whole word, the last letter finishing it, as clicks with Shift on the last one
  // would. Returns whether every letter was taken.
  bool AddWord(std::span<const int> letters);
  void FinishWord();
  void NextWord();
  void CloseWord() { WordOpen = 0; }
  void RemoveLastWord();
  void ResetDictionary();
  // Makes word n the pattern; returns false (storing n all the same) when there is no
  // such word.
  bool ChoosePattern(int n);
  void SetPatNum(int n) { PatNum = n; }
  void DefaultSinglePattern();
  bool HasPattern() const { return PatNum > 0 && PatNum <= NWords; }

 private:
  void Notify(Repaint what) const {
    if (observer_) observer_(what);
  }
  void TakeMinLenOfLastWord();

  Observer observer_;
};

}  // namespace tesselo

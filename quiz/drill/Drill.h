#pragma once
// Drill: chooses the marked pair asked next, judges typed answers, keeps the
// points, gives hints and builds every text the quiz window shows for the
// drill. It has no window: the quiz window owns it, passes the typed text in,
// puts the texts of a DrillDisplay into its controls and keeps the Ask
// Previous box and the answer box in step with it. While the settings say to
// remember the answers, every answer judged is counted into the pair's
// history by the learning schedule (quiz/Schedule.h); the judging is lenient
// as the settings' leniency says (quiz/AnswerLeniency.h).
#include "quiz/drill/AnswerMarker.h"
#include "quiz/drill/QuizState.h"
#include "quiz/drill/RandomSource.h"
#include "quiz/drill/Schedule.h"
#include "quiz/drill/Settings.h"
#include "wordlist/LanguageTable.h"
#include "wordlist/WordList.h"

// What the drill asks of its window.
class DrillEvents {
 public:
  virtual ~DrillEvents() = default;
  // Starts the sound file asynchronously, without waiting and without any
  // message; never called with an empty name.
  virtual void playSound(const char* fileName) = 0;
  // Shows string messageId with the caption "Error:" and the error icon.
  virtual void showError(UINT messageId) = 0;
};

// The texts of the drill's controls.
struct DrillDisplay {
  CText resultLine;     // 113: "Right!"/"Wrong!" and the question word asked
  CText pointsLine;     // 116
  CText questionLabel;  // 110: "What is ..."
  CText questionWord;   // 111
  CText rightLine;      // 114, from AnswerMarker
  CText yourLine;       // 115, from AnswerMarker
};

class Drill {
 public:
  // The most the answer box gives; longer answers are cut to it.
  enum { kAnswerLimit = 4085 };
  // Shuffles of up to this many pairs use single draws.
  enum { kNarrowShuffleLimit = 32768 };

  // Today's calendar day for the histories (Schedule::today(); tests give
  // their own).
  using DayClock = unsigned (*)();

  // Borrows all four for its lifetime.
  Drill(WordList& list, Settings& settings, DrillEvents& events, RandomSource& random,
        DayClock today = Schedule::today);

  // After a list is opened, restored or begun anew, and when the window is
  // created: the state is reset and the next question taken.
  bool restart(DrillDisplay* display);
  // After the list changed or the direction changed: points are kept. The
  // latest answer follows its pair to wherever the list has put it, and is
  // forgotten when the pair (or the other pair that made it right) is gone.
  bool reshuffle(DrillDisplay* display);
  // Takes the next question (shuffling when the order is used up) and fills
  // display. False after an error was shown.
  bool nextQuestion(DrillDisplay* display);
  // Judges typed (cut to kAnswerLimit bytes, never inside a character) against the pair asked, counts the
  // point, plays the sound and applies the Ask Previous rule. Judges
  // nothing while no question has been taken. False after an error was shown.
  // The window takes the next question afterwards.
  bool check(const char* typed);
  // The hint for typed: the answer word up to and including the first
  // character where typed differs. False when no question is current, or
  // after an error was shown.
  bool giveHelp(const char* typed, CText* hint);
  // True while the latest answer was judged Wrong and nothing has changed
  // the list or the direction since.
  bool canCountAsRight() const;
  // Turns the latest Wrong into Right, as the learner says it was (a typo, a
  // synonym): the point is counted, the pair's history takes a right answer
  // instead of the wrong one, the Ask Previous rule of a right answer applies
  // and the result line says so. False when canCountAsRight() is false.
  bool countAsRight();

  // Empties the state and the order without taking a question.
  void reset();
  // Fills order anew with the marked pairs in random order. False after the
  // memory message was shown (the order is then empty).
  bool shuffle();
  // The display of the current state. False after an error was shown;
  // display is then unchanged.
  bool refresh(DrillDisplay* display);

  bool askPrevious() const { return askPrevious_; }
  // False while the latest answer is forgotten: no pair is left for Ask
  // Previous to keep or drop until the next check.
  bool canAskPrevious() const { return state_.previousId >= 0; }
  // The user clicked Ask Previous: the box toggles and the list counts as
  // modified. Nothing while canAskPrevious() is false.
  void toggleAskPrevious();
  // The user chose the direction: true asks the second word.
  void setDirection(bool askSecond) { settings_.setAskSecond(askSecond); }

  const QuizState& state() const { return state_; }

 private:
  struct Words {
    CText question;
    CText answer;
  };

  bool fetch(int id, Words* words);
  AnswerResult judge(const Words& current, const CText& typed);
  AnswerResult judgeLeniently(const Words& current, const CText& typed);
  void remember(bool right);
  void applySkipRule(bool helpUsed);
  void play(const CText& fileName);
  void takeFromOrder();
  bool takeOtherThanPrevious();
  void applyAskPrevious();
  void takeCurrentAsPrevious();
  void followAnswer();
  void forgetAnswer();
  void dropPrevious();
  void placeNarrow();
  void placeWide();
  void fillResultLine(const Words& previous, CText* line) const;
  void fillQuestion(const Words& current, int markedCount, DrillDisplay* display) const;
  const CText& answerLanguage() const;

  WordList& list_;
  Settings& settings_;
  DrillEvents& events_;
  RandomSource& random_;
  LanguageTable languages_;
  AnswerMarker marker_;
  QuizState state_;
  bool askPrevious_ = true;
  DayClock today_;
  // The latest judgement, for Count as Right: the pair, its history before
  // it, the day and whether help was used.
  bool countable_ = false;
  bool countedAsRight_ = false;
  int judgedId_ = -1;
  PairHistory judgedBefore_;
  unsigned judgedDay_ = 0;
  bool judgedWithHelp_ = false;
};

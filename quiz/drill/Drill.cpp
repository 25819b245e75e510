#include "quiz/drill/Drill.h"

#include "framework/core/RichText.h"
#include "quiz/drill/RichTextCodes.h"
#include "resources/QuizResourceIds.h"
#include "wordlist/Utf8Text.h"

#include <string>

namespace {

// The text as compared without regard to case, in every script with case.
std::string lowered(const CText& text) { return foldCase(std::string(text.c_str(), text.length())); }

}  // namespace

Drill::Drill(WordList& list, Settings& settings, DrillEvents& events, RandomSource& random, DayClock today)
    : list_(list), settings_(settings), events_(events), random_(random), marker_(settings), today_(today) {}

bool Drill::restart(DrillDisplay* display) {
  reset();
  return nextQuestion(display);
}

bool Drill::reshuffle(DrillDisplay* display) {
  countable_ = false;
  followAnswer();
  bool shuffled = shuffle();
  return nextQuestion(display) && shuffled;
}

void Drill::reset() {
  state_.reset();
  countable_ = countedAsRight_ = false;
}

bool Drill::shuffle() {
  int marked = list_.pairs.countMarked();
  state_.position = 0;
  state_.currentId = 0;
  if (!state_.allocateOrder(marked)) {
    events_.showError(QuizString::kNoMemory);
    return false;
  }
  for (int i = 0; i < state_.count; ++i) state_.order[i] = -1;
  random_.reseed();
  if (state_.count <= kNarrowShuffleLimit) placeNarrow();
  else placeWide();
  return true;
}

// Each marked pair in list order takes a free slot found by drawing; a draw
// reaches every slot of an order this short.
void Drill::placeNarrow() {
  for (WordPair* pair = list_.pairs.head(); pair; pair = pair->next) {
    if (!pair->drilled()) continue;
    int slot;
    do slot = random_.draw() % state_.count;
    while (state_.order[slot] != -1);
    state_.order[slot] = pair->id;
  }
}

// Single draws cannot reach the slots beyond 32767, so longer orders are
// shuffled in place with wide draws, which ends after one pass.
void Drill::placeWide() {
  int filled = 0;
  for (WordPair* pair = list_.pairs.head(); pair; pair = pair->next)
    if (pair->drilled()) state_.order[filled++] = pair->id;
  for (int i = state_.count - 1; i > 0; --i) {
    int j = static_cast<int>(random_.drawWide() % static_cast<DWORD>(i + 1));
    int id = state_.order[i];
    state_.order[i] = state_.order[j];
    state_.order[j] = id;
  }
}

void Drill::takeFromOrder() { state_.currentId = state_.order[state_.position++]; }

bool Drill::nextQuestion(DrillDisplay* display) {
  bool ordered = state_.position < state_.count || shuffle();
  if (state_.answeredCount < 0) state_.answeredCount = 0;
  if (state_.count <= 0) {
    state_.currentId = -1;
    if (state_.answeredCount == 0) state_.previousId = 0;
  } else if (!takeOtherThanPrevious()) {
    ordered = false;
  }
  bool shown = refresh(display);
  return shown && ordered;
}

// The same pair is never asked twice in a row unless it is the only one.
bool Drill::takeOtherThanPrevious() {
  takeFromOrder();
  while (state_.count > 1 && state_.currentId == state_.previousId) {
    if (state_.position >= state_.count && !shuffle()) {
      state_.currentId = -1;
      return false;
    }
    takeFromOrder();
  }
  return true;
}

bool Drill::fetch(int id, Words* words) {
  CText first, second;
  if (!list_.pairs.copyPair(id, &first, &second)) {
    events_.showError(QuizString::kCannotGetWords);
    return false;
  }
  bool askSecond = settings_.askSecond();
  words->question = askSecond ? second : first;
  words->answer = askSecond ? first : second;
  return true;
}

bool Drill::check(const char* typedText) {
  if (state_.position == 0) return true;
  Words current;
  if (!fetch(state_.currentId, &current)) return false;
  state_.lastAnswer.assign(typedText, static_cast<int>(cutLength(typedText, kAnswerLimit)));
  state_.lastResult = judge(current, state_.lastAnswer);
  if (state_.lastResult == Wrong) {
    play(settings_.PlayFile2);
  } else {
    ++state_.rightCount;
    play(settings_.PlayFile1);
  }
  remember(state_.lastResult != Wrong);
  ++state_.answeredCount;
  applyAskPrevious();
  applySkipRule(settings_.helpUsed != 0);
  settings_.helpUsed = 0;
  return true;
}

// With "Don't ask word after right answer", a pair answered right without
// help unchecks Ask Previous, so that it leaves the drill at the next check.
void Drill::applySkipRule(bool helpUsed) {
  askPrevious_ = !(settings_.statusOn(Settings::kSkipRightAnswers) && state_.lastResult == Right && !helpUsed);
}

// A history that cannot get memory leaves the answer unremembered; the drill
// goes on.
void Drill::remember(bool right) {
  countedAsRight_ = false;
  judgedWithHelp_ = settings_.helpUsed != 0;
  judgedId_ = state_.currentId;
  countable_ = !right;
  WordPair* pair = settings_.rememberAnswers ? list_.pairs.pairAt(judgedId_) : nullptr;
  PairHistory* history = pair ? list_.pairs.historyOf(pair) : nullptr;
  if (!history) return;
  judgedBefore_ = *history;
  judgedDay_ = today_();
  Schedule::recordAnswer(history, right, judgedDay_);
  list_.historyChanged = true;
}

bool Drill::canCountAsRight() const { return countable_ && state_.lastResult == Wrong; }

bool Drill::countAsRight() {
  if (!canCountAsRight()) return false;
  countable_ = false;
  countedAsRight_ = true;
  state_.lastResult = Right;
  ++state_.rightCount;
  WordPair* pair = settings_.rememberAnswers ? list_.pairs.pairAt(judgedId_) : nullptr;
  if (pair && pair->history) {
    *pair->history = judgedBefore_;
    Schedule::recordAnswer(pair->history, true, judgedDay_);
  }
  applySkipRule(judgedWithHelp_);
  return true;
}

// Case is ignored; another marked pair with the same question word may
// supply the answer.
AnswerResult Drill::judge(const Words& current, const CText& typed) {
  if (settings_.leniency.any()) return judgeLeniently(current, typed);
  std::string typedLow = lowered(typed);
  if (typedLow == lowered(current.answer)) return Right;
  std::string questionLow = lowered(current.question);
  bool askSecond = settings_.askSecond();
  int other = list_.pairs.findMarked(askSecond ? typedLow.c_str() : questionLow.c_str(),
                                     askSecond ? questionLow.c_str() : typedLow.c_str());
  if (other < 0) return Wrong;
  state_.otherPairId = other;
  state_.otherPair = list_.pairs.pairAt(other);
  return RightByOtherPair;
}

// The same rules, with every answer word and its alternatives judged as the
// leniency says.
AnswerResult Drill::judgeLeniently(const Words& current, const CText& typed) {
  const Leniency& leniency = settings_.leniency;
  if (acceptsAnswer(typed.c_str(), current.answer.c_str(), leniency)) return Right;
  const bool askSecond = settings_.askSecond();
  WordPair* other = list_.pairs.findMarked(askSecond, lowered(current.question), [&](const WordPair& pair) {
    return acceptsAnswer(typed.c_str(), (askSecond ? pair.firstWord : pair.secondWord).c_str(), leniency);
  });
  if (!other) return Wrong;
  state_.otherPairId = other->id;
  state_.otherPair = other;
  return RightByOtherPair;
}

void Drill::play(const CText& fileName) {
  if (!fileName.empty()) events_.playSound(fileName.c_str());
}

void Drill::applyAskPrevious() {
  if (state_.answeredCount == 1 || askPrevious_) takeCurrentAsPrevious();
  else dropPrevious();
}

void Drill::takeCurrentAsPrevious() {
  state_.previousId = state_.currentId;
  state_.previousPair = list_.pairs.pairAt(state_.currentId);
}

// The pairs of the latest answer are found again by their nodes wherever a
// reorder put them; when one of them is gone, the answer is forgotten.
void Drill::followAnswer() {
  if (!state_.previousPair) return;
  int previous = list_.pairs.idOf(state_.previousPair);
  bool byOther = state_.lastResult == RightByOtherPair;
  int other = byOther ? list_.pairs.idOf(state_.otherPair) : state_.otherPairId;
  if (previous < 0 || other < 0) {
    forgetAnswer();
    return;
  }
  state_.previousId = previous;
  state_.otherPairId = other;
}

// Nothing of the answer is shown any more, and Ask Previous has no pair left
// to keep or drop: the next check keeps every pair.
void Drill::forgetAnswer() {
  state_.lastResult = NoAnswer;
  state_.lastAnswer.clear();
  state_.previousId = -1;
  state_.previousPair = state_.otherPair = nullptr;
  askPrevious_ = true;
}

// The previous pair leaves the selection, and the order shrinks by one
// entry so that it keeps matching the marked count. When a reshuffle came
// between the two questions, the previous pair still waits later in the
// order; that entry is the one removed, so that the pair is not asked again.
void Drill::dropPrevious() {
  list_.pairs.setMark(state_.previousId, 0);
  int pending = -1;
  for (int i = state_.position; i < state_.count && pending < 0; ++i)
    if (state_.order[i] == state_.previousId) pending = i;
  if (pending >= 0) {
    state_.removeOrderEntry(pending);
  } else {
    state_.removeOrderEntry(state_.position - 1);
    --state_.position;
  }
  takeCurrentAsPrevious();
}

bool Drill::giveHelp(const char* typedText, CText* hint) {
  if (state_.position == 0) return false;
  Words current;
  if (!fetch(state_.currentId, &current)) return false;
  CText typed(typedText, static_cast<int>(cutLength(typedText, kAnswerLimit)));
  std::string answer(current.answer.c_str(), current.answer.length());
  // Whole characters are compared and given, up to the first that differs.
  size_t end = 0;
  while (end < answer.size()) {
    size_t next = nextCharacter(answer, end);
    bool same = next <= typed.length() && answer.compare(end, next - end, typed.c_str() + end, next - end) == 0;
    end = next;
    if (!same) break;
  }
  hint->assign(answer.c_str(), static_cast<int>(end));
  settings_.helpUsed = 1;
  return true;
}

void Drill::toggleAskPrevious() {
  if (!canAskPrevious()) return;
  askPrevious_ = !askPrevious_;
  settings_.setModified(true);
}

bool Drill::refresh(DrillDisplay* display) {
  int pairCount = list_.pairs.count();
  Words current, previous, other;
  if (pairCount > 0 && state_.currentId >= 0 && !fetch(state_.currentId, &current)) return false;
  if (pairCount > 0 && state_.previousId >= 0 && !fetch(state_.previousId, &previous)) return false;
  bool byOther = state_.lastResult == RightByOtherPair && state_.answeredCount >= 1;
  if (byOther && !fetch(state_.otherPairId, &other)) return false;

  int markedCount = list_.pairs.countMarked();
  fillResultLine(previous, &display->resultLine);
  display->pointsLine.formatResource(QuizString::kPoints, state_.rightCount, state_.answeredCount, markedCount,
                                     pairCount);
  fillQuestion(current, markedCount, display);
  if (state_.answeredCount < 1)
    marker_.build("", "", nullptr, &display->rightLine, &display->yourLine);
  else
    marker_.build(state_.lastAnswer.c_str(), previous.answer.c_str(), byOther ? other.answer.c_str() : nullptr,
                  &display->rightLine, &display->yourLine);
  return true;
}

void Drill::fillResultLine(const Words& previous, CText* line) const {
  line->clear();
  if (state_.lastResult == NoAnswer) return;
  bool wrong = state_.lastResult == Wrong;
  bool colors = settings_.statusOn(Settings::kUseColors);
  if (colors) appendColorCode(line, kTextColorCode, wrong ? settings_.WrongColor : settings_.RightColor);
  line->appendResource(wrong ? QuizString::kWrong : countedAsRight_ ? QuizString::kCountedRight : QuizString::kRight);
  if (colors) appendColorCode(line, kTextColorCode, settings_.BaseColor);
  appendFontCode(line, settings_.fontHandle);
  line->append(" (");
  line->append(CRichText::shown(previous.question.c_str()).c_str());
  line->append(")");
}

void Drill::fillQuestion(const Words& current, int markedCount, DrillDisplay* display) const {
  if (markedCount == 0) {
    display->questionWord.load(QuizString::kNoSelectedWords);
    display->questionLabel.clear();
    return;
  }
  display->questionWord = CRichText::shown(current.question.c_str()).c_str();
  int language = languages_.find(answerLanguage().c_str());
  if (language >= 0) display->questionLabel.formatResource(QuizString::kWhatIsIn, languages_.phrase(language).c_str());
  else display->questionLabel.load(QuizString::kWhatIs);
}

const CText& Drill::answerLanguage() const {
  return settings_.askSecond() ? list_.firstLanguage : list_.secondLanguage;
}

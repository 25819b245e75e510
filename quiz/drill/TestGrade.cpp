#include "quiz/drill/TestGrade.h"

CText testGrade(int right, int total) {
  CText grade;
  float value = total > 0 ? static_cast<float>(right * 10.0 / total) : 0.0f;
  if (!(value > 4.0f && value <= 10.0f)) {
    grade = "4";
    return grade;
  }
  int whole = static_cast<int>(value);
  float fraction = value - static_cast<float>(whole);
  char mark = ' ';
  if (fraction >= 0.75f) {
    mark = '-';
    ++whole;
  } else if (fraction >= 0.5f) {
    mark = '\xBD';
  } else if (fraction >= 0.25f) {
    mark = '+';
  }
  grade.format("%d%c", whole, mark);
  return grade;
}

// The quiz program's one application object; each build names itself
// ("Verbolt", "Kielivisa") through QUIZ_APP_NAME.
#include "quiz/QuizApp.h"

static QuizApp application(QUIZ_APP_NAME);

#include "quiz/log.h"

Q_LOGGING_CATEGORY(lcQuiz, "hellas.quiz")

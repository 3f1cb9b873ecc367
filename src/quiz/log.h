#pragma once
// The logging category of the quiz folder's libraries: hellas.quiz.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcQuiz)

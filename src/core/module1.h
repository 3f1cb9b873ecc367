#pragma once
// The program-wide shared state through which screens hand data to one another.

#include <QString>
#include <array>

struct SharedState {
    // The loaded question set; entries 1 to 10 are used, entry 0 never.
    QString SetTitle;
    std::array<QString, 11> Question;
    std::array<QString, 11> AnswerA;
    std::array<QString, 11> AnswerB;
    std::array<QString, 11> AnswerC;
    std::array<QString, 11> AnswerD;
    std::array<QString, 11> CorrectAnswer;

    // The quiz in progress and the score of the last activity.
    int CurrentQuestion = 0;
    std::array<int, 11> QuestionScore{};
    int Score = 0;
    int MaxScore = 0;
    QString QuizHeading;

    // The worksheet catalogue as last read; titles from index 1.
    static constexpr int MaxWorksheets = 1000;
    double WorksheetCount = 0;
    std::array<QString, MaxWorksheets + 1> WorksheetTitles;
    QString SelectedWorksheet;
    int CataloguePage = 0;

    int SoundOn = 0;

    // The jigsaw's picture on show. It belongs to the program, not to one
    // opening of the screen, so a reopened screen still brings a different painting.
    int JigsawPicture = 0;

    // The page viewers.
    int PageNumber = 0;
    int PageCount = 0;
    QString PageBaseName;
    int LogoFrame = 0;
};

inline SharedState Module1;

// Acts for one account in the drop-folder test:
//   classroom_results_helper write FOLDER PUPIL
//   classroom_results_helper export FOLDER FILE.csv
//   classroom_results_helper mode WORKSHEET_FOLDER

#include "classroom/exportcommand.h"
#include "classroom/mode.h"
#include "classroom/record.h"

#include <cstdio>

int main(int argc, char **argv) {
    if (argc != 3 && argc != 4) return 2;
    const QString command = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const QString third = argc == 4 ? QString::fromLocal8Bit(argv[3]) : QString();
    if (command == u"mode") {
        std::puts(classroomAtStart(folder, {}).mode == ClassroomMode::Pupil ? "pupil" : "teacher");
        return 0;
    }
    if (command == u"write") {
        ResultRecord record;
        record.when = QDateTime::currentDateTime();
        record.activity = Activity::Jigsaw;
        record.pupil = third;
        record.score = record.outOf = 12;
        return writeRecord(folder, record) ? 1 : 0;
    }
    const CommandAnswer answer = exportResultsCommand({third, folder, {}, {}});
    std::fputs(answer.output.toLocal8Bit().constData(), stdout);
    std::fputs(answer.errors.toLocal8Bit().constData(), stderr);
    return answer.exitCode;
}

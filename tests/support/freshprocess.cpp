#include "support/freshprocess.h"

#include "core/language.h"
#include "core/module1.h"
#include "core/paths.h"
#include "platform/services.h"

void resetProcessState(const QString &folder) {
    Module1 = SharedState{};
    setProgramFolders(ProgramFolders::inOneFolder(folder));
    setProgramLanguage(SourceLanguage);
    services() = Services{};
}

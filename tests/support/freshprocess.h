#pragma once
// The one place that puts every process-wide value back as a start finds it:
// the shared state, the program's folders and the outside services. Every
// test starts from it, so tests pass in any order.

#include <QString>

// Empties the shared state and the services and resolves every program path
// in `folder` (the working folder when empty).
void resetProcessState(const QString &folder = {});

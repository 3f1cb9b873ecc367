#include "wmf/log.h"

Q_LOGGING_CATEGORY(lcWmf, "hellas.wmf")

#include "topic/log.h"

Q_LOGGING_CATEGORY(lcTopic, "hellas.topic")

#pragma once
// The logging category of the topic folder's libraries: hellas.topic.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcTopic)

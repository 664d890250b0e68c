#pragma once
// A teacher's own lesson, from a small JSON file: a title and a list of stops, each with the
// fields of the built-in ones. A mistake is one line naming the file, the stop and the field,
// enough to fix it from:
//   lesson.json: stop 3: preset "open-x" is not one of balanced, reversed, ...
#include <string>

#include <QByteArray>
#include <QString>

#include "lesson/lesson.h"

struct LessonFileResult {
    Lesson lesson;
    std::string error;  // empty when the lesson is usable
};

// Reads the file at `path`; messages name it as given.
LessonFileResult ReadLessonFile(const QString& path);
// The lesson in `json`; messages begin with `name`.
LessonFileResult ParseLesson(const QByteArray& json, const std::string& name);

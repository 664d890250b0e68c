#pragma once
// A teacher's own lesson, from a small JSON file: a title and a list of stops, each a view with
// the parameters the view's table gives it. A mistake is one line naming the file, the stop and
// the field, enough to fix it from:
//   lesson.json: stop 3: preset 'open-x' is not one of balanced, reversed, ...
#include <string>

#include <QByteArray>

#include "lesson/lesson.h"

struct LessonFileResult {
    Lesson lesson;
    std::string error;  // empty when the lesson is usable
};

// Reads the file at `path`, a name kept byte for byte; only a regular file is read, so that a
// FIFO or a device is refused at once. Messages name the file as given.
LessonFileResult ReadLessonFile(const std::string& path);
// The lesson in `json`; messages begin with `name`.
LessonFileResult ParseLesson(const QByteArray& json, const std::string& name);

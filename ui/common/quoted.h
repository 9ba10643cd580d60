#pragma once
// A person's or a file's text (a file's name, a name it holds) as a message quotes it, in the
// language in use: control characters escaped and a long text cut with its length, by the
// library's rule (core/quoted_text.h).

#include <QString>

namespace ui {

QString Quoted(const QString& text);

}  // namespace ui

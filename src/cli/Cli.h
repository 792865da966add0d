#pragma once

#include <QStringList>

class QTextStream;

// valkora-cli: answer keys, quiz versions, PDFs and the ion lists as CSV, from a data folder,
// with no window. args are the words after the program's name. Returns the exit status:
// 0 done, 1 bad input (said on err, naming the file), 2 bad usage.
int runCli(const QStringList& args, QTextStream& out, QTextStream& err);

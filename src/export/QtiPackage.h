#pragma once

#include "export/ExportedQuiz.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The quiz as an IMS QTI 2.1 content package, which learning platforms import as a test.
namespace quiz_export {

// One file of a package: its path inside the package, and its bytes (UTF-8 XML).
struct QtiFile {
    QString path;
    QByteArray bytes;
    friend bool operator==(const QtiFile&, const QtiFile&) = default;
};

// The package's files in the order it holds them: imsmanifest.xml (IMS Content Packaging
// 1.1), the assessmentTest, then one assessmentItem per exercise in quiz order.
std::vector<QtiFile> qtiFiles(const Quiz& quiz, const Marking& marking);

// Those files zipped. Throws std::runtime_error with libzip's message when libzip fails.
QByteArray qtiPackage(const Quiz& quiz, const Marking& marking);

} // namespace quiz_export

#pragma once

#include <QByteArray>

// Tells whether a PDF file as a print engine writes it came out whole: it ends with its
// %%EOF line, its startxref points at its cross-reference table, and every object that table
// lists in use begins where the table says. A write lost anywhere before the table shifts
// what follows and breaks one of these.
bool pdfIsWhole(const QByteArray& pdf);

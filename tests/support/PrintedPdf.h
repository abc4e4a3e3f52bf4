#pragma once

// Reads back what a test printed into a PDF file: its pages and their words with their boxes in
// points from the page's top-left. Uses pdftotext (poppler-utils).

#include <string>
#include <vector>

namespace guitest {

struct PdfWord {
    std::string text;
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

struct PdfPage {
    std::vector<PdfWord> words;

    // The words in reading order, joined by single blanks.
    std::string Text() const;
    bool Contains(const std::string& word) const;
};

// The pages of the PDF file; throws std::runtime_error when it cannot be read.
std::vector<PdfPage> ReadPdf(const std::string& path);

} // namespace guitest

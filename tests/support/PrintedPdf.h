#pragma once

// Reads back what a test printed into a PDF file (with poppler-utils): its pages and their words,
// with their boxes in points from the page's top-left.

#include <string>
#include <vector>

namespace guitest {

struct PdfWord {
    std::string text;
    double left = 0, top = 0, right = 0, bottom = 0;
};

struct PdfPage {
    std::vector<PdfWord> words;
    // The first word with this text, or nullptr.
    const PdfWord* Find(const std::string& text) const;
};

// The pages of the PDF file; throws std::runtime_error when it cannot be read.
std::vector<PdfPage> ReadPdf(const std::string& path);
// Whether anything is drawn inside the word's box on the first page of the PDF file.
bool InkUnder(const std::string& path, const PdfWord& word);

} // namespace guitest

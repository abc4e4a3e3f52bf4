#include "tests/support/PrintedPdf.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numeric>
#include <stdexcept>

namespace guitest {

namespace {

// pdftotext -bbox writes XHTML: one <page> element per page, one <word> element per word.
QString WordBoxesOf(const std::string& path) {
    QProcess process;
    process.start("pdftotext", {"-bbox", QString::fromStdString(path), "-"});
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        throw std::runtime_error("pdftotext could not read " + path + ": " +
                                 process.readAllStandardError().toStdString());
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

PdfWord WordOf(const QRegularExpressionMatch& match) {
    const QString text = QTextDocumentFragment::fromHtml(match.captured(5)).toPlainText();
    return {text.toStdString(), match.captured(1).toDouble(), match.captured(2).toDouble(),
            match.captured(3).toDouble(), match.captured(4).toDouble()};
}

} // namespace

std::string PdfPage::Text() const {
    std::string text;
    for (const PdfWord& word : words) {
        text += (text.empty() ? "" : " ") + word.text;
    }
    return text;
}

bool PdfPage::Contains(const std::string& word) const {
    return Find(word) != nullptr;
}

const PdfWord* PdfPage::Find(const std::string& text) const {
    const auto found = std::find_if(words.begin(), words.end(),
                                    [&](const PdfWord& word) { return word.text == text; });
    return found == words.end() ? nullptr : &*found;
}

std::vector<PdfPage> ReadPdf(const std::string& path) {
    static const QRegularExpression element(
        R"re(<page\b|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>)re");
    std::vector<PdfPage> pages;
    for (const QRegularExpressionMatch& match : element.globalMatch(WordBoxesOf(path))) {
        if (!match.hasCaptured(5)) {
            pages.emplace_back();
        } else if (!pages.empty()) {
            pages.back().words.push_back(WordOf(match));
        }
    }
    return pages;
}

bool InkUnder(const std::string& path, const PdfWord& word) {
    const QString root = QString::fromStdString(path) + "-word";
    const auto number = [](double points) { return QString::number(std::lround(points)); };
    QProcess process;
    process.start("pdftoppm",
                  {"-r", "72", "-gray", "-singlefile", "-f", "1", "-l", "1", "-x",
                   number(word.left), "-y", number(word.top), "-W", number(word.right - word.left),
                   "-H", number(word.bottom - word.top), QString::fromStdString(path), root});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        throw std::runtime_error("pdftoppm could not draw " + path);
    }
    const QImage image(root + ".pgm");
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                return true;
            }
        }
    }
    return false;
}

std::vector<int> OneTo(int n) {
    std::vector<int> numbers(static_cast<std::size_t>(n));
    std::iota(numbers.begin(), numbers.end(), 1);
    return numbers;
}

std::vector<int> LineNumbers(const PdfPage& page, const std::string& prefix) {
    std::vector<int> numbers;
    for (std::size_t i = 0; i + 1 < page.words.size(); ++i) {
        if (page.words[i].text == prefix) {
            numbers.push_back(std::stoi(page.words[i + 1].text));
        }
    }
    return numbers;
}

int ExpectWholeLinesIn(const PdfPage& page, const std::string& prefix, double height) {
    const std::vector<int> printed = LineNumbers(page, prefix);
    const int count = static_cast<int>(printed.size());
    EXPECT_EQ(printed, OneTo(count));
    const PdfWord* first = page.Find("1");
    const PdfWord* second = page.Find("2");
    if (first == nullptr || second == nullptr) {
        ADD_FAILURE() << "fewer than two lines printed";
        return count;
    }
    const double pitch = second->top - first->top;
    EXPECT_GT(pitch, 0.0);
    EXPECT_LE(count * pitch, height);
    EXPECT_GT((count + 1) * pitch, height);
    return count;
}

} // namespace guitest

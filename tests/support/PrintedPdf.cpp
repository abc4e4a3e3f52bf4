#include "tests/support/PrintedPdf.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <algorithm>
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
    return std::any_of(words.begin(), words.end(),
                       [&](const PdfWord& each) { return each.text == word; });
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

} // namespace guitest
